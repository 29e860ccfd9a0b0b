#include "generator/vb/tiers/BLLOperate.h"

#include <utility>

#include "generator/CodeWriter.h"
#include "metadata/ReferencedKey.h"
#include "generator/vb/tiers/TierFiles.h"
#include "generator/naming/VbNamer.h"
#include "metadata/NameRules.h"

std::string TBLLOperate::SourceText(const TProjectSnapshot& project, const TListEntry& classEntry) {
  const std::string& C = classEntry.text;
  const TMember key = RequireKey(project, classEntry.tag, C);
  TCodeWriter w;
  w.Set("C", C)
      .Set("F", project.GetFriendName(classEntry.tag))
      .Set("K", key.memberName)
      .Set("bll", VbNamer::BllClass(C))
      .Set("dal", VbNamer::DalClass(C))
      // A parameter named like the data-access namespace would hide it.
      .Set("O", UnclashedName(name_rules::ObjectName(C), {"DAL"}))
      .Set("key", UnclashedName(key.memberName, {"DAL"}))
      .Set("keyType", IsIntegerKey(key) ? "Integer" : "String");
  for (const auto& [name, procedure] : {std::pair{"add", TProcedure::Add}, {"getSome", TProcedure::GetSome},
                                        {"edit", TProcedure::Edit}, {"del", TProcedure::Del},
                                        {"get", TProcedure::Get}, {"getAll", TProcedure::GetAll}})
    w.Set(name, VbNamer::Procedure(procedure, C));
  w.Lines(R"(
Imports System.Collections.Generic
Imports System.Linq
Imports System.Text
'$F$业务逻辑层
Public Class $bll$
    '添加$F$
    Public Shared Function $add$(ByVal $O$ As Model.$C$) As Boolean
        Return DAL.$dal$.$add$($O$)
    End Function

    '根据$K$获取某条$F$记录
    Public Shared Function $getSome$(ByVal $key$ As $keyType$) As Model.$C$
        Return DAL.$dal$.$getSome$($key$)
    End Function

    '更新$F$
    Public Shared Function $edit$(ByVal $O$ As Model.$C$) As Boolean
        Return DAL.$dal$.$edit$($O$)
    End Function

    '删除$F$
    Public Shared Function $del$(ByVal p As String) As Boolean
        Return DAL.$dal$.$del$(p)
    End Function

)");
  // A text key may hold a comma: such keys can be given one by one.
  if (!IsIntegerKey(key))
    w.Lines(R"(
    '删除$F$：主键逐个给出，可含逗号
    Public Shared Function $del$(ByVal ids As String()) As Boolean
        Return DAL.$dal$.$del$(ids)
    End Function

)");
  w.Lines(R"(
    '根据条件分页查询$F$
    Public Shared Function $get$(ByVal NowPage As Integer, ByVal PageSize As Integer, ByRef AllPage As Integer, ByRef DataCount As Integer, ByVal p As String) As System.Data.DataTable
        Return DAL.$dal$.$get$(NowPage, PageSize, AllPage, DataCount, p)
    End Function
    '查询所有的$F$
    Public Shared Function $getAll$() As System.Data.DataSet
        Return DAL.$dal$.$getAll$()
    End Function
End Class
)");
  return w.Take();
}

void TBLLOperate::GenerateBll(const TGenContext& context, const TClassList& classes) {
  WriteTierProject(context, "BLL", VbNamer::BllClass, classes);
  const auto project = context.Snapshot();
  for (const auto& entry : classes)
    WriteTierSource(context, "BLL", VbNamer::BllClass(entry.text) + ".vb", SourceText(*project, entry));
}
