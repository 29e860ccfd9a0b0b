#include "generator/vb/tiers/DalClass.h"

#include "generator/GenContext.h"
#include "metadata/ReferencedKey.h"
#include "generator/naming/VbNames.h"
#include "metadata/NameRules.h"

// The functions' locals are sql, parm, DataRead and the object; DBHelp,
// SqlParameter, SqlDbType, SqlDataReader, DataSet and Convert are the types they name.
TDalClass TDalClass::Load(const TProjectSnapshot& project, const TListEntry& classEntry) {
  TDalClass c;
  c.project = &project;
  c.classId = classEntry.tag;
  c.className = classEntry.text;
  const std::string objName = name_rules::ObjectName(c.className);
  c.objName = UnclashedName(objName, {"sql", "parm", "DataRead", "DBHelp", "SqlParameter", "SqlDbType",
                                      "SqlDataReader", "DataSet", "Convert"});
  c.returnName = c.objName == objName ? c.className : c.objName;
  c.friendName = project.GetFriendName(c.classId);
  c.key = RequireKey(project, c.classId, c.className);
  const std::string& K = c.key.memberName;
  c.keyParam = UnclashedName(K, {"sql", "DataRead", c.objName, "DBHelp", "SqlParameter", "SqlDbType",
                                 "SqlDataReader", "DataSet", "Convert"});
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
      return IsIntegerKey(RequireReferencedKey(*c.project, c.className, member)) ? "Int" : "VarChar";
  }
  return "VarChar";
}
