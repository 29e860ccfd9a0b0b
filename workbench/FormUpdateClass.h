#pragma once
// "类更新": changes the names and the front-end flag of the class selected in
// the main window.

#include "workbench/ClassForm.h"

class TUpdateClassForm : public TClassForm {
  Q_OBJECT

 public:
  explicit TUpdateClassForm(TFormMain& owner);
  void SetClassId(int classId) { classId_ = classId; }

 protected:
  void showEvent(QShowEvent* event) override;
  void Store() override;

 private:
  void FormShow();

  int classId_ = 0;
};
