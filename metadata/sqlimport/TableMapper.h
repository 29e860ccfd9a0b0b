#pragma once
// Turns the tables of a script into the classes and members of a project, as
// far as the project can represent them, and notes every decision taken on
// the way, one line each.

#include <string>
#include <vector>

#include "metadata/ProjectJsonLayout.h"
#include "metadata/sqlimport/SqlTableModel.h"

// What a (max), text or ntext column becomes: the longest length below max.
inline constexpr int kLongTextLength = 4000;

struct TMappedTable {
  int line = 0;  // of its CREATE TABLE
  // Class, member and referenced class names as the script spells the tables
  // and columns; Project() gives them the case the input rules require.
  project_json::TClassFile classFile;
};

class TTableMapping {
 public:
  // skip: tables left out by the user's choice (names as in the script, any case).
  TTableMapping(const TSqlScript& script, const std::vector<std::string>& skip);

  const std::vector<TMappedTable>& tables() const { return tables_; }
  const std::vector<std::string>& report() const { return report_; }

  // One line per table still mapped.
  std::vector<std::string> Imported() const;

  // Leaves out a mapped table, and with it every table that refers to it.
  void Drop(std::size_t index, const std::string& reason);

  project_json::TProjectFile Project(const std::string& projectName) const;

 private:
  // Empty when the table can be represented, else why not.
  std::string Unrepresentable(const TSqlTable& table, const TSqlScript& script) const;
  TMember MapColumn(const TSqlTable& table, const TSqlColumn& column, const TSqlScript& script);
  void Skip(const std::string& table, int line, const std::string& reason);

  std::vector<TMappedTable> tables_;
  std::vector<std::string> report_;
};
