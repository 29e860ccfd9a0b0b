#include <iostream>

#include "cli/Commands.h"
#include "metadata/ProjectDAO.h"

void AddProjectCommands(CLI::App& app, TCliContext&) {
  auto* project = app.add_subcommand("project", "项目: list / add / rename / delete");
  project->require_subcommand(1);
  auto* list = project->add_subcommand("list", "列出所有项目");
  list->callback([] {
    for (const auto& p : TProjectDAO().GetAll()) std::cout << p.tag << "  " << p.text << "\n";
  });
}
