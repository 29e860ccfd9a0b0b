#pragma once
// What the two member dialogs share: their fields, the type list, "确定" with
// the checks and the store, and "取消".

#include <QDialog>

#include "metadata/InputRules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TFormMain;

class TMemberForm : public QDialog {
  Q_OBJECT

 protected:
  // memberId 0 for a new member.
  TMemberForm(TFormMain& owner, TMemberDialog kind, int memberId, const QString& caption, QSize size);

  void FillTypes();
  void SetInput(const TMemberInput& input);
  TMemberInput Input() const;

  TFormMain& owner_;
  QLineEdit* Edt_MemberName = nullptr;
  QComboBox* CB_MemberType = nullptr;
  QLineEdit* Edt_MemberLength = nullptr;
  QCheckBox* CB_MemberIsPri = nullptr;
  QCheckBox* CB_MemberIsMust = nullptr;
  QCheckBox* CB_QueryFlag = nullptr;
  QCheckBox* CB_MemberIsDisplay = nullptr;
  QCheckBox* CB_MemberQueryDisplay = nullptr;
  QLineEdit* Edt_MemberComment = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 private:
  void BuildComponents();
  void Button1Click();
  void Store();

  TMemberDialog kind_;
  int memberId_;
};
