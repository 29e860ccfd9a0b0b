#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "generator/DataBaseSql.h"
#include "metadata/ProjectDAO.h"

void AddSqlCommand(CLI::App& app, TCliContext&) {
  auto* sql = app.add_subcommand("sql", "打印项目的 SQL Server 建表脚本 (CR LF 行尾, UTF-8), 与建表sql语句窗口显示的完全相同");
  auto project = std::make_shared<std::string>();
  sql->add_option("PROJECT", *project, "工程名称")->required();
  sql->callback([project] {
    const int projectId = TProjectDAO().GetProjectId(*project);
    if (projectId < 0) throw TCliExit(2, "工程不存在: " + *project);
    std::cout << BuildTableScript(projectId) << std::flush;
  });
}
