#pragma once
// What the add and edit form writers need of one class.

#include <map>
#include <string>
#include <vector>

#include "generator/vb/forms/ReferencedClass.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"

struct TFormModel {
  std::string className;   // C
  std::string objName;     // O as a field of the form (FormFieldName)
  std::string friendName;  // F
  TMember key;
  TMemberList nonKeyMembers;
  TMemberList pictureMembers;
  TMemberList referenceMembers;
  TMemberList members;  // the key included
  // The classes the reference members name, by memberType.
  std::map<std::string, TReferencedClass> referenced;
  // The user-interface project's root namespace, which the form code finds
  // before a Model class of its name (ModelClassRef).
  std::string rootNamespace;
  // Imports aliases that keep the form code's bare framework types unambiguous.
  std::vector<std::string> typeAliases;
  // The edit form's field of the key (FormFieldName) and its constructor's parameter.
  std::string keyField = {};
  std::string keyParameter = {};
};
