// Runs one workbench test class, named by the first argument, or all of them.
#include <QApplication>
#include <QTest>

#include "TestRegistry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString only = argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1]) : QString();
  std::vector<char*> args{argv[0]};
  for (int i = only.isEmpty() ? 1 : 2; i < argc; ++i) args.push_back(argv[i]);

  int failures = 0;
  bool found = false;
  for (const auto& [name, make] : TestRegistry()) {
    if (!only.isEmpty() && name != only) continue;
    found = true;
    std::unique_ptr<QObject> test = make();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  if (!found) qFatal("no test class named %s", qPrintable(only));
  return failures == 0 ? 0 : 1;
}
