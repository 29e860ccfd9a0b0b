// vbgen-workbench: the desktop window of the code generator.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "metadata/DbHelper.h"
#include "metadata/HomeFolder.h"
#include "platform/Platform.h"
#include "workbench/MainForm.h"
#include "workbench/QtPrompt.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(VBGEN_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("vbgen-workbench - 代码生成器的桌面窗口"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption homeOption(
      QStringLiteral("home"),
      QStringLiteral("主目录: 存放 projects.db、template/、bak/ 和生成的 projects/ (默认: 程序所在目录)"),
      QStringLiteral("DIR"));
  parser.addOption(homeOption);
  parser.process(app);

  const fs::path home =
      parser.isSet(homeOption)
          ? platform::PathFromUtf8(QDir(parser.value(homeOption)).absolutePath().toStdString())
          : home_folder::DefaultHome(platform::ExecutableFolder());
  TDbHelper::SetDatabaseFile(home / "projects.db");

  TQtPrompt prompt;
  TDesktopShell shell;
  TFormMain window(home, prompt, shell);
  window.show();
  return app.exec();
}
