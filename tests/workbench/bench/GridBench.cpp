// How long the main window takes to show a class with 2000 members: the grid
// is refilled on every class click and after every member command.
//   build-test/bench/bench_workbench_grid   (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QApplication>
#include <QTest>

#include "../Fakes.h"
#include "../Workbench.h"
#include "metadata/DbHelper.h"
#include "metadata/MemberDAO.h"

class BenchGrid : public QObject {
  Q_OBJECT

 private slots:
  void loadMembersOf2000() {
    TWorkbench wb;
    const int shop = AddProject("Shop");
    const int big = AddClass(shop, "Big");
    TDbHelper::InTransaction([&] {
      for (int i = 0; i < 2000; ++i) {
        TMember m;
        m.projectId = shop;
        m.classId = big;
        m.memberName = "member" + std::to_string(i);
        m.memberType = member_type::kString;
        m.memberLength = 50;
        m.memberComment = "第" + std::to_string(i) + "个成员";
        TMemberDAO().AddMember(m);
      }
    });
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
