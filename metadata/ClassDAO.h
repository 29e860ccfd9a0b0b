#pragma once

#include <string>

#include "metadata/DbHelper.h"
#include "metadata/ListEntry.h"

class TClassDAO {
 public:
  std::string GetClassName(int classId) const;
  std::string GetFriendName(int classId) const;
  int GetFrontShowFlag(int classId) const;
  int GetClassId(int projectId, const std::string& className) const;
  // The project that owns the class; -1 for an unknown id.
  int GetProjectId(int classId) const;
  // Classes of that name in the project (the store's comparison), leaving out exceptClassId.
  int CountByName(int projectId, const std::string& className, int exceptClassId = 0) const;
  // Whether the project has a class named exactly className other than classId.
  bool IsOtherClass(int projectId, int classId, const std::string& className) const;
  // Returns the new class's key.
  int AddClass(int projectId, const std::string& className, const std::string& friendName,
                int frontShowFlag) const;
  // Renames the class and every member type of the project that named it, in one transaction.
  void UpdateClass(int projectId, int classId, const std::string& className, const std::string& friendName,
                   int frontShowFlag) const;
  // Removes the class and its members in one transaction.
  void DeleteClass(int classId) const;
  TClassList GetClassList(int projectId) const;
  TClassList GetOtherClasses(int projectId, int classId) const;

 private:
  TDbHelper db_;
};
