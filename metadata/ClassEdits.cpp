#include "metadata/ClassEdits.h"

#include "metadata/ClassDAO.h"
#include "metadata/EditTransaction.h"
#include "metadata/InputRules.h"
#include "metadata/ProjectEdits.h"
#include "metadata/Utf8Text.h"

namespace edits {

namespace {

void RequireUtf8(const TClassInput& input) {
  utf8_text::Require(TInputField::ClassName, input.className, "类名");
  utf8_text::Require(TInputField::FriendName, input.friendName, "友好名称");
}

}  // namespace

int AddClass(int projectId, const TClassInput& input) {
  int classId = 0;
  InEditTransaction([&] {
    RequireProject(projectId);
    RequireUtf8(input);
    input_rules::CheckAddClass(projectId, input.className, input.friendName);
    classId = TClassDAO().AddClass(projectId, input.className, input.friendName, input.frontShowFlag);
  });
  return classId;
}

void UpdateClass(int classId, const std::function<void(TClassInput&)>& change) {
  InEditTransaction([&] {
    const int projectId = ProjectOfClass(classId);
    const TClassDAO dao;
    TClassInput input{dao.GetClassName(classId), dao.GetFriendName(classId), dao.GetFrontShowFlag(classId)};
    change(input);
    RequireUtf8(input);
    input_rules::CheckUpdateClass(projectId, classId, input.className, input.friendName);
    dao.UpdateClass(projectId, classId, input.className, input.friendName, input.frontShowFlag);
  });
}

void DeleteClass(int classId) {
  InEditTransaction([&] {
    ProjectOfClass(classId);
    TClassDAO().DeleteClass(classId);
  });
}

int ProjectOfClass(int classId) {
  const int projectId = TClassDAO().GetProjectId(classId);
  if (projectId < 0) throw TInputError(TInputField::Selection, "该类已不存在!");
  return projectId;
}

}  // namespace edits
