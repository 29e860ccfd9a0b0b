#pragma once
// The add form of one class, built as text from the class's metadata: the code
// file "FrmAdd" + C + ".vb" and the designer file "FrmAdd" + C + ".Designer.vb".

#include <map>
#include <string>

#include "generator/ReferencedClass.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"

struct TAddFormModel {
  std::string className;   // C
  std::string objName;     // O
  std::string friendName;  // F
  TMember key;
  TMemberList nonKeyMembers;
  TMemberList pictureMembers;
  TMemberList referenceMembers;
  // The classes the reference members name, by memberType.
  std::map<std::string, TReferencedClass> referenced;
};

std::string AddFormCode(const TAddFormModel& form);
std::string AddFormDesigner(const TAddFormModel& form);
