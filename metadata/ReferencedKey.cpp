#include "metadata/ReferencedKey.h"

#include <stdexcept>

std::optional<TMember> ReferencedKey(const TProjectSnapshot& project, const TMember& reference) {
  return project.GetKeyMemberOf(reference.memberType);
}

namespace {

std::runtime_error ReferenceError(const std::string& className, const TMember& reference, const std::string& what) {
  return std::runtime_error(className + "表的成员" + reference.memberName + "引用的类" + reference.memberType + what);
}

}  // namespace

TMember RequireReferencedKey(const TProjectSnapshot& project, const std::string& className, const TMember& reference) {
  auto key = ReferencedKey(project, reference);
  if (!key) throw ReferenceError(className, reference, "不存在或没有主键!");
  return *key;
}

TMember RequireReferencedDisplay(const TProjectSnapshot& project, const std::string& className,
                                 const TMember& reference) {
  auto display = project.GetDisplayMember(reference.memberType);
  if (!display) throw ReferenceError(className, reference, "不存在或没有下拉框显示成员!");
  return *display;
}

TMember RequireKey(const TProjectSnapshot& project, int classId, const std::string& className) {
  auto key = project.GetKeyMember(classId);
  if (!key) throw std::runtime_error(className + "表没有设置主键!");
  return *key;
}
