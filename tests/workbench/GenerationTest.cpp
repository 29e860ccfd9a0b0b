// Generation from the window: the preview, live progress, the completion
// message and the output folder, a failed check, a failed run, a second start
// refused, and the window closed during the preview or the run.
#include <QApplication>
#include <QDeadlineTimer>
#include <algorithm>

#include "TestRegistry.h"
#include "metadata/ProjectDAO.h"
#include "metadata/SettingsDAO.h"
#include "Workbench.h"

namespace fs = std::filesystem;

class TestGeneration : public QObject {
  Q_OBJECT

 private:
  // Shop with Book: a key and a display member, so every check passes.
  static void SeedValidShop() {
    const int shop = AddProject("Shop");
    const int book = AddClass(shop, "Book");
    AddMember(shop, book, {"bookId", "整型", 1});
    AddMember(shop, book, {"title", "字符串", 0, 1});
  }

  static bool Shown(const TWorkbench& wb, const QString& kind) {
    for (const TShown& s : wb.prompt.shown)
      if (s.kind == kind) return true;
    return false;
  }

 private slots:
  void runShowsProgressThenCompletionThenOpensTheFolder() {
    TWorkbench wb;
    SeedValidShop();
    wb.Start();
    wb.Progress()->setPlainText("an earlier run");
    QStringList progressAtCompletion;
    wb.prompt.onShown = [&](const TShown& s) {
      if (s.kind == "information") progressAtCompletion = wb.Progress()->toPlainText().split('\n');
    };
    wb.Trigger("A1");
    QCOMPARE(wb.prompt.Texts(), QStringList{"如果以前生成了该项目，最好先删除原来的目录!"});
    QTRY_VERIFY_WITH_TIMEOUT(Shown(wb, "information"), 60000);
    const TShown& done = wb.prompt.shown.back();
    QCOMPARE(done.text, QStringLiteral("所有代码生成完毕!"));
    QCOMPARE(done.caption, QStringLiteral("任务提示"));
    // Every line had reached the box before the completion message came.
    QVERIFY(progressAtCompletion.contains("projects/Shop/Model/Book.vb生成完毕!"));
    QVERIFY(progressAtCompletion.contains("正在移动资源文件。。。"));
    QCOMPARE(progressAtCompletion.back(), QStringLiteral("移动资源文件完毕!"));
    QVERIFY(!progressAtCompletion.contains("an earlier run"));
    QTRY_COMPARE(wb.shell.opened.size(), size_t(1));
    QCOMPARE(wb.shell.opened[0], QUrl::fromLocalFile(QString::fromStdString((wb.home.dir() / "projects/Shop").string())));
    QVERIFY(fs::exists(wb.home.dir() / "projects/Shop/Shop.sln"));
  }

  void failedKeyCheckNamesTheClassWritesNothingAndRefusesASecondStart() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int book = AddClass(shop, "Book");
    AddMember(shop, book, {"title", "字符串", 0, 1});
    wb.Start();
    QString whileShown;
    wb.prompt.onShown = [&](const TShown& s) {
      if (!s.text.endsWith("表主键设置错误，每个类只能设置一个主键!")) return;
      // The run waits for this message; a second start meanwhile is refused.
      wb.prompt.onShown = nullptr;
      wb.Trigger("A1");
      whileShown = wb.prompt.LastText();
    };
    wb.Trigger("A1");
    QTRY_VERIFY_WITH_TIMEOUT(!whileShown.isEmpty(), 60000);
    QCOMPARE(wb.prompt.Texts(), (QStringList{"如果以前生成了该项目，最好先删除原来的目录!",
                                             "Book表主键设置错误，每个类只能设置一个主键!",
                                             "代码正在生成中，请等待本次生成结束后再开始新的生成!"}));
    QCOMPARE(whileShown, QStringLiteral("代码正在生成中，请等待本次生成结束后再开始新的生成!"));
    QVERIFY(wb.Progress()->toPlainText().isEmpty());
    QVERIFY(!fs::exists(wb.home.dir() / "projects"));
    QVERIFY(wb.shell.opened.empty());

    // Once the run has ended a new one starts.
    wb.prompt.shown.clear();
    wb.Trigger("A1");
    QTRY_COMPARE_WITH_TIMEOUT(wb.prompt.shown.size(), size_t(2), 60000);
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("Book表主键设置错误，每个类只能设置一个主键!"));
  }

  void failedDisplayCheckNamesTheClass() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int book = AddClass(shop, "Book");
    AddMember(shop, book, {"bookId", "整型", 1});
    wb.Start();
    wb.Trigger("A1");
    QTRY_COMPARE_WITH_TIMEOUT(wb.prompt.shown.size(), size_t(2), 60000);
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("Book表显示成员设置错误，每个类有且只能设置一个显示成员!"));
    QVERIFY(!fs::exists(wb.home.dir() / "projects"));
  }

  void anErrorThatStopsTheRunIsShown() {
    TWorkbench wb;
    SeedValidShop();
    fs::remove(wb.home.dir() / "template/project_name.sln");
    wb.Start();
    wb.Trigger("A1");
    QTRY_VERIFY_WITH_TIMEOUT(Shown(wb, "error"), 60000);
    QVERIFY(wb.prompt.LastText().startsWith("代码生成失败: "));
    QVERIFY(wb.Progress()->toPlainText().endsWith(wb.prompt.LastText()));
    QVERIFY(!Shown(wb, "information"));
    QVERIFY(wb.shell.opened.empty());
  }

  // In merge mode there is no warning; the preview is worked out off the
  // window's thread while the window says so, lists every file, and 取消 writes nothing.
  void mergeModePreviewsTheRunAndCancelWritesNothing() {
    TWorkbench wb;
    SeedValidShop();
    TGenerationSettings settings;
    settings.edits = TEditMode::Merge;
    TSettingsDAO().SaveSettings(TProjectDAO().GetProjectId("Shop"), settings);
    wb.Start();
    wb.prompt.previewAnswers.push_back(false);
    wb.Trigger("A1");
    QVERIFY(wb.prompt.Texts().isEmpty());
    QVERIFY(wb.prompt.previews.empty());
    QCOMPARE(wb.Progress()->toPlainText(), QStringLiteral("正在计算本次生成将改动的文件，请稍候..."));
    wb.Trigger("A1");
    QCOMPARE(wb.prompt.LastText(), QStringLiteral("代码正在生成中，请等待本次生成结束后再开始新的生成!"));
    QTRY_COMPARE_WITH_TIMEOUT(wb.prompt.previews.size(), size_t(1), 60000);
    QVERIFY(wb.Progress()->toPlainText().isEmpty());
    const auto& files = wb.prompt.previews[0];
    QVERIFY(std::any_of(files.begin(), files.end(), [](const TFileReport& f) {
      return f.path == "projects/Shop/Model/Book.vb" && f.state == TFileState::New && !f.diff.empty();
    }));
    QVERIFY(!fs::exists(wb.home.dir() / "projects"));
    QVERIFY(wb.shell.opened.empty());
  }

  void closingTheWindowDuringARunWaitsForIt() {
    TWorkbench wb;
    SeedValidShop();
    wb.Start();
    wb.Trigger("A1");
    // Until the preview is answered, which starts the run, and not much longer.
    for (QDeadlineTimer deadline(60000); wb.prompt.previews.empty() && !deadline.hasExpired();) QTest::qWait(1);
    QCOMPARE(wb.prompt.previews.size(), size_t(1));
    wb.window.reset();
    QVERIFY(!Shown(wb, "information"));
    QVERIFY(fs::exists(wb.home.dir() / "projects/Shop/Shop.sln"));
  }

  // The preview's dry run is stopped, nothing is shown and nothing written.
  void closingTheWindowDuringThePreviewStopsIt() {
    TWorkbench wb;
    SeedValidShop();
    wb.Start();
    wb.Trigger("A1");
    wb.window.reset();
    QTest::qWait(50);
    QVERIFY(wb.prompt.previews.empty());
    QVERIFY(!fs::exists(wb.home.dir() / "projects"));
  }
};

static TRegisterTest<TestGeneration> registered("Generation");
#include "GenerationTest.moc"
