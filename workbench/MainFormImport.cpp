// 从建表脚本导入…: a new project from a SQL Server table script.
#include <QFileInfo>

#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJson.h"
#include "metadata/sqlimport/SqlImport.h"
#include "metadata/sqlimport/SqlTableModel.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "workbench/Guard.h"
#include "workbench/MainForm.h"

namespace {

// The new project's place in the project box after the reload.
int IndexOf(int projectId) {
  const auto projects = TProjectDAO().GetAll();
  for (std::size_t i = 0; i < projects.size(); ++i)
    if (projects[i].tag == projectId) return static_cast<int>(i);
  return -1;
}

}  // namespace

void TFormMain::I1Click() {
  Guarded(prompt_, this, [this] {
    const QString file = prompt_.OpenFile(this, QStringLiteral("从建表脚本导入"),
                                          QStringLiteral("SQL 脚本 (*.sql);;所有文件 (*)"));
    if (file.isEmpty()) return;
    const QString name = prompt_.Input(this, QStringLiteral("请输入新工程的名称"), QString(),
                                       QFileInfo(file).completeBaseName());
    if (name.isEmpty()) return;
    std::string bytes;
    try {
      bytes = platform::ReadFile(platform::PathFromUtf8(file.toStdString()));
    } catch (const std::filesystem::filesystem_error&) {
      return prompt_.Message(this, QStringLiteral("无法读取文件: ") + file);
    }
    TSqlImportResult result;
    try {
      result = ImportSqlScript(bytes, TSourceEncoding::Detect, name.toStdString());
    } catch (const TSqlScriptError& e) {
      return prompt_.Message(this, QString::fromStdString(e.what()));
    } catch (const TProjectFileError& e) {
      return prompt_.Message(this, QString::fromStdString(e.what()));
    }
    projectIndex_ = IndexOf(result.project.tag);
    LoadProjects();
    QString report;
    for (const auto& line : result.report) report += QString::fromStdString(line) + "\n";
    prompt_.Information(this, report + QStringLiteral("已导入工程 ") + name, QStringLiteral("导入完成"));
  });
}
