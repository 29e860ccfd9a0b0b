#pragma once
// "更新成员属性": changes one member of the class selected in the main window.

#include "workbench/MemberForm.h"

class TUpdateMemberForm : public TMemberForm {
  Q_OBJECT

 public:
  TUpdateMemberForm(TFormMain& owner, int memberId);
};
