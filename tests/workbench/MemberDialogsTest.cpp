// The add-member and update-member dialogs, driven through the main window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "TestRegistry.h"
#include "Workbench.h"
#include "metadata/MemberDAO.h"

class TestMemberDialogs : public QObject {
  Q_OBJECT

 private:
  struct TEntry {
    QString name;
    QString type = "字符串";
    bool must = false, pri = false, query = false;
    QString length = "20";
  };
  // Fills the dialog and presses "确定"; returns what it said.
  static QString Submit(TWorkbench& wb, QDialog& dialog, const TEntry& e) {
    Type(dialog, "Edt_MemberName", e.name);
    ChooseType(dialog, e.type);
    Type(dialog, "Edt_MemberLength", e.length);
    Check(dialog, "CB_MemberIsMust", e.must);
    Check(dialog, "CB_MemberIsPri", e.pri);
    Check(dialog, "CB_QueryFlag", e.query);
    const size_t before = wb.prompt.shown.size();
    Click(dialog, "Button1");
    return wb.prompt.shown.size() > before ? wb.prompt.LastText() : QString();
  }

  static QStringList Types(QDialog& dialog) {
    auto* types = dialog.findChild<QComboBox*>("CB_MemberType");
    QStringList items;
    for (int i = 0; i < types->count(); ++i) items << types->itemText(i);
    return items;
  }

  static bool Checked(QDialog& dialog, const char* box) { return dialog.findChild<QCheckBox*>(box)->isChecked(); }
  static QString Text(QDialog& dialog, const char* edit) { return dialog.findChild<QLineEdit*>(edit)->text(); }

 private slots:
  void addDialogStartsWithItsDefaults() {
    TWorkbench wb;
    SeedShop();
    wb.Start();
    QStringList seen;
    OnNextDialog([&](QDialog& d) {
      seen << d.windowTitle() << QString("%1x%2").arg(d.width()).arg(d.height()) << Text(d, "Edt_MemberName")
           << Types(d).join(",") << d.findChild<QComboBox*>("CB_MemberType")->currentText()
           << Text(d, "Edt_MemberLength") << Text(d, "Edt_MemberComment");
      for (const char* box : {"CB_MemberIsPri", "CB_MemberIsMust", "CB_QueryFlag", "CB_MemberIsDisplay",
                              "CB_MemberQueryDisplay"})
        seen << (Checked(d, box) ? "1" : "0");
    });
    wb.Trigger("M1");
    QCOMPARE(seen, (QStringList{"添加成员属性", "389x331", "", "字符串,整型,浮点型,日期型,图片型,Author", "字符串",
                                "20", "", "0", "0", "0", "0", "1"}));
  }

  void addDialogChecksInOrderAndFocusesTheName() {
    TWorkbench wb;
    const TShop s = SeedShop();
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QStringList said;
    bool nameFocused = false;
    OnNextDialog([&](QDialog& d) {
      said << Submit(wb, d, {""});
      nameFocused = d.focusWidget() == d.findChild<QLineEdit*>("Edt_MemberName");
      said << Submit(wb, d, {"Title"}) << Submit(wb, d, {"_title"}) << Submit(wb, d, {"9title"})
           << Submit(wb, d, {"count", "整型"}) << Submit(wb, d, {"writer", "Author"})
           << Submit(wb, d, {"price", "浮点型", true, true}) << Submit(wb, d, {"born", "日期型", true, true})
           << Submit(wb, d, {"count", "整型", true, false, true}) << Submit(wb, d, {"photo", "图片型", false, false, true});
    });
    wb.Trigger("M1");
    QCOMPARE(said, (QStringList{"成员名称输入不能为空!", "成员属性首个字母必须小写", "成员属性首个字母必须小写",
                                "成员属性首个字母必须小写", "整型必须勾选是否必填标志!", "Author必须勾选是否必填标志!",
                                "主键字段必须是整型或字符串型!", "主键字段必须是整型或字符串型!",
                                "参与查询的字段不能是整型", "参与查询的字段不能是图片型"}));
    QVERIFY(nameFocused);
    QVERIFY(TMemberDAO().GetMembers(s.book).empty());
  }

  void addDialogStoresTheMemberReloadsReportsAndCloses() {
    TWorkbench wb;
    const TShop s = SeedShop();
    wb.Start();
    QString said;
    int result = -1;
    OnNextDialog([&](QDialog& d) {
      Check(d, "CB_MemberIsDisplay", true);
      Check(d, "CB_MemberQueryDisplay", false);
      Type(d, "Edt_MemberComment", "书名");
      said = Submit(wb, d, {"title", "字符串", false, true, true, "40"});
      result = d.result();
    });
    wb.Trigger("M1");
    QCOMPARE(said, QStringLiteral("类成员属性添加成功!"));
    QCOMPARE(result, int(QDialog::Accepted));
    const TMemberList members = TMemberDAO().GetMembers(s.book);
    QCOMPARE(members.size(), size_t(1));
    TMember expected;
    expected.memberId = members[0].memberId;
    expected.projectId = s.shop;
    expected.classId = s.book;
    expected.memberName = "title";
    expected.memberType = "字符串";
    expected.memberLength = 40;
    expected.memberIsPri = 1;
    expected.queryFlag = 1;
    expected.memberIsDisplay = 1;
    expected.memberQueryDisplay = 0;
    expected.memberComment = "书名";
    QVERIFY(members[0] == expected);
    QCOMPARE(wb.GridColumn(1), QStringList{"title"});
  }

  void optionalStringsPicturesAndQueriedDatesAndReferencesAreAccepted() {
    TWorkbench wb;
    const TShop s = SeedShop();
    wb.Start();
    const std::vector<TEntry> accepted{
        {"note"}, {"photo", "图片型"}, {"born", "日期型", true, false, true, "99"}, {"writer", "Author", true, false, true}};
    for (const TEntry& entry : accepted) {
      QString said;
      OnNextDialog([&](QDialog& d) { said = Submit(wb, d, entry); });
      wb.Trigger("M1");
      QCOMPARE(said, QStringLiteral("类成员属性添加成功!"));
    }
    const TMemberList members = TMemberDAO().GetMembers(s.book);
    QCOMPARE(members.size(), size_t(4));
    QCOMPARE(members[2].memberLength, 0);  // a date-time keeps no length
    QCOMPARE(wb.GridColumn(1), (QStringList{"note", "photo", "born", "writer"}));
  }

  void aLengthThatIsNoWholeNumberIsRefusedAndTheDialogStaysOpen() {
    TWorkbench wb;
    const TShop s = SeedShop();
    wb.Start();
    QString said;
    bool open = false;
    OnNextDialog([&](QDialog& d) {
      said = Submit(wb, d, {"title", "字符串", true, false, false, "abc"});
      open = d.isVisible();
    });
    wb.Trigger("M1");
    QVERIFY(!said.isEmpty());
    QVERIFY(open);
    QVERIFY(TMemberDAO().GetMembers(s.book).empty());
  }

  void cancelStoresNothing() {
    TWorkbench wb;
    const TShop s = SeedShop();
    AddMember(s.shop, s.book, {"bookId", "整型", 1});
    wb.Start();
    OnNextDialog([&](QDialog& d) {
      Type(d, "Edt_MemberName", "title");
      Click(d, "Button2");
    });
    wb.Trigger("M1");
    QCOMPARE(TMemberDAO().GetMembers(s.book).size(), size_t(1));
    QCOMPARE(wb.GridColumn(1), QStringList{"bookId"});
    QVERIFY(wb.prompt.shown.empty());
  }

  void updateDialogIsFilledFromTheMember() {
    TWorkbench wb;
    const TShop s = SeedShop();
    AddMember(s.shop, s.book, {"bookId", "整型", 1, 1});
    wb.Start();
    wb.SelectRows({0});
    QStringList seen;
    OnNextDialog([&](QDialog& d) {
      seen << d.windowTitle() << QString("%1x%2").arg(d.width()).arg(d.height()) << Text(d, "Edt_MemberName")
           << d.findChild<QComboBox*>("CB_MemberType")->currentText() << Text(d, "Edt_MemberLength")
           << Text(d, "Edt_MemberComment");
      for (const char* box : {"CB_MemberIsPri", "CB_MemberIsMust", "CB_QueryFlag", "CB_MemberIsDisplay",
                              "CB_MemberQueryDisplay"})
        seen << (Checked(d, box) ? "1" : "0");
    });
    wb.Trigger("N3");
    QCOMPARE(seen, (QStringList{"更新成员属性", "372x320", "bookId", "整型", "0", "bookId注释", "1", "1", "0", "1", "1"}));
  }

  void updateDialogShowsNoTypeForAClassThatIsGone() {
    TWorkbench wb;
    const TShop s = SeedShop();
    AddMember(s.shop, s.book, {"ghost", "Ghost"});
    wb.Start();
    wb.SelectRows({0});
    int index = 0;
    OnNextDialog([&](QDialog& d) { index = d.findChild<QComboBox*>("CB_MemberType")->currentIndex(); });
    wb.Trigger("N3");
    QCOMPARE(index, -1);
  }

  void updateDialogRefusesTheKeysTheAddDialogRefusesAndStores() {
    TWorkbench wb;
    const TShop s = SeedShop();
    const int id = AddMember(s.shop, s.book, {"price", "浮点型"});
    wb.Start();
    wb.SelectRows({0});
    QStringList said;
    OnNextDialog([&](QDialog& d) {
      said << Submit(wb, d, {"cost", "浮点型", true, true}) << Submit(wb, d, {"cost", "整型", true, true});
    });
    wb.Trigger("N3");
    QCOMPARE(said, (QStringList{"主键字段必须是整型或字符串型!", "类成员属性更新成功!"}));
    const auto member = TMemberDAO().GetMember(id);
    QCOMPARE(member->memberName, std::string("cost"));
    QCOMPARE(member->memberIsPri, 1);
    QCOMPARE(member->memberIsInteger, 1);
    QCOMPARE(wb.GridColumn(1), QStringList{"cost"});
  }
};

static TRegisterTest<TestMemberDialogs> registered("MemberDialogs");
#include "MemberDialogsTest.moc"
