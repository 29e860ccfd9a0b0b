// The main window as it starts: components, captions, columns, menus, the
// start-up state and the about page.
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QTimer>

#include "TestRegistry.h"
#include "Workbench.h"

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void windowHasItsTitleAndFixedClientSize() {
    TWorkbench wb;
    wb.Start();
    QCOMPARE(wb.window->windowTitle(), QStringLiteral("brindlemoorvb.net代码生成器2.0版"));
    QCOMPARE(wb.window->centralWidget()->size(), QSize(783, 547));
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QCOMPARE(wb.window->minimumSize(), wb.window->maximumSize());
    QVERIFY(!(wb.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(wb.Find<QGroupBox>("GroupBox1")->title(), QStringLiteral("项目操作区"));
    QCOMPARE(wb.Find<QGroupBox>("GroupBox2")->title(), QStringLiteral("生成进度"));
    QCOMPARE(wb.Find<QGroupBox>("GroupBox2")->height(), 152);
    QCOMPARE(wb.Find<QWidget>("Image1")->height(), 89);
    QCOMPARE(wb.Find<QWidget>("Image1")->cursor().shape(), Qt::PointingHandCursor);
  }

  void componentsHaveTheirSettings() {
    TWorkbench wb;
    wb.Start();
    QVERIFY(!wb.Projects()->isEditable());
    QCOMPARE(wb.Classes()->geometry(), QRect(8, 64, 153, 241));
    TMemberGrid* grid = wb.Grid();
    QCOMPARE(grid->geometry(), QRect(162, 16, 617, 281));
    QCOMPARE(grid->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(grid->showGrid());
    QCOMPARE(wb.Progress()->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(wb.Progress()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void gridHasTenColumnsWithTheirWidths() {
    TWorkbench wb;
    wb.Start();
    const QStringList captions{"编号", "成员名称", "成员类型", "长度", "主键", "必填", "查询", "下拉框显示", "界面显示", "注释"};
    const QList<int> widths{1, 90, 70, 50, 50, 50, 50, 75, 60, 110};
    TMemberGrid* grid = wb.Grid();
    QCOMPARE(grid->model()->columnCount(), 10);
    for (int i = 0; i < 10; ++i) {
      QCOMPARE(grid->model()->headerData(i, Qt::Horizontal).toString(), captions[i]);
      QCOMPARE(grid->columnWidth(i), widths[i]);
    }
    // Refilling the grid keeps them.
    const int projectId = AddProject("Shop");
    const int classId = AddClass(projectId, "Book");
    AddMember(projectId, classId, {"bookId", "整型", 1});
    wb.window->LoadMembers(classId);
    wb.window->LoadMembers(classId);
    QCOMPARE(grid->rowCount(), 1);
    for (int i = 0; i < 10; ++i) QCOMPARE(grid->columnWidth(i), widths[i]);
  }

  void gridRowShowsEveryFieldOfAMember() {
    TWorkbench wb;
    const int projectId = AddProject("Shop");
    const int classId = AddClass(projectId, "Book");
    const int keyId = AddMember(projectId, classId, {"bookId", "整型", 1, 0});
    AddMember(projectId, classId, {"title", "字符串", 0, 1, 40});
    wb.Start();
    QCOMPARE(wb.GridColumn(0), (QStringList{QString::number(keyId), QString::number(keyId + 1)}));
    QCOMPARE(wb.GridColumn(1), (QStringList{"bookId", "title"}));
    QCOMPARE(wb.GridColumn(2), (QStringList{"整型", "字符串"}));
    QCOMPARE(wb.GridColumn(3), (QStringList{"0", "40"}));
    QCOMPARE(wb.GridColumn(4), (QStringList{"是", "否"}));
    QCOMPARE(wb.GridColumn(5), (QStringList{"是", "是"}));
    QCOMPARE(wb.GridColumn(6), (QStringList{"否", "否"}));
    QCOMPARE(wb.GridColumn(7), (QStringList{"否", "是"}));
    QCOMPARE(wb.GridColumn(8), (QStringList{"是", "是"}));
    QCOMPARE(wb.GridColumn(9), (QStringList{"bookId注释", "title注释"}));
  }

  void menusCarryTheirCaptionsInOrder() {
    TWorkbench wb;
    wb.Start();
    const QList<QAction*> menus = wb.window->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("项目操作(&P)"));
    QCOMPARE(menus[1]->text(), QStringLiteral("代码管理(&A)"));
    auto captions = [](QMenu* menu) {
      QStringList texts;
      for (QAction* item : menu->actions()) texts << item->objectName() + "=" + item->text();
      return texts;
    };
    QCOMPARE(captions(menus[0]->menu()),
             (QStringList{"F2=新建项目(&F)", "N1=修改项目名称(&X)", "D1=删除当前项目(&D)", "I1=从建表脚本导入…", "A2=添加类(&A)",
                          "N2=修改类名(&B)", "S1=删除类(&S)", "M1=添加成员(&M)", "N3=修改成员属性(&E)",
                          "C1=删除成员(&C)"}));
    QCOMPARE(captions(menus[1]->menu()),
             (QStringList{"sql1=生成建表sql语句", "S2=设置命名空间(&S)", "A1=自动生成代码(&A)", "G1=生成设置(&G)"}));
    QVERIFY(!wb.Find<QAction>("S2")->isVisible());
    QVERIFY(wb.Find<QAction>("A1")->isVisible());
    QCOMPARE(captions(wb.Find<QMenu>("PopupMenu1")),
             (QStringList{"D2=删除成员(&D)", "E1=成员交换(&E)", "N5=成员上移(&U)", "L1=成员下移(&L)"}));
    QCOMPARE(wb.Grid()->contextMenuPolicy(), Qt::CustomContextMenu);
  }

  void startUpSelectsTheFirstProjectAndItsFirstClass() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    AddProject("School");
    const int book = AddClass(shop, "Book");
    AddClass(shop, "Author");
    AddMember(shop, book, {"bookId", "整型", 1});
    wb.Start();
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "School"}));
    QCOMPARE(wb.window->SelectedProjectId(), shop);
    QCOMPARE(wb.ClassNames(), (QStringList{"Book", "Author"}));
    QCOMPARE(wb.window->SelectedClassId(), book);
    QCOMPARE(wb.GridColumn(1), QStringList{"bookId"});
    QCOMPARE(wb.window->NameSpace(), QStringLiteral("brindlemoor"));
    QVERIFY(wb.prompt.shown.empty());
  }

  void anEmptyStoreLeavesEveryListEmpty() {
    TWorkbench wb;
    wb.Start();
    QCOMPARE(wb.Projects()->count(), 0);
    QCOMPARE(wb.Classes()->count(), 0);
    QCOMPARE(wb.Grid()->rowCount(), 0);
  }

  void timerOpensTheAboutPageOnceAfterFiveSeconds() {
    TTempHome home;
    TFakePrompt prompt;
    TFakeShell shell;
    TFormMain window(home.dir(), prompt, shell);
    auto* timer = window.findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QVERIFY(!timer->isActive());
    QCOMPARE(shell.opened.size(), size_t(1));
    QCOMPARE(shell.opened[0], QUrl::fromLocalFile(QString::fromStdString((home.dir() / "about.html").string())));
  }

  void bannerClickOpensTheAboutPage() {
    TWorkbench wb;
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QTest::mouseClick(wb.Find<QWidget>("Image1"), Qt::LeftButton);
    QCOMPARE(wb.shell.opened.size(), size_t(1));
    QVERIFY(wb.shell.opened[0].toLocalFile().endsWith("/about.html"));
  }

  void aMissingStoreIsReportedNamingTheFile() {
    TTempHome home;
    std::filesystem::remove(home.database());
    TFakePrompt prompt;
    TFakeShell shell;
    TFormMain window(home.dir(), prompt, shell);
    QCOMPARE(prompt.shown.size(), size_t(1));
    QCOMPARE(prompt.shown[0].kind, QStringLiteral("error"));
    QVERIFY(prompt.shown[0].text.contains("projects.db"));
  }
};

static TRegisterTest<TestMainWindow> registered("MainWindow");
#include "MainWindowTest.moc"
