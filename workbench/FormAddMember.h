#pragma once
// "添加成员属性": adds a member to the class selected in the main window.

#include "workbench/MemberForm.h"

class TAddMemberForm : public TMemberForm {
  Q_OBJECT

 public:
  explicit TAddMemberForm(TFormMain& owner);
};
