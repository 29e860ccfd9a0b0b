#include "generator/DataBaseSql.h"

#include <vector>

#include "generator/CodeWriter.h"
#include "generator/MemberKind.h"
#include "generator/TableScriptPreamble.h"
#include "metadata/ProjectSnapshot.h"

namespace {

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

std::string Varchar(int length) { return "[varchar] (" + std::to_string(length) + ") COLLATE Chinese_PRC_CI_AS"; }

void KeyColumn(TClassBlock& block, int classId) {
  const auto key = block.project.GetKeyMember(classId);
  if (!key)
    block.Comment("类" + block.className + "没有设置主键，无法生成主键列");
  else if (key->memberIsInteger == 1)
    block.Column("[" + key->memberName + "] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,");
  else
    block.Column("[" + key->memberName + "] " + Varchar(key->memberLength) + " NOT NULL PRIMARY KEY ,");
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
  if (refKey->memberIsInteger == 1)
    block.Column("[" + m.memberName + "] int NOT NULL ,");
  else
    block.Column("[" + m.memberName + "] " + Varchar(refKey->memberLength) + " NOT NULL ,");
  block.foreignKeys += "ALTER TABLE " + block.className + " ADD FOREIGN KEY (" + m.memberName + ") REFERENCES " +
                        refClass + "(" + refKey->memberName + ")\r\n";
}

void MemberColumn(TClassBlock& block, const TMember& m) {
  const std::string name = "[" + m.memberName + "] ";
  switch (KindOf(m)) {
    case TMemberKind::String:
      block.Column(name + Varchar(m.memberLength) + (m.memberIsMust == 1 ? " NOT NULL ," : " NULL ,"));
      return;
    case TMemberKind::Integer: block.Column(name + "[int] NOT NULL ,"); return;
    case TMemberKind::Float: block.Column(name + "[float] NOT NULL ,"); return;
    case TMemberKind::DateTime: block.Column(name + "[datetime] NULL , "); return;
    case TMemberKind::Picture: block.Column(name + "[image] NULL ,"); return;
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

  w.Line(0, "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[" + className +
                "]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)");
  w.Line(0, "drop table [dbo].[" + className + "]");
  w.Line(0, "GO").Blank();
  w.Line(0, "CREATE TABLE [dbo].[" + className + "] (");
  for (const auto& line : block.body) w.Line(0, line.text);
  w.Line(0, ") ON [PRIMARY]");
  w.Line(0, "GO").Blank().Blank().Blank();
}

}  // namespace

std::string BuildTableScript(int projectId) {
  TCodeWriter w;
  w.Raw(TableScriptPreamble());
  std::string foreignKeys;
  const TProjectSnapshot project = TProjectSnapshot::Load(projectId);
  for (const auto& entry : project.GetClassList()) ClassTable(w, project, entry, foreignKeys);
  w.Raw(foreignKeys);
  return w.Take();
}
