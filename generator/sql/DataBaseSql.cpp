#include "generator/sql/DataBaseSql.h"

#include <vector>

#include "generator/CodeWriter.h"
#include "metadata/ReferencedKey.h"
#include "generator/naming/SqlNames.h"
#include "generator/sql/TableScriptPreamble.h"
#include "metadata/ProjectChecks.h"
#include "metadata/ProjectSnapshot.h"

namespace {

using sql_names::Name;

// One line between "CREATE TABLE" and ") ON [PRIMARY]": a column, or a SQL
// comment standing where a column cannot be written.
struct TBodyLine {
  std::string text;
  bool isColumn = true;
};

struct TClassBlock {
  const TProjectSnapshot& project;
  std::string className;
  std::vector<TBodyLine> body;
  std::string& foreignKeys;

  void Column(const std::string& text) { body.push_back({"\t" + text, true}); }
  void Comment(const std::string& text) { body.push_back({"-- " + text, false}); }
};

// A key that is no string (a date-time or float key) has no length of its
// own; its column holds its text, and T-SQL has no varchar (0).
constexpr int kTextKeyLength = 50;

std::string Varchar(int length) {
  return "[varchar] (" + std::to_string(length > 0 ? length : kTextKeyLength) + ") COLLATE Chinese_PRC_CI_AS";
}

void KeyColumn(TClassBlock& block, int classId) {
  const auto key = block.project.GetKeyMember(classId);
  if (!key)
    block.Comment("类" + block.className + "没有设置主键，无法生成主键列");
  else if (key->memberIsInteger == 1)
    block.Column(sql_names::Bracketed(key->memberName) + " [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,");
  else
    block.Column(sql_names::Bracketed(key->memberName) + " " + Varchar(key->memberLength) + " NOT NULL PRIMARY KEY ,");
}

void ReferenceColumn(TClassBlock& block, const TMember& m) {
  const std::string& refClass = m.memberType;
  const auto refKey = ReferencedKey(block.project, m);
  if (!refKey) {
    const bool known = block.project.GetClassId(refClass) >= 0;
    const std::string why = "类" + block.className + "的成员" + m.memberName + "引用的类" + refClass +
                            (known ? "没有设置主键，" : "不在本项目中，");
    block.Comment(why + "无法生成此列");
    block.foreignKeys += "-- " + why + "无法生成外键\r\n";
    return;
  }
  const std::string name = sql_names::Bracketed(m.memberName);
  if (refKey->memberIsInteger == 1)
    block.Column(name + " int NOT NULL ,");
  else
    block.Column(name + " " + Varchar(refKey->memberLength) + " NOT NULL ,");
  block.foreignKeys += "ALTER TABLE " + Name(block.className) + " ADD FOREIGN KEY (" + Name(m.memberName) +
                       ") REFERENCES " + Name(refClass) + "(" + Name(refKey->memberName) + ")\r\n";
}

void MemberColumn(TClassBlock& block, const TMember& m) {
  const TMemberKind kind = KindOf(m);
  const std::string column = sql_names::Bracketed(m.memberName) + " [" + std::string(Traits(kind).sqlType) + "]";
  switch (kind) {
    case TMemberKind::String:
      block.Column(sql_names::Bracketed(m.memberName) + " " + Varchar(m.memberLength) +
                   (m.memberIsMust == 1 ? " NOT NULL ," : " NULL ,"));
      return;
    case TMemberKind::Integer:
    case TMemberKind::Float: block.Column(column + " NOT NULL ,"); return;
    case TMemberKind::DateTime: block.Column(column + " NULL , "); return;  // the blank TrimLastColumn may take
    case TMemberKind::Picture: block.Column(column + " NULL ,"); return;
    case TMemberKind::Reference: ReferenceColumn(block, m); return;
  }
}

// The last column loses its final character: the separator, or the blank
// after a date-time column's "NULL ,".
void TrimLastColumn(std::vector<TBodyLine>& body) {
  for (auto line = body.rbegin(); line != body.rend(); ++line) {
    if (line->isColumn) {
      line->text.pop_back();
      return;
    }
  }
}

void ClassTable(TCodeWriter& w, const TProjectSnapshot& project, const TListEntry& entry, std::string& foreignKeys) {
  const std::string& className = entry.text;
  TClassBlock block{project, className, {}, foreignKeys};
  KeyColumn(block, entry.tag);
  for (const auto& m : block.project.GetNonKeyMembers(entry.tag)) MemberColumn(block, m);
  TrimLastColumn(block.body);

  DropTableIfExists(w, className);
  w.Set("table", sql_names::DboTable(className)).Lines(R"(
GO

CREATE TABLE $table$ (
)");
  for (const auto& line : block.body) w.Set("line", line.text).Line("$line$");
  w.Lines(R"(
) ON [PRIMARY]
GO



)");
}

// A table that another table's foreign key references cannot be dropped:
// those keys go first, whatever table holds them and in whatever order the
// classes refer to each other.
void DropForeignKeys(TCodeWriter& w, const TClassList& classes) {
  std::string tables;
  for (const auto& entry : classes)
    tables += std::string(tables.empty() ? "" : ",") + "object_id(N" + sql_names::Literal(sql_names::DboTable(entry.text)) +
              ")";
  w.Set("tables", tables).Lines(R"(
declare @dropKeys nvarchar(max) = N''
select @dropKeys = @dropKeys + N'alter table ' + quotename(object_schema_name(parent_object_id)) + N'.' + quotename(object_name(parent_object_id)) + N' drop constraint ' + quotename(name) + N' '
from sys.foreign_keys where referenced_object_id in ($tables$)
exec (@dropKeys)
GO
)");
}

}  // namespace

std::string BuildTableScript(int projectId) {
  TCodeWriter w;
  w.Raw(TableScriptPreamble());
  std::string foreignKeys;
  const TProjectSnapshot project = project_checks::LoadWithSafeNames(projectId);
  if (!project.GetClassList().empty()) DropForeignKeys(w, project.GetClassList());
  for (const auto& entry : project.GetClassList()) ClassTable(w, project, entry, foreignKeys);
  w.Raw(foreignKeys);
  return w.Take();
}
