#include "workbench/FormUpdateClass.h"

#include <QCheckBox>
#include <QLineEdit>

#include "metadata/ClassDAO.h"
#include "metadata/ClassEdits.h"
#include "workbench/Guard.h"
#include "workbench/MainForm.h"

TUpdateClassForm::TUpdateClassForm(TFormMain& owner)
    : TClassForm(owner, QStringLiteral("类更新"), QSize(271, 233), false) {
  setObjectName("UpdateClassForm");
}

void TUpdateClassForm::showEvent(QShowEvent* event) {
  TClassForm::showEvent(event);
  Guarded(owner_.Prompt(), this, [this] { FormShow(); });
}

void TUpdateClassForm::FormShow() {
  const TClassDAO classes;
  const std::string friendName = classes.GetFriendName(classId_);
  const int flag = classes.GetFrontShowFlag(classId_);
  Edt_FriendName->setText(QString::fromStdString(friendName));
  Edt_ClassName->setText(owner_.SelectedClassName());
  CB_FrontShowFlag->setChecked(flag == 1);
}

void TUpdateClassForm::Store() {
  edits::UpdateClass(classId_, [this](edits::TClassInput& input) {
    input = {ClassNameText(), FriendNameText(), FrontShowFlag()};
  });
  owner_.SetSelectedClassName(Edt_ClassName->text());
  owner_.Prompt().Message(this, QStringLiteral("类名称更新成功"));
}
