#pragma once
// A main window over a temporary home folder, answered by the fakes, and the
// small helpers the workbench tests share.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "Fakes.h"
#include "support/TempHome.h"
#include "workbench/MainForm.h"
#include "workbench/MemberGrid.h"

// Seed the store first, then Start() opens the window as the program does,
// with its start-up timer stopped.
struct TWorkbench {
  ~TWorkbench();
  void Start();

  template <typename Widget>
  Widget* Find(const char* name) const {
    auto* widget = window->findChild<Widget*>(name);
    if (!widget) qFatal("no component named %s", name);
    return widget;
  }
  void Trigger(const char* action) const { Find<QAction>(action)->trigger(); }
  QComboBox* Projects() const { return Find<QComboBox>("CB_Project"); }
  QListWidget* Classes() const { return Find<QListWidget>("LB_Object"); }
  TMemberGrid* Grid() const { return Find<TMemberGrid>("LV_Member"); }
  QPlainTextEdit* Progress() const { return Find<QPlainTextEdit>("Memo_State"); }

  QStringList ProjectNames() const;
  QStringList ClassNames() const;
  // The text of one grid column, top to bottom.
  QStringList GridColumn(int column) const;
  void SelectRows(std::initializer_list<int> rows) const;
  void SelectClass(int row) const;

  TTempHome home;
  TFakePrompt prompt;
  TFakeShell shell;
  std::unique_ptr<TFormMain> window;
};

// Store content for a test, written directly through the access classes.
int AddProject(const std::string& name);
int AddClass(int projectId, const std::string& name, const std::string& friendName = "图书");
struct TMemberSpec {
  std::string name;
  std::string type = "字符串";
  int isPri = 0;
  int isDisplay = 0;
  int length = 20;
};
int AddMember(int projectId, int classId, const TMemberSpec& spec);
// The project Shop with the classes Book and Author, and School with Pupil; no members.
struct TShop {
  int shop, book, author;
};
TShop SeedShop();

// Runs handler on the next modal dialog as soon as it is up; the dialog is
// closed afterwards if the handler left it open. Arm it before the command.
void OnNextDialog(std::function<void(QDialog&)> handler);

// Clicks a dialog's component by name.
void Click(QDialog& dialog, const char* button);
void Type(QDialog& dialog, const char* edit, const QString& text);
void Check(QDialog& dialog, const char* box, bool checked);
void ChooseType(QDialog& dialog, const QString& type);
