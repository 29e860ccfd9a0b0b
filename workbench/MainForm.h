#pragma once
// The main window: projects in a drop-down box, the classes of the chosen
// project in a list, the members of the chosen class in a grid; every edit
// command, the script window and the generation run start here.

#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "workbench/Prompt.h"

class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTimer;
class TBanner;
class TGenerationRun;
class TRunPreview;
class TMemberGrid;

class TFormMain : public QMainWindow {
  Q_OBJECT

 public:
  TFormMain(std::filesystem::path home, IPrompt& prompt, IShell& shell, QWidget* parent = nullptr);
  ~TFormMain() override;

  IPrompt& Prompt() { return prompt_; }
  const QString& NameSpace() const { return nameSpace_; }

  // The lists and what is selected in them; -1 when nothing is.
  void LoadProjects();
  void LoadClasses(int projectId);
  void LoadMembers(int classId);
  int SelectedProjectId() const;
  QString SelectedProjectName() const;
  int SelectedClassId() const;
  QString SelectedClassName() const;
  void SetSelectedClassName(const QString& className);

 public slots:
  // Project commands.
  void F2Click();
  void N1Click();
  void D1Click();
  void I1Click();
  // Class commands.
  void A2Click();
  void N2Click();
  void S1Click();
  // Member commands.
  void M1Click();
  void N3Click();
  void C1Click();
  void E1Click();
  void N5Click();
  void L1Click();
  // Code commands.
  void sql1Click();
  void S2Click();
  void A1Click();
  void G1Click();
  // Other events.
  void CB_ProjectChange();
  void LB_ObjectClick();
  void LV_MemberDblClick();
  void Image1Click();
  void Timer1Timer();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildComponents();
  void BuildMenus();
  QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, void (TFormMain::*handler)());
  void ClearClasses();
  void MoveMember(int offset);
  void OpenAboutPage();
  void ShowMessage(const char* text);
  void PreviewDone();
  void AppendProgress(const QString& line);
  void RunCheckFailed(const QString& message);
  void RunFinished();
  void RunFailed(const QString& error);

  std::filesystem::path home_;
  IPrompt& prompt_;
  IShell& shell_;
  int projectIndex_ = -1;
  QString nameSpace_ = QStringLiteral("brindlemoor");
  std::filesystem::path runOutputFolder_;
  std::unique_ptr<TGenerationRun> run_;
  std::unique_ptr<TRunPreview> preview_;
  bool fillingClasses_ = false;

  TBanner* Image1 = nullptr;
  QComboBox* CB_Project = nullptr;
  QListWidget* LB_Object = nullptr;
  TMemberGrid* LV_Member = nullptr;
  QPlainTextEdit* Memo_State = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QTimer* Timer1 = nullptr;
};
