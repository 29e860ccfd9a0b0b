#include "workbench/FormAddClass.h"

#include "metadata/ClassEdits.h"
#include "workbench/MainForm.h"

TAddClassForm::TAddClassForm(TFormMain& owner) : TClassForm(owner, QStringLiteral("添加类"), QSize(261, 219), true) {
  setObjectName("AddClassForm");
}

void TAddClassForm::Store() {
  const int projectId = owner_.SelectedProjectId();
  edits::AddClass(projectId, {ClassNameText(), FriendNameText(), FrontShowFlag()});
  owner_.LoadClasses(projectId);
  owner_.Prompt().Message(this, QStringLiteral("类名称添加成功！"));
}
