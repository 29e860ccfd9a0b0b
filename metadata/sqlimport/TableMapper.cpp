#include "metadata/sqlimport/TableMapper.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "metadata/NameRules.h"

namespace {

using namespace member_type;

constexpr std::array kIntegerTypes = {"int", "bigint", "smallint", "tinyint", "bit"};
constexpr std::array kStringTypes = {"char", "varchar", "nchar", "nvarchar"};
constexpr std::array kLongTextTypes = {"text", "ntext"};
constexpr std::array kFloatTypes = {"float", "real", "decimal", "numeric", "money", "smallmoney"};
constexpr std::array kDateTypes = {"date", "datetime", "datetime2", "smalldatetime", "datetimeoffset"};
constexpr std::array kPictureTypes = {"image", "varbinary"};

template <typename TList>
bool In(const TList& list, const std::string& type) {
  return std::find(list.begin(), list.end(), std::string_view(type)) != list.end();
}

// The type word of a column's SQL type; empty for a type the project has no word for.
std::string TypeWord(const TSqlColumn& column) {
  if (In(kIntegerTypes, column.type)) return kInteger;
  if (In(kStringTypes, column.type) || In(kLongTextTypes, column.type)) return kString;
  if (In(kFloatTypes, column.type)) return kFloat;
  if (In(kDateTypes, column.type)) return kDateTime;
  if (In(kPictureTypes, column.type)) return kPicture;
  return "";
}

bool Same(const std::string& a, const std::string& b) { return name_rules::EqualsIgnoringCase(a, b); }

std::string Where(const std::string& table, int line) {
  return "表 " + table + " (第 " + std::to_string(line) + " 行)";
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

const TSqlForeignKey* ForeignKeyOf(const TSqlTable& table, const std::string& column) {
  for (const auto& key : table.foreignKeys)
    if (key.columns.size() == 1 && Same(key.columns[0], column)) return &key;
  return nullptr;
}

bool IsSelfReference(const TSqlTable& table, const TSqlForeignKey& key) { return Same(key.refTable, table.name); }

// SQL Server's usual collations find a table or column whatever the case of its
// letters, so the generated script still finds a name whose first letter's case
// changed to meet the input rules; any other change would not be found.
std::string ClassNameOf(std::string table) {
  if (!table.empty() && table[0] >= 'a' && table[0] <= 'z') table[0] = static_cast<char>(table[0] - 'a' + 'A');
  return table;
}

// Lowered as an object name is.
std::string MemberNameOf(const std::string& column) { return name_rules::ObjectName(column); }

// Every script of vbgen sql creates these itself: a class of the same name would create them twice.
constexpr std::array kScriptOwnTables = {"P_PasswordType", "U_UserInfo"};

}  // namespace

TTableMapping::TTableMapping(const TSqlScript& script, const std::vector<std::string>& skip) {
  for (const auto& table : script.tables) {
    const bool skipped = std::any_of(skip.begin(), skip.end(), [&](const auto& name) { return Same(name, table.name); });
    const std::string reason = skipped ? "按 --skip 跳过" : Unrepresentable(table, script);
    if (!reason.empty()) {
      Skip(table.name, table.line, reason);
      continue;
    }
    if (ClassNameOf(table.name) != table.name)
      report_.push_back(Where(table.name, table.line) + " 作为类 " + ClassNameOf(table.name) + " 导入: 类名首个字母必须大写");
    TMappedTable mapped{table.line, {table.name, table.description.empty() ? table.name : table.description, 1, {}}};
    for (const auto& column : table.columns)
      if (!column.type.empty()) {
        mapped.classFile.members.push_back(MapColumn(table, column, script));
      } else {
        report_.push_back(Where(table.name, column.line) + " 的计算列 " + column.name + " 未导入");
      }
    auto& members = mapped.classFile.members;
    const auto display = std::find_if(members.begin(), members.end(),
                                      [](const TMember& m) { return m.memberIsPri == 0 && m.memberType == kString; });
    (display != members.end() ? *display : *std::find_if(members.begin(), members.end(), [](const TMember& m) {
      return m.memberIsPri == 1;
    })).memberIsDisplay = 1;
    tables_.push_back(std::move(mapped));
  }
  // A reference to a table left out cannot be stored: leave out the referring table too.
  for (std::size_t i = 0; i < tables_.size(); ++i)
    for (const auto& member : tables_[i].classFile.members)
      if (IsReference(member.memberType) &&
          std::none_of(tables_.begin(), tables_.end(), [&](const auto& t) { return t.classFile.className == member.memberType; })) {
        Drop(i, "列 " + member.memberName + " 引用的表 " + member.memberType + " 未导入");
        i = static_cast<std::size_t>(-1);  // start over: the list has changed
        break;
      }
}

std::vector<std::string> TTableMapping::Imported() const {
  std::vector<std::string> lines;
  for (const auto& table : tables_)
    lines.push_back("导入" + Where(table.classFile.className, table.line) + " 为类 " +
                    ClassNameOf(table.classFile.className) + " (" + std::to_string(table.classFile.members.size()) +
                    " 个成员)");
  return lines;
}

std::string TTableMapping::Unrepresentable(const TSqlTable& table, const TSqlScript& script) const {
  if (table.primaryKey.empty()) return "没有主键";
  if (table.primaryKey.size() > 1) return "复合主键 (" + Joined(table.primaryKey) + ")";
  const TSqlColumn& key = *table.Column(table.primaryKey[0]);
  if (key.type.empty() || (!In(kIntegerTypes, key.type) && !In(kStringTypes, key.type)) || key.isMax)
    return "主键 " + key.name + " 的类型 " + key.type + " 不能作为主键 (只能是整数或字符串)";
  for (const auto& column : table.columns) {
    if (!column.type.empty() && TypeWord(column).empty())
      return "列 " + column.name + " 的类型 " + column.type + " 无法表示";
    if (column.length == 0 && In(kStringTypes, column.type)) return "列 " + column.name + " 的长度 0 无效";
  }
  for (const auto& foreignKey : table.foreignKeys) {
    if (foreignKey.columns.size() > 1) return "复合外键 (" + Joined(foreignKey.columns) + ")";
    if (IsSelfReference(table, foreignKey)) continue;
    const TSqlTable* target = script.Table(foreignKey.refTable);
    if (!target) return "列 " + foreignKey.columns[0] + " 引用的表 " + foreignKey.refTable + " 不在脚本中";
    if (ForeignKeyOf(table, foreignKey.columns[0]) != &foreignKey)
      return "列 " + foreignKey.columns[0] + " 有两个外键";
    const bool toKey = target->primaryKey.size() == 1 &&
                       (foreignKey.refColumns.empty() ||
                        (foreignKey.refColumns.size() == 1 && Same(foreignKey.refColumns[0], target->primaryKey[0])));
    if (!toKey) return "列 " + foreignKey.columns[0] + " 引用的不是表 " + target->name + " 的主键";
  }
  if (std::any_of(kScriptOwnTables.begin(), kScriptOwnTables.end(), [&](const char* own) { return Same(own, table.name); }))
    return "生成的建表脚本自己创建这个表";
  return "";
}

TMember TTableMapping::MapColumn(const TSqlTable& table, const TSqlColumn& column, const TSqlScript& script) {
  TMember m;
  m.memberName = column.name;
  m.memberComment = column.description;
  m.memberIsPri = Same(column.name, table.primaryKey[0]) ? 1 : 0;
  m.memberType = TypeWord(column);
  if (MemberNameOf(column.name) != column.name)
    report_.push_back(Where(table.name, column.line) + " 的列 " + column.name + " 作为成员 " + MemberNameOf(column.name) +
                      " 导入: 成员属性首个字母必须小写");
  const TSqlForeignKey* foreignKey = ForeignKeyOf(table, column.name);
  if (foreignKey && IsSelfReference(table, *foreignKey))
    report_.push_back(Where(table.name, column.line) + " 的列 " + column.name + " 引用本表: 作为" + m.memberType +
                      "成员导入");
  else if (foreignKey)
    m.memberType = script.Table(foreignKey->refTable)->name;
  if (m.memberType == kString) {
    m.memberLength = column.length > 0 ? column.length : 1;  // SQL Server's length when none is given
    if (column.isMax || In(kLongTextTypes, column.type)) {
      m.memberLength = kLongTextLength;
      report_.push_back(Where(table.name, column.line) + " 的列 " + column.name + " (" + column.type +
                        (column.isMax ? "(max)" : "") + ") 作为长度 " + std::to_string(kLongTextLength) +
                        " 的字符串导入");
    }
  }
  // The dialogs require a value of every type but strings and pictures.
  m.memberIsMust = column.notNull || m.memberIsPri == 1 || (m.memberType != kString && m.memberType != kPicture);
  m.memberIsInteger = m.memberType == kInteger ? 1 : 0;
  m.memberIsFloat = m.memberType == kFloat ? 1 : 0;
  m.queryFlag = m.memberType == kString ? 1 : 0;
  m.memberQueryDisplay = 1;
  if (m.memberIsPri == 1 && m.memberType == kInteger && !column.identity)
    report_.push_back(Where(table.name, column.line) + " 的主键 " + column.name +
                      " 不是 IDENTITY 列: 生成的程序把整数主键当作自动编号, 添加记录时不填写它");
  return m;
}

void TTableMapping::Skip(const std::string& table, int line, const std::string& reason) {
  report_.push_back("跳过" + Where(table, line) + ": " + reason);
}

void TTableMapping::Drop(std::size_t index, const std::string& reason) {
  const TMappedTable dropped = tables_[index];
  tables_.erase(tables_.begin() + static_cast<std::ptrdiff_t>(index));
  Skip(dropped.classFile.className, dropped.line, reason);
  const std::string& name = dropped.classFile.className;
  for (std::size_t i = 0; i < tables_.size(); ++i) {
    const auto& members = tables_[i].classFile.members;
    const auto refers = std::find_if(members.begin(), members.end(), [&](const TMember& m) { return m.memberType == name; });
    if (refers == members.end()) continue;
    Drop(i, "列 " + refers->memberName + " 引用的表 " + name + " 未导入");
    i = static_cast<std::size_t>(-1);
  }
}

project_json::TProjectFile TTableMapping::Project(const std::string& projectName) const {
  project_json::TProjectFile file;
  file.projectName = projectName;
  for (const auto& table : tables_) {
    project_json::TClassFile classFile = table.classFile;
    classFile.className = ClassNameOf(classFile.className);
    for (auto& member : classFile.members) {
      member.memberName = MemberNameOf(member.memberName);
      if (IsReference(member.memberType)) member.memberType = ClassNameOf(member.memberType);
    }
    file.classes.push_back(std::move(classFile));
  }
  return file;
}
