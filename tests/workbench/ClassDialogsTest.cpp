// The add-class and update-class dialogs, driven through the main window.
#include <QCheckBox>
#include <QLineEdit>

#include "TestRegistry.h"
#include "Workbench.h"
#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"

class TestClassDialogs : public QObject {
  Q_OBJECT

 private:
  // Fills the add dialog and presses "确定"; returns what it said.
  static QString Submit(TWorkbench& wb, QDialog& dialog, const QString& className, const QString& friendName) {
    Type(dialog, "Edt_ClassName", className);
    Type(dialog, "Edt_FriendName", friendName);
    const size_t before = wb.prompt.shown.size();
    Click(dialog, "Button1");
    return wb.prompt.shown.size() > before ? wb.prompt.LastText() : QString();
  }

 private slots:
  void addDialogChecksInOrderAndStaysOpen() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    AddClass(shop, "Book");
    wb.Start();
    QStringList said;
    bool open = false;
    OnNextDialog([&](QDialog& dialog) {
      said << Submit(wb, dialog, "", "") << Submit(wb, dialog, "Pen", "") << Submit(wb, dialog, "pen", "笔")
           << Submit(wb, dialog, "BOOK", "书");
      open = dialog.isVisible();
    });
    wb.Trigger("A2");
    QCOMPARE(said, (QStringList{"类名称不能为空!", "友好名称不能为空", "类名首个字母必须大写", "该类名称已经存在!"}));
    QVERIFY(open);
    QCOMPARE(TClassDAO().GetClassList(shop).size(), size_t(1));
  }

  void firstLetterMustBeAnAsciiCapital() {
    TWorkbench wb;
    AddProject("Shop");
    wb.Start();
    QStringList said;
    OnNextDialog([&](QDialog& dialog) {
      for (const char* name : {"9Pen", "_Pen", "Äpfel", "书"}) said << Submit(wb, dialog, QString::fromUtf8(name), "笔");
    });
    wb.Trigger("A2");
    QCOMPARE(said, QStringList(4, "类名首个字母必须大写"));
  }

  void addDialogStoresReloadsReportsAndCloses() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int other = AddProject("School");
    AddClass(other, "Pen");
    const int book = AddClass(shop, "Book");
    AddMember(shop, book, {"bookId", "整型", 1});
    wb.Start();
    QString title;
    QSize size;
    bool flagChecked = false;
    QString said;
    int result = -1;
    OnNextDialog([&](QDialog& dialog) {
      title = dialog.windowTitle();
      size = dialog.size();
      flagChecked = dialog.findChild<QCheckBox*>("CB_FrontShowFlag")->isChecked();
      said = Submit(wb, dialog, "Pen", "笔");
      result = dialog.result();
    });
    wb.Trigger("A2");
    QCOMPARE(title, QStringLiteral("添加类"));
    QCOMPARE(size, QSize(261, 219));
    QVERIFY(flagChecked);
    QCOMPARE(said, QStringLiteral("类名称添加成功！"));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wb.ClassNames(), (QStringList{"Book", "Pen"}));
    QCOMPARE(wb.window->SelectedClassId(), book);
    QCOMPARE(wb.GridColumn(1), QStringList{"bookId"});
    const int pen = TClassDAO().GetClassId(shop, "Pen");
    QCOMPARE(TClassDAO().GetFriendName(pen), std::string("笔"));
    QCOMPARE(TClassDAO().GetFrontShowFlag(pen), 1);
  }

  void clearedFlagIsStoredAsZero() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    wb.Start();
    OnNextDialog([&](QDialog& dialog) {
      Check(dialog, "CB_FrontShowFlag", false);
      Submit(wb, dialog, "A", "甲");
    });
    wb.Trigger("A2");
    QCOMPARE(TClassDAO().GetFrontShowFlag(TClassDAO().GetClassId(shop, "A")), 0);
  }

  void updateDialogIsFilledFromTheSelectedClass() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    AddClass(shop, "Book", "图书");
    TClassDAO().AddClass(shop, "Author", "作者", 0);
    wb.Start();
    wb.Classes()->setCurrentRow(1);
    QStringList fields;
    OnNextDialog([&](QDialog& dialog) {
      fields << dialog.windowTitle() << QString("%1x%2").arg(dialog.width()).arg(dialog.height())
             << dialog.findChild<QLineEdit*>("Edt_ClassName")->text()
             << dialog.findChild<QLineEdit*>("Edt_FriendName")->text()
             << (dialog.findChild<QCheckBox*>("CB_FrontShowFlag")->isChecked() ? "checked" : "unchecked");
    });
    wb.Trigger("N2");
    QCOMPARE(fields, (QStringList{"类更新", "271x233", "Author", "作者", "unchecked"}));
  }

  void updateDialogChecksInOrder() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    AddClass(shop, "Book");
    wb.Start();
    QStringList said;
    OnNextDialog([&](QDialog& dialog) {
      said << Submit(wb, dialog, "", "") << Submit(wb, dialog, "book", "") << Submit(wb, dialog, "Book", "");
    });
    wb.Trigger("N2");
    QCOMPARE(said, (QStringList{"类名称不能为空", "类名首个字母必须大写", "友好名称不能为空"}));
  }

  void renameUpdatesTheEntryAndTheReferencingMemberTypes() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int school = AddProject("School");
    const int book = AddClass(shop, "Book");
    const int author = AddClass(shop, "Author");
    AddMember(shop, book, {"writer", "Author"});
    const int pupil = AddClass(school, "Pupil");
    AddClass(school, "Author");
    AddMember(school, pupil, {"favourite", "Author"});
    wb.Start();
    wb.Classes()->setCurrentRow(1);
    QStringList said;
    OnNextDialog([&](QDialog& dialog) { said << Submit(wb, dialog, "BOOK", "作家") << Submit(wb, dialog, "Writer", "作家"); });
    wb.Trigger("N2");
    // Another class's name is refused; the list is not reloaded.
    QCOMPARE(said, (QStringList{"该类名称已经存在!", "类名称更新成功"}));
    QCOMPARE(wb.ClassNames(), (QStringList{"Book", "Writer"}));
    QCOMPARE(wb.window->SelectedClassId(), author);
    QCOMPARE(TMemberDAO().GetMembers(book)[0].memberType, std::string("Writer"));
    QCOMPARE(TMemberDAO().GetMembers(pupil)[0].memberType, std::string("Author"));
  }
};

static TRegisterTest<TestClassDialogs> registered("ClassDialogs");
#include "ClassDialogsTest.moc"
