#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "generator/sql/DataBaseSql.h"
#include "cli/Lookup.h"

void AddSqlCommand(CLI::App& app, TCliContext&) {
  auto* sql = app.add_subcommand("sql", "打印项目的 SQL Server 建表脚本 (CR LF 行尾, UTF-8), 与建表sql语句窗口显示的完全相同");
  auto project = std::make_shared<std::string>();
  sql->add_option("PROJECT", *project, "工程名称")->required();
  sql->callback([project] {
    std::cout << BuildTableScript(FindProject(*project).tag) << std::flush;
  });
}
