#include "metadata/sqlimport/SqlTableModel.h"

#include <algorithm>
#include <utility>

#include "metadata/NameRules.h"

std::string NameKey(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

TSqlColumn* TSqlTable::Column(const std::string& columnName) {
  return const_cast<TSqlColumn*>(std::as_const(*this).Column(columnName));
}

const TSqlColumn* TSqlTable::Column(const std::string& columnName) const {
  const auto found = std::find_if(columns.begin(), columns.end(), [&](const TSqlColumn& column) {
    return name_rules::EqualsIgnoringCase(column.name, columnName);
  });
  return found == columns.end() ? nullptr : &*found;
}

TSqlTable& TSqlScript::Add(TSqlTable table) {
  index_.emplace(NameKey(table.name), tables.size());
  tables.push_back(std::move(table));
  return tables.back();
}

TSqlTable* TSqlScript::Table(const std::string& tableName) {
  return const_cast<TSqlTable*>(std::as_const(*this).Table(tableName));
}

const TSqlTable* TSqlScript::Table(const std::string& tableName) const {
  const auto found = index_.find(NameKey(tableName));
  return found == index_.end() ? nullptr : &tables[found->second];
}
