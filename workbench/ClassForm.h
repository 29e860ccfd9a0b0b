#pragma once
// What the two class dialogs share: their fields and their "确定" button.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TFormMain;

class TClassForm : public QDialog {
  Q_OBJECT

 protected:
  TClassForm(TFormMain& owner, const QString& caption, QSize size, bool frontShowDefault);
  // Checks the fields and stores the class; raises on an input fault.
  virtual void Store() = 0;

  std::string ClassNameText() const;
  std::string FriendNameText() const;
  int FrontShowFlag() const;

  TFormMain& owner_;
  QLineEdit* Edt_ClassName = nullptr;
  QLineEdit* Edt_FriendName = nullptr;
  QCheckBox* CB_FrontShowFlag = nullptr;
  QPushButton* Button1 = nullptr;

 private:
  void Button1Click();
};
