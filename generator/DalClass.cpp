#include "generator/DalClass.h"

#include <algorithm>
#include <cctype>

#include "generator/GenContext.h"
#include "generator/MemberKind.h"
#include "metadata/ClassDAO.h"
#include "metadata/NameRules.h"

namespace {

// VB.NET compares names without regard to case.
bool SameVbName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool SameAsAny(const std::string& name, std::initializer_list<std::string> others) {
  return std::any_of(others.begin(), others.end(), [&](const std::string& other) { return SameVbName(name, other); });
}

}  // namespace

// A class or key named like a local variable of the generated functions
// ("Parm", "sql", ...) would declare that name twice; only then is the
// generated name prefixed, so every other class keeps its plain names.
TDalClass TDalClass::Load(int projectId, const TListEntry& classEntry) {
  TDalClass c;
  c.projectId = projectId;
  c.classId = classEntry.tag;
  c.className = classEntry.text;
  const std::string objName = name_rules::ObjectName(c.className);
  const bool objClashes = SameAsAny(objName, {"sql", "parm", "DataRead"});
  c.objName = objClashes ? "_" + objName : objName;
  c.returnName = objClashes ? c.objName : c.className;
  c.friendName = TClassDAO().GetFriendName(c.classId);
  c.key = RequireKey(c.classId, c.className);
  const std::string& K = c.key.memberName;
  c.keyParam = SameAsAny(K, {"sql", "DataRead", c.objName}) ? "_" + K : K;
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
