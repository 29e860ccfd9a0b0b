#include "generator/BLLOperate.h"

#include "generator/CodeWriter.h"
#include "generator/MemberKind.h"
#include "generator/TierFiles.h"
#include "generator/VbNames.h"
#include "metadata/NameRules.h"

namespace {

// One business function: its comment, its signature and the data-access call it returns.
void Forward(TCodeWriter& w, const std::string& comment, const std::string& signature, const std::string& call) {
  w.Line(4, comment);
  w.Line(4, "Public Shared Function " + signature);
  w.Line(8, "Return DAL." + call);
  w.Line(4, "End Function");
}

}  // namespace

std::string TBLLOperate::SourceText(const TProjectSnapshot& project, const TListEntry& classEntry) {
  const std::string& C = classEntry.text;
  // A parameter named like the data-access namespace would hide it.
  const std::string O = UnclashedName(name_rules::ObjectName(C), {"DAL"});
  const std::string F = project.GetFriendName(classEntry.tag);
  const TMember key = RequireKey(project, classEntry.tag, C);
  const std::string& K = key.memberName;
  const std::string keyParam = UnclashedName(K, {"DAL"});
  const std::string dal = "dal" + C + ".";

  TCodeWriter w;
  w.Line(0, "Imports System.Collections.Generic");
  w.Line(0, "Imports System.Linq");
  w.Line(0, "Imports System.Text");
  w.Line(0, "'" + F + "业务逻辑层");
  w.Line(0, "Public Class bll" + C);
  Forward(w, "'添加" + F, ProcedureName("Add", C) + "(ByVal " + O + " As Model." + C + ") As Boolean",
          dal + ProcedureName("Add", C) + "(" + O + ")");
  w.Blank();
  Forward(w, "'根据" + K + "获取某条" + F + "记录",
          ProcedureName("getSome", C) + "(ByVal " + keyParam + (IsIntegerKey(key) ? " As Integer" : " As String") + ") As Model." + C,
          dal + ProcedureName("getSome", C) + "(" + keyParam + ")");
  w.Blank();
  Forward(w, "'更新" + F, ProcedureName("Edit", C) + "(ByVal " + O + " As Model." + C + ") As Boolean",
          dal + ProcedureName("Edit", C) + "(" + O + ")");
  w.Blank();
  Forward(w, "'删除" + F, ProcedureName("Del", C) + "(ByVal p As String) As Boolean", dal + ProcedureName("Del", C) + "(p)");
  w.Blank();
  Forward(w, "'根据条件分页查询" + F,
          ProcedureName("Get", C) +
              "(ByVal NowPage As Integer, ByVal PageSize As Integer, ByRef AllPage As Integer, ByRef DataCount As "
              "Integer, ByVal p As String) As System.Data.DataTable",
          dal + ProcedureName("Get", C) + "(NowPage, PageSize, AllPage, DataCount, p)");
  Forward(w, "'查询所有的" + F, ProcedureName("getAll", C) + "() As System.Data.DataSet", dal + ProcedureName("getAll", C) + "()");
  w.Line(0, "End Class");
  return w.Take();
}

void TBLLOperate::GenerateBll(const TGenContext& context, const TClassList& classes) {
  WriteTierProject(context, "BLL", "bll", classes);
  const auto project = context.Snapshot();
  for (const auto& entry : classes)
    WriteTierSource(context, "BLL", "bll" + entry.text + ".vb", SourceText(*project, entry));
}
