#pragma once
// Turns the tables of a script into the classes and members of a project, as
// far as the project can represent them, and notes every decision taken on
// the way, one line each.

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "metadata/ProjectJsonLayout.h"
#include "metadata/sqlimport/SqlTableModel.h"

// What a (max), text or ntext column becomes: the longest length below max.
inline constexpr int kLongTextLength = 4000;
// What a uniqueidentifier becomes: a string of its text form's length.
inline constexpr int kGuidLength = 36;

struct TMappedTable {
  int line = 0;  // of its CREATE TABLE
  // Class, member and referenced class names as the script spells the tables
  // and columns; Project() gives them the case the input rules require.
  project_json::TClassFile classFile;
  std::vector<int> memberLines;
  // What a reference member becomes when the class it refers to is left out, by member index.
  std::map<std::size_t, TMember> unreferenced;
  bool dropped = false;
};

class TTableMapping {
 public:
  // skip: tables left out by the user's choice (names as in the script, any case).
  TTableMapping(const TSqlScript& script, const std::vector<std::string>& skip);

  bool Empty() const { return live_.empty(); }
  const std::vector<std::string>& report() const { return report_; }

  // One line per table still mapped.
  std::vector<std::string> Imported() const;

  // Leaves out the tables whose names or texts the input rules refuse in a
  // project of that name, without asking the store.
  void RefuseNames(const std::string& projectName);

  // Leaves out the class at index in Project()'s list; references to it become
  // members of the referring column's own type.
  void Drop(std::size_t index, const std::string& reason);

  project_json::TProjectFile Project(const std::string& projectName) const;

 private:
  void Map(const TSqlTable& table, const TSqlColumn& key, const TSqlScript& script);
  TMember MapColumn(const TSqlTable& table, const TSqlColumn& column, const TSqlColumn& key);
  void Refer(std::size_t tableIndex, const TSqlTable& table, const TSqlColumn& column, const TSqlScript& script);
  void DropTable(std::size_t index, const std::string& reason);
  // Turns every reference to the table of that name into a plain member.
  void Unreference(const std::string& name);
  void Skip(const std::string& table, int line, const std::string& reason);
  void UpdateLive();

  std::vector<TMappedTable> tables_;
  std::vector<std::size_t> live_;  // the tables not dropped, in order
  std::unordered_map<std::string, std::size_t> byName_;  // mapped tables by script name
  std::unordered_map<std::string, std::string> keys_;    // each table's key column by NameKey of the table
  // The reference members to each table: (table index, member index).
  std::unordered_map<std::string, std::vector<std::pair<std::size_t, std::size_t>>> referrers_;
  std::vector<std::string> report_;
};
