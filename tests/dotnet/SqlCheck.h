#pragma once
// The T-SQL check of a generated project (the .NET tool in tests/sqlcheck/tool):
// Microsoft's parser over the table script of `vbgen sql` and over every
// statement the generated data access and DBHelp send, assembled with sample
// values, plus what SQL Server refuses that a parser accepts (a table twice
// in one FROM list, two columns of one name in a derived table).

#include <filesystem>
#include <string>
#include <vector>

struct TSqlCheck {
  int exitCode = -1;                  // 0: no problem; 1: problems; other: the check did not run
  std::vector<std::string> problems;  // one entry per problem, or the build errors of the check
  std::string summary;                // the count of statements checked and of problems found
  std::string log;                    // everything the check printed
};

// Checks HOME/projects/PROJECT, which `vbgen generate` wrote before; needs dotnet.
TSqlCheck CheckProjectSql(const std::filesystem::path& home, const std::string& project);
// The first problems, or the end of the log when none was listed.
std::string SqlCheckReport(const TSqlCheck& check, std::size_t maxProblems = 20);
// The words the parser refuses as a bare table or column name, sorted.
std::vector<std::string> ParserReservedWords();
