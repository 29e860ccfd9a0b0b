// The script window: its frame, its text rebuilt on every show, Ctrl+A.
#include <QPlainTextEdit>
#include <QScrollBar>

#include "TestRegistry.h"
#include "Workbench.h"
#include "generator/sql/DataBaseSql.h"

class TestScriptWindow : public QObject {
  Q_OBJECT

 private:
  static QPlainTextEdit* Memo(QDialog& dialog) { return dialog.findChild<QPlainTextEdit*>("Memo_Sql"); }

 private slots:
  void showsTheProjectsScriptInAnEditableBox() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int book = AddClass(shop, "Book");
    AddMember(shop, book, {"bookId", "整型", 1});
    wb.Start();
    QString title, text;
    QSize size;
    bool editable = false, scrollBar = false, fills = false;
    OnNextDialog([&](QDialog& d) {
      title = d.windowTitle();
      size = d.size();
      text = Memo(d)->toPlainText();
      editable = !Memo(d)->isReadOnly();
      scrollBar = Memo(d)->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
      fills = Memo(d)->geometry() == d.rect();
    });
    wb.Trigger("sql1");
    QCOMPARE(title, QStringLiteral("数据库建表sql语句"));
    QCOMPARE(size, QSize(766, 551));
    QVERIFY(editable);
    QVERIFY(scrollBar);
    QVERIFY(fills);
    QVERIFY(text.startsWith("GO\n\nif exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[P_PasswordType]')"));
    QVERIFY(text.contains("CREATE TABLE [dbo].[Book] (\n"));
    QVERIFY(!text.contains('\r'));
    QCOMPARE(text, QString::fromStdString(BuildTableScript(shop)).replace("\r\n", "\n"));
  }

  void everyShowRebuildsTheScript() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    wb.Start();
    QString first, second;
    OnNextDialog([&](QDialog& d) { first = Memo(d)->toPlainText(); });
    wb.Trigger("sql1");
    const int pen = AddClass(shop, "Pen");
    AddMember(shop, pen, {"penId", "整型", 1});
    OnNextDialog([&](QDialog& d) { second = Memo(d)->toPlainText(); });
    wb.Trigger("sql1");
    QVERIFY(!first.contains("[Pen]"));
    QVERIFY(second.contains("CREATE TABLE [dbo].[Pen] ("));
  }

  void ctrlASelectsTheWholeText() {
    TWorkbench wb;
    AddProject("Shop");
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    int selected = -1, total = 0;
    OnNextDialog([&](QDialog& d) {
      QPlainTextEdit* memo = Memo(d);
      memo->setFocus();
      QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
      selected = memo->textCursor().selectedText().size();
      total = memo->toPlainText().size();
    });
    wb.Trigger("sql1");
    QVERIFY(total > 0);
    QCOMPARE(selected, total);
  }
};

static TRegisterTest<TestScriptWindow> registered("ScriptWindow");
#include "ScriptWindowTest.moc"
