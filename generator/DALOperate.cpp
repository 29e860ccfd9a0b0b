#include "generator/DALOperate.h"

#include "generator/DalClass.h"
#include "generator/TierFiles.h"

std::string TDALOperate::SourceText(const TProjectSnapshot& project, const TListEntry& classEntry) {
  const TDalClass c = TDalClass::Load(project, classEntry);
  TCodeWriter w;
  w.Line(0, "Imports System.Collections.Generic");
  w.Line(0, "Imports System.Linq");
  w.Line(0, "Imports System.Text").Blank();
  w.Line(0, "Imports System.Data.SqlClient");
  w.Line(0, "Imports System.Data").Blank();
  w.Line(0, "'" + c.friendName + "业务逻辑层实现/");
  w.Line(0, "Public Class dal" + c.className);
  w.Line(4, "'待执行的sql语句");
  w.Line(4, std::string("Public Shared sql As String = ") + Q + Q).Blank();
  w.Raw(BuildAdd(c));
  w.Raw(BuildGetSome(c));
  w.Raw(BuildEdit(c)).Blank();
  w.Raw(BuildDel(c)).Blank();
  w.Raw(BuildGet(c)).Blank();
  w.Raw(BuildGetAll(c)).Blank();
  w.Line(0, "End Class");
  return w.Take();
}

void TDALOperate::GenerateDal(const TGenContext& context, const TClassList& classes) {
  WriteTierProject(context, "DAL", "dal", classes);
  const auto project = context.Snapshot();
  for (const auto& entry : classes)
    WriteTierSource(context, "DAL", "dal" + entry.text + ".vb", SourceText(*project, entry));
}
