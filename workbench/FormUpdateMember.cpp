#include "workbench/FormUpdateMember.h"

#include "metadata/MemberDAO.h"

TUpdateMemberForm::TUpdateMemberForm(TFormMain& owner, int memberId)
    : TMemberForm(owner, TMemberDialog::Update, memberId, QStringLiteral("更新成员属性"), QSize(372, 320)) {
  setObjectName("UpdateMemberForm");
  FillTypes();
  if (const auto member = TMemberDAO().GetMember(memberId)) SetInput(input_rules::InputOf(*member));
}
