#include "generator/MemberKind.h"

#include <stdexcept>

#include "metadata/MemberDAO.h"

TMemberKind KindOf(const TMember& member) {
  using namespace member_type;
  const std::string& type = member.memberType;
  if (type == kString) return TMemberKind::String;
  if (type == kInteger) return TMemberKind::Integer;
  if (type == kFloat) return TMemberKind::Float;
  if (type == kDateTime) return TMemberKind::DateTime;
  if (type == kPicture) return TMemberKind::Picture;
  return TMemberKind::Reference;
}

std::optional<TMember> ReferencedKey(int projectId, const TMember& reference) {
  return TMemberDAO().GetKeyMemberOf(projectId, reference.memberType);
}

namespace {

std::runtime_error ReferenceError(const std::string& className, const TMember& reference, const std::string& what) {
  return std::runtime_error(className + "表的成员" + reference.memberName + "引用的类" + reference.memberType + what);
}

}  // namespace

TMember RequireReferencedKey(int projectId, const std::string& className, const TMember& reference) {
  auto key = ReferencedKey(projectId, reference);
  if (!key) throw ReferenceError(className, reference, "不存在或没有主键!");
  return *key;
}

TMember RequireReferencedDisplay(int projectId, const std::string& className, const TMember& reference) {
  auto display = TMemberDAO().GetDisplayMember(projectId, reference.memberType);
  if (!display) throw ReferenceError(className, reference, "不存在或没有下拉框显示成员!");
  return *display;
}

TMember RequireKey(int classId, const std::string& className) {
  auto key = TMemberDAO().GetKeyMember(classId);
  if (!key) throw std::runtime_error(className + "表没有设置主键!");
  return *key;
}
