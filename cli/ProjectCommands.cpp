#include <iostream>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Lookup.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectEdits.h"

namespace {

void AddList(CLI::App* project) {
  project->add_subcommand("list", "列出所有工程")->callback([] {
    const TNameList projects = TProjectDAO().GetAll();
    PrintRow({"编号", "工程名称"});
    for (const auto& p : projects) PrintRow({std::to_string(p.tag), p.text});
  });
}

void AddNew(CLI::App* project) {
  auto name = std::make_shared<std::string>();
  auto* add = project->add_subcommand("add", "新建工程");
  add->add_option("name", *name, "工程名称")->required();
  add->callback([name] {
    edits::AddProject(*name);
    std::cout << "工程名称添加成功！\n";
  });
}

void AddRename(CLI::App* project) {
  struct TArgs {
    std::string project, newName;
  };
  auto args = std::make_shared<TArgs>();
  auto* rename = project->add_subcommand("rename", "修改工程名称");
  AddProjectArgument(rename, args->project);
  rename->add_option("new-name", args->newName, "新的工程名称")->required();
  rename->callback([args] {
    edits::RenameProject(FindProject(args->project).tag, args->newName);
    std::cout << "工程名称修改成功！\n";
  });
}

void AddDelete(CLI::App* project) {
  auto name = std::make_shared<std::string>();
  auto* del = project->add_subcommand("delete", "删除工程和它的所有类与成员");
  AddProjectArgument(del, *name);
  del->callback([name] {
    edits::DeleteProject(FindProject(*name).tag);
    std::cout << "删除成功!\n";
  });
}

}  // namespace

void AddProjectCommands(CLI::App& app, TCliContext&) {
  auto* project = app.add_subcommand("project", "工程: list / add / rename / delete");
  project->require_subcommand(1);
  AddList(project);
  AddNew(project);
  AddRename(project);
  AddDelete(project);
}
