#pragma once
// One project's classes and members read once, answering the access classes'
// selections from memory. A generation run asks the same questions of every
// class many times over; taking the project once when the run starts also
// gives every generator the same view of it.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "metadata/ListEntry.h"
#include "metadata/MemberDAO.h"

class TProjectSnapshot {
 public:
  // Two selections in one read transaction: the project's classes and their members.
  static TProjectSnapshot Load(int projectId);

  int ProjectId() const { return projectId_; }

  // As TClassDAO: texts are empty and ids -1 for a class that is not in the
  // project; names compare without regard to ASCII letter case, the first
  // class by classId wins.
  const TClassList& GetClassList() const { return classList_; }
  std::string GetClassName(int classId) const;
  std::string GetFriendName(int classId) const;
  int GetClassId(const std::string& className) const;

  // As TMemberDAO, in ascending memberId order. The whole list is the
  // snapshot's own, valid while it lives; the filtered ones are copies.
  const TMemberList& GetMembers(int classId) const;
  TMemberList GetPictureMembers(int classId) const;
  TMemberList GetReferenceMembers(int classId) const;
  TMemberList GetQueryDisplayMembers(int classId) const;
  TMemberList GetNonKeyMembers(int classId) const;
  std::optional<TMember> GetKeyMember(int classId) const;
  std::optional<TMember> GetDisplayMember(const std::string& className) const;
  std::optional<TMember> GetKeyMemberOf(const std::string& className) const;

 private:
  struct TClassRow {
    std::string friendName;
    TMemberList members;
  };

  const TClassRow* Find(int classId) const;
  template <typename Keep>
  TMemberList Filter(int classId, Keep keep) const;
  template <typename Keep>
  std::optional<TMember> First(int classId, Keep keep) const;

  int projectId_ = 0;
  TClassList classList_;
  std::unordered_map<int, TClassRow> classes_;
  std::unordered_map<std::string, int> idByFoldedName_;
};
