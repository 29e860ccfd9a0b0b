#pragma once
// What a table script says about its tables, as the parser reads it: names as
// written (without brackets, quotes or schema), type names in lower case.

#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

// A script the parser cannot read; the message names the line (and the table
// and column when inside one).
class TSqlScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TSqlColumn {
  std::string name;
  std::string type;         // "varchar", "int", ... (alias types resolved to their base type)
  int length = -1;          // the first number in the type's parentheses; -1 when there are none
  bool isMax = false;       // (max)
  bool notNull = false;
  bool nullStated = false;  // NULL or NOT NULL written on the column, which overrides an alias type's
  bool identity = false;
  std::string leftOut;      // why the column cannot be imported whatever its type (computed, period, unreadable)
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
  std::vector<std::string> uniqueColumns;  // columns unique on their own (UNIQUE constraint or index)
  std::vector<TSqlForeignKey> foreignKeys;
  std::string description;
  std::string unreadable;  // why the table as a whole could not be read

  // SQL Server's usual collation compares names without regard to case.
  TSqlColumn* Column(const std::string& columnName);
  const TSqlColumn* Column(const std::string& columnName) const;
};

struct TSqlScript {
  std::vector<TSqlTable> tables;
  // What the parser passed over that belongs in the import's report, one line each.
  std::vector<std::string> notes;

  // Adds a table whose name is not taken yet and returns it.
  TSqlTable& Add(TSqlTable table);
  TSqlTable* Table(const std::string& tableName);
  const TSqlTable* Table(const std::string& tableName) const;

 private:
  std::unordered_map<std::string, std::size_t> index_;  // by the name in ASCII lower case
};

// name in ASCII lower case: the key of SQL Server's usual case-insensitive comparison of names.
std::string NameKey(std::string name);
