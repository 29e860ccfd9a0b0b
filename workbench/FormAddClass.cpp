#include "workbench/FormAddClass.h"

#include "metadata/ClassDAO.h"
#include "metadata/InputRules.h"
#include "workbench/MainForm.h"

TAddClassForm::TAddClassForm(TFormMain& owner) : TClassForm(owner, QStringLiteral("添加类"), QSize(261, 219), true) {
  setObjectName("AddClassForm");
}

void TAddClassForm::Store() {
  const int projectId = owner_.SelectedProjectId();
  input_rules::CheckAddClass(projectId, ClassNameText(), FriendNameText());
  TClassDAO().AddClass(projectId, ClassNameText(), FriendNameText(), FrontShowFlag());
  owner_.LoadClasses(projectId);
  owner_.Prompt().Message(this, QStringLiteral("类名称添加成功！"));
}
