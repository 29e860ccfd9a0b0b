#include "generator/vb/tiers/DALOperate.h"

#include "generator/vb/tiers/DalClass.h"
#include "generator/vb/tiers/TierFiles.h"
#include "generator/naming/VbNamer.h"

std::string TDALOperate::SourceText(const TProjectSnapshot& project, const TListEntry& classEntry,
                                    TFramework framework) {
  const TDalClass c = TDalClass::Load(project, classEntry);
  TCodeWriter w;
  // .NET has only the current provider; .NET Framework keeps the one it ships.
  w.Set("client", framework == TFramework::Net48 ? "System.Data.SqlClient" : "Microsoft.Data.SqlClient");
  w.Set("f", c.friendName).Set("dal", VbNamer::DalClass(c.className)).Lines(R"(
Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Imports $client$
Imports System.Data

'$f$业务逻辑层实现/
Public Class $dal$
    '待执行的sql语句
    Public Shared sql As String = ""

)");
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
  WriteTierProject(context, "DAL", VbNamer::DalClass, classes);
  const auto project = context.Snapshot();
  for (const auto& entry : classes)
    WriteTierSource(context, "DAL", VbNamer::DalClass(entry.text) + ".vb", SourceText(*project, entry, context.settings.framework));
}
