#pragma once
// Store content for a test, made through the access classes. Each helper
// returns the key the store gave the new row.

#include <string>

#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"

inline int SeedProject(const std::string& name) {
  TProjectDAO().AddProject(name);
  return TProjectDAO().GetAll().back().tag;
}

inline int SeedClass(int projectId, const std::string& name, const std::string& friendName = "友好名称") {
  TClassDAO().AddClass(projectId, name, friendName, 1);
  return TClassDAO().GetClassList(projectId).back().tag;
}

// A member as the add dialog would build it, with the given name and type.
inline TMember NewMember(int projectId, int classId, const std::string& name, const std::string& type) {
  TMember m;
  m.projectId = projectId;
  m.classId = classId;
  m.memberName = name;
  m.memberType = type;
  return m;
}

inline int SeedMember(const TMember& member) {
  TMemberDAO().AddMember(member);
  return TMemberDAO().GetMembers(member.classId).back().memberId;
}

inline int SeedMember(int projectId, int classId, const std::string& name, const std::string& type) {
  return SeedMember(NewMember(projectId, classId, name, type));
}
