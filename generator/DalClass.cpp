#include "generator/DalClass.h"

#include "generator/GenContext.h"
#include "generator/MemberKind.h"
#include "metadata/ClassDAO.h"
#include "metadata/NameRules.h"

TDalClass TDalClass::Load(int projectId, const TListEntry& classEntry) {
  TDalClass c;
  c.projectId = projectId;
  c.classId = classEntry.tag;
  c.className = classEntry.text;
  c.objName = name_rules::ObjectName(c.className);
  c.friendName = TClassDAO().GetFriendName(c.classId);
  c.key = RequireKey(c.classId, c.className);
  return c;
}

std::string ParameterType(const TDalClass& c, const TMember& member) {
  switch (KindOf(member)) {
    case TMemberKind::String: return "VarChar";
    case TMemberKind::Picture: return "Image";
    case TMemberKind::DateTime: return "DateTime";
    case TMemberKind::Integer: return "Int";
    case TMemberKind::Float: return "Float";
    case TMemberKind::Reference:
      return IsIntegerKey(RequireReferencedKey(c.projectId, c.className, member)) ? "Int" : "VarChar";
  }
  return "VarChar";
}

// A comment holding a double quote would otherwise end the literal early.
std::string VbLiteral(const std::string& text) { return ReplaceAll(text, "\"", "\"\""); }
