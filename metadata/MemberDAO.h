#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "metadata/DbHelper.h"
#include "metadata/Member.h"

using TMemberList = std::vector<TMember>;

class TMemberDAO {
 public:
  // Returns the new member's key.
  int AddMember(const TMember& member) const;
  void UpdateMember(const TMember& member) const;
  void DeleteMember(int memberId) const;
  // Exchanges the contents of two rows; ids, projects and classes stay with their rows.
  void Swap(int a, int b) const;

  // Selections, in ascending memberId order.
  TMemberList GetMembers(int classId) const;
  TMemberList GetPictureMembers(int classId) const;
  TMemberList GetReferenceMembers(int classId) const;
  TMemberList GetQueryDisplayMembers(int classId) const;
  TMemberList GetNonKeyMembers(int classId) const;
  // The members of every class of the project, class by class, each class's in
  // the order they were added (the order the class index yields them in, so no sort).
  TMemberList GetProjectMembers(int projectId) const;
  // The same members handed to each one by one, as they are read.
  void ForEachProjectMember(int projectId, const std::function<void(TMember&&)>& each) const;

  // Single reads: no member when nothing matches, the first row when several do.
  std::optional<TMember> GetMember(int memberId) const;
  std::optional<TMember> GetKeyMember(int classId) const;
  std::optional<TMember> GetDisplayMember(int projectId, const std::string& className) const;
  std::optional<TMember> GetKeyMemberOf(int projectId, const std::string& className) const;

 private:
  TMemberList Select(const std::string& sql, const TSqlParams& params) const;
  std::optional<TMember> SelectOne(const std::string& sql, const TSqlParams& params) const;

  TDbHelper db_;
};
