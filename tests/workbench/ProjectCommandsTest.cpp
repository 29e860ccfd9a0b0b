// Every command's message for a missing selection, and the project commands.
#include "TestRegistry.h"
#include "Workbench.h"
#include "metadata/ClassDAO.h"
#include "metadata/ProjectDAO.h"
#include "metadata/SettingsDAO.h"

class TestProjectCommands : public QObject {
  Q_OBJECT

 private slots:
  void everyCommandNamesWhatIsMissingInAnEmptyStore() {
    TWorkbench wb;
    wb.Start();
    const std::vector<std::pair<const char*, QString>> expected{
        {"N1", "当前未有任何项目被选中!"}, {"D1", "未有任何项目被选中!"},     {"A2", "当前未有任何项目被选中!"},
        {"N2", "没有类被选中!"},           {"S1", "没有类被选中!"},           {"M1", "请先选择类对象"},
        {"N3", "请先选择一个成员"},        {"C1", "请先选择一个成员"},        {"D2", "请先选择一个成员"},
        {"E1", "请选中2条记录!"},          {"N5", "请先选择一个成员"},        {"L1", "请先选择一个成员"},
        {"sql1", "当前未有任何项目被选中!"}, {"A1", "没有一个工程被选中！"}, {"G1", "当前未有任何项目被选中!"},
    };
    for (const auto& [action, message] : expected) {
      wb.prompt.shown.clear();
      wb.Trigger(action);
      QCOMPARE(wb.prompt.Texts(), QStringList{message});
      QCOMPARE(wb.prompt.shown[0].kind, QStringLiteral("message"));
    }
    QVERIFY(wb.prompt.asked.empty());
  }

  void newProjectIsAddedListedAndReported() {
    TWorkbench wb;
    AddProject("Shop");
    wb.Start();
    wb.prompt.answers = {"School"};
    wb.Trigger("F2");
    QCOMPARE(wb.prompt.asked.size(), size_t(1));
    QCOMPARE(wb.prompt.asked[0].caption, QStringLiteral("请输入工程名称"));
    QVERIFY(wb.prompt.asked[0].label.isEmpty());
    QVERIFY(wb.prompt.asked[0].value.isEmpty());
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "School"}));
    QCOMPARE(wb.prompt.Texts(), QStringList{"工程名称添加成功！"});
    // projectIndex is still -1: the reload selects the first entry.
    QCOMPARE(wb.Projects()->currentIndex(), 0);
  }

  void cancelledOrTakenNewProjectNameAddsNothing() {
    TWorkbench wb;
    AddProject("Shop");
    wb.Start();
    wb.Trigger("F2");  // no answer queued: the box was cancelled
    wb.prompt.answers = {"shop"};
    wb.Trigger("F2");
    QCOMPARE(wb.prompt.Texts(), (QStringList{"工程名称不能为空!", "该工程名称已经存在!"}));
    QCOMPARE(TProjectDAO().GetAll().size(), size_t(1));
  }

  void renameKeepsTheRenamedEntrySelected() {
    TWorkbench wb;
    AddProject("Shop");
    AddProject("School");
    wb.Start();
    wb.Projects()->setCurrentIndex(1);
    wb.prompt.answers = {"College"};
    wb.Trigger("N1");
    QCOMPARE(wb.prompt.asked[0].caption, QStringLiteral("请输入项目名称"));
    QCOMPARE(wb.prompt.Texts(), QStringList{"工程名称修改成功！"});
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "College"}));
    QCOMPARE(wb.Projects()->currentIndex(), 1);
  }

  void renameRefusesAnEmptyNameAndAnotherProjectsName() {
    TWorkbench wb;
    AddProject("Shop");
    AddProject("School");
    wb.Start();
    wb.Trigger("N1");
    wb.prompt.answers = {"SCHOOL"};
    wb.Trigger("N1");
    QCOMPARE(wb.prompt.Texts(), (QStringList{"工程项目名称不能为空!", "该工程名称已经存在!"}));
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "School"}));
  }

  void deleteAsksAndOnlyCancelKeepsTheProject() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    AddClass(shop, "Book");
    AddProject("School");
    wb.Start();
    wb.prompt.confirmations = {false};
    wb.Trigger("D1");
    QCOMPARE(wb.prompt.shown.size(), size_t(1));
    QCOMPARE(wb.prompt.shown[0].kind, QStringLiteral("confirm"));
    QCOMPARE(wb.prompt.shown[0].text, QStringLiteral("确认删除当前项目吗?"));
    QCOMPARE(wb.prompt.shown[0].caption, QStringLiteral("删除提示"));
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "School"}));

    wb.Trigger("D1");
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("删除成功!"));
    QCOMPARE(wb.ProjectNames(), QStringList{"School"});
    QVERIFY(wb.ClassNames().isEmpty());
    QVERIFY(TClassDAO().GetClassList(shop).empty());
  }

  void pickingAnotherProjectShowsItsClasses() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int school = AddProject("School");
    const int book = AddClass(shop, "Book");
    AddMember(shop, book, {"bookId", "整型", 1});
    const int pupil = AddClass(school, "Pupil");
    AddMember(school, pupil, {"pupilId", "整型", 1});
    AddMember(school, pupil, {"name"});
    wb.Start();
    wb.Projects()->setFocus();
    QTest::keyClick(wb.Projects(), Qt::Key_Down);
    QCOMPARE(wb.window->SelectedProjectId(), school);
    QCOMPARE(wb.ClassNames(), QStringList{"Pupil"});
    QCOMPARE(wb.GridColumn(1), (QStringList{"pupilId", "name"}));
  }

  void namespaceBoxKeepsTheOldValueOnAnEmptyAnswer() {
    TWorkbench wb;
    wb.Start();
    wb.Trigger("S2");
    QCOMPARE(wb.prompt.asked[0].caption, QStringLiteral("命名空间输入框"));
    QCOMPARE(wb.prompt.asked[0].label, QStringLiteral("请输入一个命名空间名如:           "));
    QCOMPARE(wb.prompt.asked[0].value, QStringLiteral("brindlemoor"));
    QCOMPARE(wb.prompt.Texts(), QStringList{"命名空间名输入不能为空!"});
    QCOMPARE(wb.window->NameSpace(), QStringLiteral("brindlemoor"));
    wb.prompt.answers = {"Acme"};
    wb.Trigger("S2");
    QCOMPARE(wb.window->NameSpace(), QStringLiteral("Acme"));
  }

  void settingsDialogShowsAndStoresTheSelectedProjectsSettings() {
    TWorkbench wb;
    AddProject("Shop");
    const int school = AddProject("School");
    wb.Start();
    wb.Projects()->setCurrentIndex(1);
    int shown = -1;
    OnNextDialog([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("生成设置"));
      auto* box = dialog.findChild<QComboBox*>("CB_queryForms");
      shown = box->currentIndex();
      box->setCurrentIndex(1);
      Click(dialog, "Button1");
    });
    wb.Trigger("G1");
    QCOMPARE(shown, 0);
    QCOMPARE(wb.prompt.Texts(), QStringList{"生成设置修改成功！"});
    QVERIFY(TSettingsDAO().GetSettings(school).queryForms == TQueryForms::Full);
    QVERIFY(TSettingsDAO().GetSettings(TProjectDAO().GetProjectId("Shop")) == TGenerationSettings{});
  }

  void importFromTableScriptStoresReportsAndSelectsTheProject() {
    TWorkbench wb;
    AddProject("Shop");
    wb.Start();
    const auto script = wb.home.dir() / "school.sql";
    WriteBytes(script, "create table Pupil (id int identity primary key, name nvarchar(20) not null)\n"
                       "create table Note (x int)");
    wb.Trigger("I1");  // the file dialog cancelled: nothing asked
    QVERIFY(wb.prompt.asked.empty());
    wb.prompt.files = {QString::fromStdString(script.string())};
    wb.prompt.answers = {"School"};
    wb.Trigger("I1");
    QCOMPARE(wb.prompt.asked.back().value, QStringLiteral("school"));
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "School"}));
    QCOMPARE(wb.Projects()->currentIndex(), 1);
    QCOMPARE(wb.ClassNames(), QStringList{"Pupil"});
    QCOMPARE(wb.prompt.shown.back().kind, QStringLiteral("information"));
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("跳过表 Note (第 2 行): 没有主键: 生成的程序按一个主键列查找、修改和删除记录; "
                                                  "可以给表加一个 IDENTITY 列作主键后再导入\n"
                                                  "表 Pupil (第 1 行) 没有 MS_Description 说明: 友好名称和成员说明由名称生成\n"
                                                  "导入表 Pupil (第 1 行) 为类 Pupil (2 个成员)\n"
                                                  "已导入工程 School"));

    WriteBytes(script, "create table A (\n id int primary key,\n x varchar(9) default 'oops\n)");
    wb.prompt.files = {QString::fromStdString(script.string())};
    wb.prompt.answers = {"Bad"};
    wb.Trigger("I1");
    QCOMPARE(wb.prompt.shown.back().kind, QStringLiteral("message"));
    QVERIFY(wb.prompt.LastText().startsWith(QStringLiteral("第 3 行: 字符串没有结束")));
    QCOMPARE(wb.ProjectNames(), (QStringList{"Shop", "School"}));
  }
};

static TRegisterTest<TestProjectCommands> registered("ProjectCommands");
#include "ProjectCommandsTest.moc"
