#pragma once
// The class a data-access source is being written for, and the six functions
// of that source, each returning its text (ending in "End Function" and an
// empty line).

#include <string>

#include "generator/CodeWriter.h"
#include "metadata/ListEntry.h"
#include "metadata/Member.h"
#include "metadata/ProjectSnapshot.h"

struct TDalClass {
  const TProjectSnapshot* project = nullptr;
  int classId = 0;
  std::string className;   // C
  std::string objName;     // O, or "_" + O where O would clash with a local of the functions
  std::string friendName;  // F
  TMember key;             // K, KC
  std::string keyParam;    // getSome's parameter: K, or "_" + K where K would clash
  std::string returnName;  // getSome's result: C, or objName when that was renamed

  static TDalClass Load(const TProjectSnapshot& project, const TListEntry& classEntry);
};

// SqlDbType of a member's parameter.
std::string ParameterType(const TDalClass& c, const TMember& member);

// Every function ends with this line and an empty line.
inline void EndFunction(TCodeWriter& w) { w.Line(4, "End Function").Blank(); }

std::string BuildAdd(const TDalClass& c);
std::string BuildGetSome(const TDalClass& c);
std::string BuildEdit(const TDalClass& c);
std::string BuildDel(const TDalClass& c);
std::string BuildGet(const TDalClass& c);
std::string BuildGetAll(const TDalClass& c);
