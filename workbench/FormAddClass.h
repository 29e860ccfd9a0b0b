#pragma once
// "添加类": adds a class to the project selected in the main window.

#include "workbench/ClassForm.h"

class TAddClassForm : public TClassForm {
  Q_OBJECT

 public:
  explicit TAddClassForm(TFormMain& owner);

 protected:
  void Store() override;
};
