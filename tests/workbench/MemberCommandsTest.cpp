// The member commands of the main window: delete, exchange, move up and down,
// and the grid's double click.
#include <QLineEdit>

#include "TestRegistry.h"
#include "Workbench.h"
#include "metadata/MemberDAO.h"

class TestMemberCommands : public QObject {
  Q_OBJECT

 private:
  // Project Shop, class Book with the members a, b, c, d in this order.
  static int SeedBook() {
    const int shop = AddProject("Shop");
    const int book = AddClass(shop, "Book");
    for (const char* name : {"a", "b", "c", "d"}) AddMember(shop, book, {name});
    return book;
  }

  static QStringList Names(TWorkbench& wb) { return wb.GridColumn(1); }

 private slots:
  void deleteMemberAsksThenDeletesTheFirstSelectedRow() {
    for (const char* command : {"C1", "D2"}) {
      TWorkbench wb;
      const int book = SeedBook();
      wb.Start();
      wb.SelectRows({1, 2});
      wb.prompt.confirmations = {false};
      wb.Trigger(command);
      QCOMPARE(wb.prompt.shown[0].kind, QStringLiteral("confirm"));
      QCOMPARE(wb.prompt.shown[0].text, QStringLiteral("确定删除当前成员属性?"));
      QCOMPARE(wb.prompt.shown[0].caption, QStringLiteral("删除提示"));
      QCOMPARE(TMemberDAO().GetMembers(book).size(), size_t(4));
      wb.Trigger(command);
      QCOMPARE(wb.prompt.LastText(), QStringLiteral("成员属性删除成功"));
      QCOMPARE(Names(wb), (QStringList{"a", "c", "d"}));
    }
  }

  void exchangeNeedsExactlyTwoRows() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    wb.SelectRows({0});
    wb.Trigger("E1");
    wb.SelectRows({0, 1, 2});
    wb.Trigger("E1");
    QCOMPARE(wb.prompt.Texts(), (QStringList{"请选中2条记录!", "请选中2条记录!"}));
    QCOMPARE(Names(wb), (QStringList{"a", "b", "c", "d"}));
  }

  void exchangeSwapsTwoRowsAndKeepsTheIds() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    const QStringList ids = wb.GridColumn(0);
    wb.SelectRows({3, 0});
    wb.Trigger("E1");
    QCOMPARE(Names(wb), (QStringList{"d", "b", "c", "a"}));
    QCOMPARE(wb.GridColumn(0), ids);
    QVERIFY(wb.Grid()->SelectedRows().empty());
    QVERIFY(wb.prompt.shown.empty());
  }

  void moveUpAndDownExchangeWithTheNeighbour() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    wb.SelectRows({2});
    wb.Trigger("N5");
    QCOMPARE(Names(wb), (QStringList{"a", "c", "b", "d"}));
    QVERIFY(wb.Grid()->SelectedRows().empty());
    wb.SelectRows({0});
    wb.Trigger("L1");
    QCOMPARE(Names(wb), (QStringList{"c", "a", "b", "d"}));
  }

  void moveActsOnTheFirstSelectedRow() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    wb.SelectRows({3, 1});
    wb.Trigger("N5");
    QCOMPARE(Names(wb), (QStringList{"b", "a", "c", "d"}));
    wb.SelectRows({2, 3});
    wb.Trigger("L1");
    QCOMPARE(Names(wb), (QStringList{"b", "a", "d", "c"}));
  }

  void firstRowCannotMoveUpNorLastRowDown() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    wb.SelectRows({0, 2});
    wb.Trigger("N5");
    wb.SelectRows({3});
    wb.Trigger("L1");
    QCOMPARE(wb.prompt.Texts(), (QStringList{"第一个成员无法上移了！", "最后一个成员无法下移了！"}));
    QCOMPARE(Names(wb), (QStringList{"a", "b", "c", "d"}));
  }

  void changeMemberCommandOpensTheUpdateDialogForTheFirstSelectedRow() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    wb.SelectRows({2, 3});
    QString seen;
    OnNextDialog([&](QDialog& dialog) {
      seen = dialog.objectName() + ":" + dialog.findChild<QLineEdit*>("Edt_MemberName")->text();
    });
    wb.Trigger("N3");
    QCOMPARE(seen, QStringLiteral("UpdateMemberForm:c"));
  }

  void changingAMemberThatIsGoneReloadsTheGrid() {
    TWorkbench wb;
    SeedBook();
    wb.Start();
    TMemberDAO().DeleteMember(wb.Grid()->MemberIdAt(1));
    wb.SelectRows({1});
    wb.Trigger("N3");
    QCOMPARE(wb.prompt.Texts(), QStringList{"该成员已不存在!"});
    QCOMPARE(Names(wb), (QStringList{"a", "c", "d"}));
  }

  void doubleClickOnAnEmptyGridAddsAndOnARowChanges() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int book = AddClass(shop, "Book");
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QString seen;
    OnNextDialog([&](QDialog& dialog) { seen = dialog.objectName(); });
    QTest::mouseDClick(wb.Grid()->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(seen, QStringLiteral("AddMemberForm"));

    AddMember(shop, book, {"a"});
    AddMember(shop, book, {"b"});
    wb.window->LoadMembers(book);
    wb.SelectRows({1});
    seen.clear();
    OnNextDialog([&](QDialog& dialog) {
      seen = dialog.objectName() + ":" + dialog.findChild<QLineEdit*>("Edt_MemberName")->text();
    });
    QTest::mouseDClick(wb.Grid()->viewport(), Qt::LeftButton, {}, wb.Grid()->visualRect(wb.Grid()->model()->index(1, 1)).center());
    QCOMPARE(seen, QStringLiteral("UpdateMemberForm:b"));
  }

  void doubleClickWithoutClassOrRowAsksForAMember() {
    TWorkbench wb;
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QTest::mouseDClick(wb.Grid()->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(wb.prompt.Texts(), QStringList{"请先选择一个成员"});
  }
};

static TRegisterTest<TestMemberCommands> registered("MemberCommands");
#include "MemberCommandsTest.moc"
