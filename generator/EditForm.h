#pragma once
// The edit form of one class, built as text from the class's metadata: the
// code file "FrmEdit" + C + ".vb" and the designer file "FrmEdit" + C + ".Designer.vb".

#include <map>
#include <string>

#include "generator/ReferencedClass.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"

struct TEditFormModel {
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

std::string EditFormCode(const TEditFormModel& form);
std::string EditFormDesigner(const TEditFormModel& form);
