#pragma once

#include <string>

#include "metadata/DbHelper.h"
#include "metadata/ListEntry.h"

class TProjectDAO {
 public:
  int CountByName(const std::string& projectName) const;
  void AddProject(const std::string& projectName) const;
  void RenameProject(int projectId, const std::string& projectName) const;
  // Removes the project and its classes in one transaction; members stay.
  void DeleteProject(int projectId) const;
  TNameList GetAll() const;
  // Sound addition for callers that address a project by name: -1 when unknown.
  int GetProjectId(const std::string& projectName) const;

 private:
  TDbHelper db_;
};
