#pragma once
// The business-layer project: BLL.vbproj and one forwarding class per class.

#include <string>

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"
#include "metadata/ProjectSnapshot.h"

class TBLLOperate {
 public:
  static void GenerateBll(const TGenContext& context, const TClassList& classes);
  // The text of "bll" + className + ".vb" (UTF-8, CR LF).
  static std::string SourceText(const TProjectSnapshot& project, const TListEntry& classEntry);
};
