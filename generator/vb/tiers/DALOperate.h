#pragma once
// The data-access project: DAL.vbproj and one class per class with its six
// functions over SQL Server.

#include <string>

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"
#include "metadata/ProjectSnapshot.h"

class TDALOperate {
 public:
  static void GenerateDal(const TGenContext& context, const TClassList& classes);
  // The text of "dal" + className + ".vb" (UTF-8, CR LF), importing the
  // SQL Server provider of framework.
  static std::string SourceText(const TProjectSnapshot& project, const TListEntry& classEntry,
                                TFramework framework = TFramework::Net48);
};
