#pragma once
// What a table script says about its tables, as the parser reads it: names as
// written (without brackets, quotes or schema), type names in lower case.

#include <stdexcept>
#include <string>
#include <vector>

// A script the parser cannot read; the message names the line (and the table
// and column when inside one).
class TSqlScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TSqlColumn {
  std::string name;
  std::string type;         // "varchar", "int", ... or "" for a computed column
  int length = -1;          // the first number in the type's parentheses; -1 when there are none
  bool isMax = false;       // (max)
  bool notNull = false;
  bool identity = false;
  std::string description;  // MS_Description
  int line = 0;
};

struct TSqlForeignKey {
  std::vector<std::string> columns;
  std::string refTable;
  std::vector<std::string> refColumns;  // empty: the referenced table's primary key
  int line = 0;
};

struct TSqlTable {
  std::string name;
  int line = 0;
  std::vector<TSqlColumn> columns;
  std::vector<std::string> primaryKey;
  std::vector<TSqlForeignKey> foreignKeys;
  std::string description;

  // SQL Server's usual collation compares names without regard to case.
  TSqlColumn* Column(const std::string& columnName);
  const TSqlColumn* Column(const std::string& columnName) const;
};

struct TSqlScript {
  std::vector<TSqlTable> tables;

  TSqlTable* Table(const std::string& tableName);
  const TSqlTable* Table(const std::string& tableName) const;
};
