#pragma once
// Reads the tables of a SQL Server table script: what SSMS's "Script Table
// as", other tools and vbgen's own script write.

#include <string_view>

#include "metadata/sqlimport/SqlTableModel.h"

// Raises TSqlScriptError for anything inside a CREATE TABLE (or an ALTER TABLE
// that adds to one) it does not understand.
TSqlScript ParseSqlScript(std::string_view utf8Text);
