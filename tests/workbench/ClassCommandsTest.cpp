// The class commands of the main window and the class list's clicks.
#include <QLineEdit>

#include "TestRegistry.h"
#include "Workbench.h"
#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"

class TestClassCommands : public QObject {
  Q_OBJECT

 private:
  // Shop with Book (two members) and Author (one member).
  static TShop Seed() {
    const TShop s = SeedShop();
    AddMember(s.shop, s.book, {"bookId", "整型", 1});
    AddMember(s.shop, s.book, {"title"});
    AddMember(s.shop, s.author, {"authorId", "整型", 1});
    return s;
  }

 private slots:
  void clickingAClassShowsItsMembers() {
    TWorkbench wb;
    const TShop s = Seed();
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    wb.SelectClass(1);
    QCOMPARE(wb.window->SelectedClassId(), s.author);
    QCOMPARE(wb.GridColumn(1), QStringList{"authorId"});
  }

  void deletingAClassAsksRemovesItsEntryAndClearsTheGrid() {
    TWorkbench wb;
    const TShop s = Seed();
    wb.Start();
    wb.prompt.confirmations = {false};
    wb.Trigger("S1");
    QCOMPARE(wb.prompt.shown[0].kind, QStringLiteral("confirm"));
    QCOMPARE(wb.prompt.shown[0].text, QStringLiteral("确认删除此类对象！"));
    QCOMPARE(wb.prompt.shown[0].caption, QStringLiteral("提示"));
    QCOMPARE(wb.ClassNames(), (QStringList{"Book", "Author"}));
    QCOMPARE(wb.Grid()->rowCount(), 2);

    wb.Trigger("S1");
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("类对象删除成功!"));
    QCOMPARE(wb.ClassNames(), QStringList{"Author"});
    QCOMPARE(TClassDAO().GetClassList(s.shop).size(), size_t(1));
    QVERIFY(TMemberDAO().GetMembers(s.book).empty());
    // No class is selected now, so no member rows may linger.
    QCOMPARE(wb.window->SelectedClassId(), -1);
    QCOMPARE(wb.Grid()->rowCount(), 0);
    wb.Trigger("M1");
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("请先选择类对象"));
  }

  void projectWithoutClassesShowsNoStaleMembers() {
    TWorkbench wb;
    Seed();
    AddProject("Empty");
    wb.Start();
    QCOMPARE(wb.Grid()->rowCount(), 2);
    wb.Projects()->setCurrentIndex(2);
    emit wb.Projects()->activated(2);
    QVERIFY(wb.ClassNames().isEmpty());
    QCOMPARE(wb.Grid()->rowCount(), 0);
  }

  void addClassCommandOpensTheAddDialog() {
    TWorkbench wb;
    Seed();
    wb.Start();
    QString title;
    OnNextDialog([&](QDialog& dialog) { title = dialog.objectName() + ":" + dialog.windowTitle(); });
    wb.Trigger("A2");
    QCOMPARE(title, QStringLiteral("AddClassForm:添加类"));
  }

  void doubleClickOnTheClassListOpensTheUpdateDialog() {
    TWorkbench wb;
    Seed();
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QString seen;
    OnNextDialog([&](QDialog& dialog) {
      seen = dialog.windowTitle() + ":" + dialog.findChild<QLineEdit*>("Edt_ClassName")->text();
    });
    QListWidget* list = wb.Classes();
    wb.SelectClass(1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(seen, QStringLiteral("类更新:Author"));
  }
};

static TRegisterTest<TestClassCommands> registered("ClassCommands");
#include "ClassCommandsTest.moc"
