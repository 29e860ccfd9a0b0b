#include "metadata/sqlimport/SqlTableModel.h"

#include <algorithm>

#include "metadata/NameRules.h"

namespace {

template <typename TList>
auto FindNamed(TList& list, const std::string& name) -> decltype(&list.front()) {
  const auto found = std::find_if(list.begin(), list.end(),
                                  [&](const auto& item) { return name_rules::EqualsIgnoringCase(item.name, name); });
  return found == list.end() ? nullptr : &*found;
}

}  // namespace

TSqlColumn* TSqlTable::Column(const std::string& columnName) { return FindNamed(columns, columnName); }
const TSqlColumn* TSqlTable::Column(const std::string& columnName) const { return FindNamed(columns, columnName); }
TSqlTable* TSqlScript::Table(const std::string& tableName) { return FindNamed(tables, tableName); }
const TSqlTable* TSqlScript::Table(const std::string& tableName) const { return FindNamed(tables, tableName); }
