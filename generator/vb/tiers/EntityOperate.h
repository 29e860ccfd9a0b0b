#pragma once
// The Model project: Model.vbproj and one entity class per class.

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"

class TEntityOperate {
 public:
  static void GenerateModel(const TGenContext& context, const TClassList& classes);
};
