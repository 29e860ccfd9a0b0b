#pragma once
// The business-layer project: BLL.vbproj and one forwarding class per class.

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"

class TBLLOperate {
 public:
  static void GenerateBll(const TGenContext& context, const TClassList& classes);
};
