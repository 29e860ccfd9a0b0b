#pragma once
// Names and texts in generated T-SQL: the one place that knows how SQL
// Server reads an identifier and a string literal.

#include <string>
#include <string_view>
#include <vector>

namespace sql_names {

// A table, column or alias name, or a caption, as written in a statement: as
// it is when T-SQL reads it as a plain identifier, else between brackets with
// "]" doubled ([Order], [价格（元）]).
std::string Name(const std::string& name);
// A name derived from text (a caption, member names joined): text, or text
// with "_" and the first number from 2 that equals none of taken (without
// regard to case), cut so that it stays within the 128 characters a T-SQL
// name may have.
std::string Unused(const std::string& text, const std::vector<std::string>& taken);
// Always between brackets, "]" doubled.
std::string Bracketed(const std::string& name);
// A table of the dbo schema: [dbo].[name].
std::string DboTable(const std::string& name);
// A string literal: between single quotes, "'" doubled.
std::string Literal(const std::string& text);

// The words T-SQL refuses as a bare identifier, upper case, sorted.
const std::vector<std::string_view>& ReservedWords();

}  // namespace sql_names
