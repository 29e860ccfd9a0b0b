// How long the main window takes to show a class with 2000 members: the grid
// is refilled on every class click and after every member command.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_workbench_grid
#include <QApplication>
#include <QTest>

#include "../Fakes.h"
#include "../Workbench.h"

class BenchGrid : public QObject {
  Q_OBJECT

 private slots:
  void loadMembersOf2000() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int big = AddClass(shop, "Big");
    AddMember(shop, big, {"bigId", "整型", 1, 1});
    for (int i = 1; i < 2000; ++i) AddMember(shop, big, {"member" + std::to_string(i)});
    wb.Start();
    wb.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(wb.window.get()));
    QBENCHMARK { wb.window->LoadMembers(big); }
    QCOMPARE(wb.Grid()->rowCount(), 2000);
  }
};

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BenchGrid bench;
  return QTest::qExec(&bench, argc, argv);
}

#include "GridBench.moc"
