#pragma once
// "数据库建表sql语句": the table script of one project, rebuilt from the store
// each time the window is shown, for the user to copy.

#include <QDialog>

#include "workbench/Prompt.h"

class QPlainTextEdit;

class TDataBaseSqlForm : public QDialog {
  Q_OBJECT

 public:
  TDataBaseSqlForm(QWidget* owner, IPrompt& prompt);
  void SetProjectId(int projectId) { projectId_ = projectId; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  IPrompt& prompt_;
  QPlainTextEdit* Memo_Sql = nullptr;
  int projectId_ = 0;
};
