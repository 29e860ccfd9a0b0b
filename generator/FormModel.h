#pragma once
// What the add and edit form writers need of one class.

#include <map>
#include <string>

#include "generator/ReferencedClass.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"

struct TFormModel {
  std::string className;   // C
  std::string objName;     // O
  std::string friendName;  // F
  TMember key;
  TMemberList nonKeyMembers;
  TMemberList pictureMembers;
  TMemberList referenceMembers;
  TMemberList members;  // the key included
  // The classes the reference members name, by memberType.
  std::map<std::string, TReferencedClass> referenced;
};
