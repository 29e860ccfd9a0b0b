#include "workbench/FormAddMember.h"

#include <QComboBox>
#include <QLineEdit>

TAddMemberForm::TAddMemberForm(TFormMain& owner)
    : TMemberForm(owner, TMemberDialog::Add, 0, QStringLiteral("添加成员属性"), QSize(389, 331)) {
  setObjectName("AddMemberForm");
  Edt_MemberName->clear();
  FillTypes();
  CB_MemberType->setCurrentIndex(0);
}
