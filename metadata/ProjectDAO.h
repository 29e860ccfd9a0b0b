#pragma once

#include <string>

#include "metadata/DbHelper.h"
#include "metadata/ListEntry.h"

class TProjectDAO {
 public:
  // Projects of that name (the store's comparison), leaving out exceptProjectId.
  int CountByName(const std::string& projectName, int exceptProjectId = 0) const;
  // Returns the new project's key.
  int AddProject(const std::string& projectName) const;
  void RenameProject(int projectId, const std::string& projectName) const;
  // Removes the project, its classes and their members in one transaction.
  void DeleteProject(int projectId) const;
  TNameList GetAll() const;
  // Sound addition for callers that address a project by name: -1 when unknown.
  int GetProjectId(const std::string& projectName) const;
  bool Exists(int projectId) const;
  // Empty text for an unknown key.
  std::string GetProjectName(int projectId) const;

 private:
  TDbHelper db_;
};
