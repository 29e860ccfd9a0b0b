#include "metadata/sqlimport/TableMapper.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "metadata/InputRules.h"
#include "metadata/MemberKind.h"
#include "metadata/NameRules.h"

namespace {

using namespace member_type;

constexpr std::array kStringTypes = {"char", "varchar", "nchar", "nvarchar"};
constexpr std::array kLongTextTypes = {"text", "ntext"};
constexpr const char* kGuid = "uniqueidentifier";

template <typename TList>
bool In(const TList& list, const std::string& type) {
  return std::find(list.begin(), list.end(), std::string_view(type)) != list.end();
}

// The SQL types the project has a member kind for.
using enum TMemberKind;
constexpr std::pair<std::string_view, TMemberKind> kColumnKinds[] = {
    {"int", Integer},       {"bigint", Integer},     {"smallint", Integer},      {"tinyint", Integer},
    {"bit", Integer},       {"char", String},        {"varchar", String},        {"nchar", String},
    {"nvarchar", String},   {"text", String},        {"ntext", String},          {"uniqueidentifier", String},
    {"float", Float},       {"real", Float},         {"decimal", Float},         {"numeric", Float},
    {"money", Float},       {"smallmoney", Float},   {"date", DateTime},         {"datetime", DateTime},
    {"datetime2", DateTime}, {"smalldatetime", DateTime}, {"datetimeoffset", DateTime}, {"image", Picture},
    {"varbinary", Picture},
};

// The member kind of a column's SQL type; none for a type the project has no word for.
std::optional<TMemberKind> ColumnKind(const TSqlColumn& column) {
  for (const auto& [type, kind] : kColumnKinds)
    if (type == column.type) return kind;
  return std::nullopt;
}

// A key is a whole number or a text of bounded length.
bool CanBeKey(const TSqlColumn& column) {
  const std::optional<TMemberKind> kind = ColumnKind(column);
  return column.leftOut.empty() && !column.isMax && kind && Traits(*kind).canBeKey &&
         !In(kLongTextTypes, column.type);
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

// SQL Server's usual collations find a table or column whatever the case of its
// letters, so the generated script still finds a name whose first letter's case
// changed to meet the input rules; any other change would not be found.
std::string ClassNameOf(std::string table) {
  if (!table.empty() && table[0] >= 'a' && table[0] <= 'z') table[0] = static_cast<char>(table[0] - 'a' + 'A');
  return table;
}

// Lowered as an object name is.
std::string MemberNameOf(const std::string& column) { return name_rules::ObjectName(column); }

// Words of a name for people: FirstName -> First Name, unit_price -> unit price, CustomerID -> Customer ID.
std::string CaptionOf(const std::string& name) {
  const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
  std::string caption;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool gap = !caption.empty() && caption.back() != ' ';
    if (c == '_') {
      if (gap) caption += ' ';
      continue;
    }
    const char before = i > 0 ? name[i - 1] : ' ';
    if (gap && upper(c) &&
        (lower(before) || (before >= '0' && before <= '9') || (upper(before) && i + 1 < name.size() && lower(name[i + 1]))))
      caption += ' ';
    caption += c;
  }
  while (!caption.empty() && caption.back() == ' ') caption.pop_back();
  return caption.empty() ? name : caption;
}

// Every script of vbgen sql creates these itself: a class of the same name would create them twice.
constexpr std::array kScriptOwnTables = {"P_PasswordType", "U_UserInfo"};

struct TKeyChoice {
  const TSqlColumn* column = nullptr;
  std::string note;  // when column: how it was chosen, if not as the primary key; else why there is none
};

// The generated program finds, updates and deletes a row by one key member. A
// primary key of one column is that member; without one, a column that is
// unique on its own (a UNIQUE constraint or index on a NOT NULL column, or an
// IDENTITY column) serves as well.
TKeyChoice KeyOf(const TSqlTable& table) {
  if (table.primaryKey.size() == 1) {
    const TSqlColumn& key = *table.Column(table.primaryKey[0]);
    if (!key.leftOut.empty()) return {nullptr, "主键 " + key.name + " 未导入: " + key.leftOut};
    if (!CanBeKey(key)) return {nullptr, "主键 " + key.name + " 的类型 " + key.type + " 不能作为主键 (只能是整数或字符串)"};
    return {&key, ""};
  }
  const std::string what = table.primaryKey.empty() ? "没有主键" : "复合主键 (" + Joined(table.primaryKey) + ")";
  const auto unique = [&](const TSqlColumn& c) {
    return c.notNull && std::any_of(table.uniqueColumns.begin(), table.uniqueColumns.end(),
                                    [&](const std::string& name) { return Same(name, c.name); });
  };
  for (const bool identity : {false, true})
    for (const auto& column : table.columns)
      if (CanBeKey(column) && (identity ? column.identity : unique(column)))
        return {&column, what + ": 以" + (identity ? " IDENTITY 列 " : "唯一的列 ") + column.name +
                             " 作为类的主键, 生成的程序按它查找、修改和删除记录"};
  return {nullptr, what + ": 生成的程序按一个主键列查找、修改和删除记录; 可以给表加一个 IDENTITY 列作主键" +
                       (table.primaryKey.empty() ? std::string() : " (原主键改为 UNIQUE 约束)") + "后再导入"};
}

// Length and flags as the dialogs derive them from the type.
void Derive(TMember& m, TMemberKind kind, const TSqlColumn& column) {
  m.memberLength = 0;
  switch (kind) {
    case String:
      // SQL Server's length when none is given is 1.
      m.memberLength = column.type == kGuid ? kGuidLength : column.length > 0 ? column.length : 1;
      if (column.isMax || In(kLongTextTypes, column.type)) m.memberLength = kLongTextLength;
      break;
    case Integer:
    case Float:
    case DateTime:
    case Picture:
    case Reference: break;
  }
  m.memberIsMust = column.notNull || m.memberIsPri == 1 || Traits(kind).alwaysRequired;
  m.memberIsInteger = kind == Integer ? 1 : 0;
  m.memberIsFloat = kind == Float ? 1 : 0;
  m.queryFlag = kind == String ? 1 : 0;
}

}  // namespace

TTableMapping::TTableMapping(const TSqlScript& script, const std::vector<std::string>& skip) {
  report_ = script.notes;
  std::vector<std::pair<const TSqlTable*, TKeyChoice>> chosen;
  for (const auto& table : script.tables) {
    const bool skipped = std::any_of(skip.begin(), skip.end(), [&](const auto& name) { return Same(name, table.name); });
    TKeyChoice key;
    std::string reason = skipped ? "按 --skip 跳过" : table.unreadable;
    if (reason.empty()) {
      key = KeyOf(table);
      if (!key.column) reason = key.note;
    }
    if (reason.empty() &&
        std::any_of(kScriptOwnTables.begin(), kScriptOwnTables.end(), [&](const char* own) { return Same(own, table.name); }))
      reason = "生成的建表脚本自己创建这个表";
    if (!reason.empty()) {
      Skip(table.name, table.line, reason);
      continue;
    }
    keys_[NameKey(table.name)] = key.column->name;
    chosen.emplace_back(&table, key);
  }
  for (const auto& [table, key] : chosen) {
    if (!key.note.empty()) report_.push_back(Where(table->name, table->line) + ": " + key.note);
    Map(*table, *key.column, script);
  }
  for (const auto& table : script.tables)
    if (!byName_.count(table.name)) Unreference(table.name);
  UpdateLive();
}

void TTableMapping::Map(const TSqlTable& table, const TSqlColumn& key, const TSqlScript& script) {
  if (ClassNameOf(table.name) != table.name)
    report_.push_back(Where(table.name, table.line) + " 作为类 " + ClassNameOf(table.name) + " 导入: 类名首个字母必须大写");
  const std::size_t index = tables_.size();
  byName_[table.name] = index;
  tables_.push_back({table.line, {table.name, table.description.empty() ? CaptionOf(table.name) : table.description, 1, {}}, {}, {}, false});
  bool captioned = table.description.empty();
  for (const auto& column : table.columns) {
    std::string leftOut = column.leftOut;
    if (leftOut.empty() && !ColumnKind(column)) leftOut = "类型 " + column.type + " 无法表示";
    if (leftOut.empty() && column.length == 0 && In(kStringTypes, column.type)) leftOut = "长度 0 无效";
    if (!leftOut.empty()) {
      report_.push_back(Where(table.name, column.line) + " 的列 " + column.name + " 未导入: " + leftOut);
      continue;
    }
    captioned = captioned || column.description.empty();
    tables_[index].classFile.members.push_back(MapColumn(table, column, key));
    tables_[index].memberLines.push_back(column.line);
    Refer(index, table, column, script);
  }
  if (captioned) {
    const auto undescribed = std::find_if(table.columns.begin(), table.columns.end(),
                                          [](const TSqlColumn& c) { return c.description.empty(); });
    const std::string& example = table.description.empty() || undescribed == table.columns.end() ? table.name : undescribed->name;
    const std::string caption = CaptionOf(example);
    report_.push_back(Where(table.name, table.line) + " 没有 MS_Description 说明: 友好名称和成员说明由名称生成" +
                      (caption == example ? std::string() : " (如 " + example + " → " + caption + ")"));
  }
  auto& members = tables_[index].classFile.members;
  const auto display = std::find_if(members.begin(), members.end(),
                                    [](const TMember& m) { return m.memberIsPri == 0 && m.memberType == kString; });
  (display != members.end() ? *display : *std::find_if(members.begin(), members.end(), [](const TMember& m) {
    return m.memberIsPri == 1;
  })).memberIsDisplay = 1;
}

TMember TTableMapping::MapColumn(const TSqlTable& table, const TSqlColumn& column, const TSqlColumn& key) {
  TMember m;
  m.memberName = column.name;
  m.memberComment = column.description.empty() ? CaptionOf(column.name) : column.description;
  m.memberIsPri = &column == &key ? 1 : 0;
  const TMemberKind kind = *ColumnKind(column);
  m.memberType = std::string(Traits(kind).word);
  m.memberQueryDisplay = 1;
  Derive(m, kind, column);
  const std::string where = Where(table.name, column.line) + " 的列 " + column.name;
  if (MemberNameOf(column.name) != column.name)
    report_.push_back(where + " 作为成员 " + MemberNameOf(column.name) + " 导入: 成员属性首个字母必须小写");
  if (kind == String && (column.isMax || In(kLongTextTypes, column.type)))
    report_.push_back(where + " (" + column.type + (column.isMax ? "(max)" : "") + ") 作为长度 " +
                      std::to_string(kLongTextLength) + " 的字符串导入");
  if (column.type == kGuid)
    report_.push_back(where + " (uniqueidentifier) 作为长度 " + std::to_string(kGuidLength) +
                      " 的字符串导入: 填写的值必须是 GUID 文本");
  if (m.memberIsPri == 1 && kind == Integer && !column.identity)
    report_.push_back(Where(table.name, column.line) + " 的主键 " + column.name +
                      " 不是 IDENTITY 列: 生成的程序把整数主键当作自动编号, 添加记录时不填写它");
  return m;
}

// Makes the member just mapped for column a reference when a foreign key of
// its own leads to another table's key member.
void TTableMapping::Refer(std::size_t tableIndex, const TSqlTable& table, const TSqlColumn& column,
                          const TSqlScript& script) {
  TMappedTable& mapped = tables_[tableIndex];
  const std::size_t memberIndex = mapped.classFile.members.size() - 1;
  TMember& m = mapped.classFile.members[memberIndex];
  const std::string where = Where(table.name, column.line) + " 的列 " + column.name;
  const std::string asPlain = ": 作为" + m.memberType + "成员导入";
  const TSqlForeignKey* foreignKey = nullptr;
  for (const auto& key : table.foreignKeys) {
    if (std::none_of(key.columns.begin(), key.columns.end(), [&](const auto& name) { return Same(name, column.name); }))
      continue;
    if (key.columns.size() > 1) {
      if (Same(key.columns[0], column.name))
        report_.push_back(Where(table.name, key.line) + " 的复合外键 (" + Joined(key.columns) + ") 引用表 " + key.refTable +
                          ": 各列作为普通成员导入");
    } else if (foreignKey) {
      report_.push_back(where + " 的另一个外键 (引用表 " + key.refTable + ") 未导入");
    } else {
      foreignKey = &key;
    }
  }
  if (!foreignKey) return;
  const TSqlTable* target = script.Table(foreignKey->refTable);
  if (!target) return report_.push_back(where + " 引用的表 " + foreignKey->refTable + " 不在脚本中" + asPlain);
  if (Same(target->name, table.name)) return report_.push_back(where + " 引用本表" + asPlain);
  if (m.memberIsPri == 1) return report_.push_back(where + " 是主键, 又引用表 " + target->name + asPlain);
  const auto key = keys_.find(NameKey(target->name));
  const std::string& referenced = foreignKey->refColumns.empty()
                                      ? (target->primaryKey.size() == 1 ? target->primaryKey[0] : std::string())
                                      : foreignKey->refColumns.size() == 1 ? foreignKey->refColumns[0] : std::string();
  if (key != keys_.end() && !Same(key->second, referenced))
    return report_.push_back(where + " 引用的不是表 " + target->name + " 的主键" + asPlain);
  mapped.unreferenced[memberIndex] = m;
  m.memberType = target->name;
  Derive(m, Reference, column);
  referrers_[target->name].emplace_back(tableIndex, memberIndex);
}

std::vector<std::string> TTableMapping::Imported() const {
  std::vector<std::string> lines;
  for (const std::size_t index : live_) {
    const TMappedTable& table = tables_[index];
    lines.push_back("导入" + Where(table.classFile.className, table.line) + " 为类 " +
                    ClassNameOf(table.classFile.className) + " (" + std::to_string(table.classFile.members.size()) +
                    " 个成员)");
  }
  return lines;
}

void TTableMapping::RefuseNames(const std::string& projectName) {
  std::unordered_set<std::string> classNames;
  for (const std::size_t index : live_) {
    const project_json::TClassFile& file = tables_[index].classFile;
    const std::string className = ClassNameOf(file.className);
    std::string where = "类 " + className;
    try {
      input_rules::CheckStoredClass(projectName, className, file.friendName);
      if (!classNames.insert(NameKey(className)).second) throw TInputError(TInputField::ClassName, "该类名称已经存在!");
      std::unordered_set<std::string> memberNames;
      for (const auto& member : file.members) {
        const std::string memberName = MemberNameOf(member.memberName);
        where = "类 " + className + " 的成员 " + memberName;
        TMember stored = member;
        stored.memberName = memberName;
        input_rules::CheckStoredMember(className, stored);
        if (!memberNames.insert(NameKey(memberName)).second)
          throw TInputError(TInputField::MemberName, "该成员名称已经存在!");
      }
    } catch (const TInputError& e) {
      DropTable(index, where + ": " + e.what());
    }
  }
  UpdateLive();
}

void TTableMapping::Drop(std::size_t index, const std::string& reason) {
  DropTable(live_.at(index), reason);
  UpdateLive();
}

void TTableMapping::DropTable(std::size_t index, const std::string& reason) {
  TMappedTable& table = tables_[index];
  table.dropped = true;
  Skip(table.classFile.className, table.line, reason);
  Unreference(table.classFile.className);
}

void TTableMapping::Unreference(const std::string& name) {
  const auto found = referrers_.find(name);
  if (found == referrers_.end()) return;
  for (const auto& [tableIndex, memberIndex] : found->second) {
    TMappedTable& table = tables_[tableIndex];
    TMember& member = table.classFile.members[memberIndex];
    member = table.unreferenced.at(memberIndex);
    if (!table.dropped)
      report_.push_back(Where(table.classFile.className, table.memberLines[memberIndex]) + " 的列 " + member.memberName +
                        " 引用的表 " + name + " 未导入: 作为" + member.memberType + "成员导入");
  }
  referrers_.erase(found);
}

void TTableMapping::Skip(const std::string& table, int line, const std::string& reason) {
  report_.push_back("跳过" + Where(table, line) + ": " + reason);
}

void TTableMapping::UpdateLive() {
  live_.clear();
  for (std::size_t i = 0; i < tables_.size(); ++i)
    if (!tables_[i].dropped) live_.push_back(i);
}

project_json::TProjectFile TTableMapping::Project(const std::string& projectName) const {
  project_json::TProjectFile file;
  file.projectName = projectName;
  for (const std::size_t index : live_) {
    project_json::TClassFile classFile = tables_[index].classFile;
    classFile.className = ClassNameOf(classFile.className);
    for (auto& member : classFile.members) {
      member.memberName = MemberNameOf(member.memberName);
      if (IsReference(member.memberType)) member.memberType = ClassNameOf(member.memberType);
    }
    file.classes.push_back(std::move(classFile));
  }
  return file;
}
