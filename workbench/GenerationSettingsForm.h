#pragma once
// "生成设置": the generation settings of the project selected in the main
// window, one drop-down box per setting; "确定" stores them and closes.

#include <QDialog>
#include <vector>

class QComboBox;
class QPushButton;
class TFormMain;

class TGenerationSettingsForm : public QDialog {
  Q_OBJECT

 public:
  TGenerationSettingsForm(TFormMain& owner, int projectId);

 private:
  void Button1Click();

  TFormMain& owner_;
  int projectId_;
  std::vector<QComboBox*> boxes_;  // in the order of kSettingFields
  QPushButton* Button1 = nullptr;
};
