#include "metadata/ProjectSnapshot.h"

#include <algorithm>

namespace {

// The store's NOCASE: only the ASCII letters fold.
std::string Folded(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; });
  return name;
}

}  // namespace

TProjectSnapshot TProjectSnapshot::Load(int projectId) {
  TProjectSnapshot snapshot;
  snapshot.projectId_ = projectId;
  // Both selections see one state of the store, whatever other programs write meanwhile.
  TDbHelper::InReadTransaction([&] {
    auto rs = TDbHelper().OpenQuery("select classId,className,friendName from t_class where projectId=? order by classId",
                                    {std::int64_t{projectId}});
    for (rs.First(); !rs.Eof(); rs.Next()) {
      const int classId = static_cast<int>(rs.GetInt("classId"));
      const std::string className = rs.GetStr("className");
      snapshot.classList_.push_back({className, classId});
      snapshot.classes_[classId].friendName = rs.GetStr("friendName");
      snapshot.idByFoldedName_.emplace(Folded(className), classId);
    }
    TClassRow* row = nullptr;  // members come class by class
    TMemberDAO().ForEachProjectMember(projectId, [&](TMember&& member) {
      if (!row || row->members.front().classId != member.classId) row = &snapshot.classes_[member.classId];
      row->members.push_back(std::move(member));
    });
  });
  return snapshot;
}

const TProjectSnapshot::TClassRow* TProjectSnapshot::Find(int classId) const {
  const auto found = classes_.find(classId);
  return found == classes_.end() ? nullptr : &found->second;
}

template <typename Keep>
TMemberList TProjectSnapshot::Filter(int classId, Keep keep) const {
  TMemberList list;
  if (const TClassRow* row = Find(classId))
    std::copy_if(row->members.begin(), row->members.end(), std::back_inserter(list), keep);
  return list;
}

template <typename Keep>
std::optional<TMember> TProjectSnapshot::First(int classId, Keep keep) const {
  if (const TClassRow* row = Find(classId)) {
    const auto found = std::find_if(row->members.begin(), row->members.end(), keep);
    if (found != row->members.end()) return *found;
  }
  return std::nullopt;
}

std::string TProjectSnapshot::GetClassName(int classId) const {
  for (const TListEntry& entry : classList_)
    if (entry.tag == classId) return entry.text;
  return {};
}

std::string TProjectSnapshot::GetFriendName(int classId) const {
  const TClassRow* row = Find(classId);
  return row ? row->friendName : std::string();
}

int TProjectSnapshot::GetClassId(const std::string& className) const {
  const auto found = idByFoldedName_.find(Folded(className));
  return found == idByFoldedName_.end() ? -1 : found->second;
}

const TMemberList& TProjectSnapshot::GetMembers(int classId) const {
  static const TMemberList none;
  const TClassRow* row = Find(classId);
  return row ? row->members : none;
}

TMemberList TProjectSnapshot::GetPictureMembers(int classId) const {
  return Filter(classId, [](const TMember& m) { return m.memberType == member_type::kPicture; });
}

TMemberList TProjectSnapshot::GetReferenceMembers(int classId) const {
  return Filter(classId, [](const TMember& m) { return member_type::IsReference(m.memberType); });
}

TMemberList TProjectSnapshot::GetQueryDisplayMembers(int classId) const {
  return Filter(classId, [](const TMember& m) { return m.memberQueryDisplay == 1 && m.memberIsPri == 0; });
}

TMemberList TProjectSnapshot::GetNonKeyMembers(int classId) const {
  return Filter(classId, [](const TMember& m) { return m.memberIsPri == 0; });
}

std::optional<TMember> TProjectSnapshot::GetKeyMember(int classId) const {
  return First(classId, [](const TMember& m) { return m.memberIsPri == 1; });
}

std::optional<TMember> TProjectSnapshot::GetDisplayMember(const std::string& className) const {
  return First(GetClassId(className),
               [this](const TMember& m) { return m.memberIsDisplay == 1 && m.projectId == projectId_; });
}

std::optional<TMember> TProjectSnapshot::GetKeyMemberOf(const std::string& className) const {
  return First(GetClassId(className),
               [this](const TMember& m) { return m.memberIsPri == 1 && m.projectId == projectId_; });
}
