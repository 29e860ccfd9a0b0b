#pragma once
// The data-access project: DAL.vbproj and one class per class with its six
// functions over SQL Server.

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"

class TDALOperate {
 public:
  static void GenerateDal(const TGenContext& context, const TClassList& classes);
};
