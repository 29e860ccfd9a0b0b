#include <iostream>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Lookup.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectEdits.h"
#include "metadata/SettingsDAO.h"

namespace {

void AddList(CLI::App* project) {
  auto json = std::make_shared<bool>(false);
  auto* list = project->add_subcommand("list", "列出所有工程");
  AddJsonFlag(list, *json);
  list->callback([json] {
    const auto projects = TProjectDAO().GetAll();
    if (*json) {
      auto rows = nlohmann::ordered_json::array();
      for (const auto& p : projects) rows.push_back({{"projectId", p.tag}, {"projectName", p.text}});
      return PrintJson(rows);
    }
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

// Without options it prints every setting as "option<TAB>word"; with options
// it changes the named ones, after checking all of them.
void AddSettings(CLI::App* project) {
  struct TArgs {
    std::string project;
    std::map<std::string, std::string> words;  // option -> word typed
  };
  auto args = std::make_shared<TArgs>();
  auto* settings = project->add_subcommand("settings", "显示或修改工程的生成设置");
  AddProjectArgument(settings, args->project);
  for (const auto& field : kSettingFields)
    settings->add_option_function<std::string>(
        std::string("--") + field.option, [args, &field](const std::string& word) { args->words[field.option] = word; },
        std::string(field.caption) + ": " + generation_settings::WordsOf(field));
  settings->callback([args] {
    const int projectId = FindProject(args->project).tag;
    std::vector<std::pair<const TSettingField*, int>> choices;
    for (const auto& field : kSettingFields) {
      const auto typed = args->words.find(field.option);
      if (typed == args->words.end()) continue;
      const int choice = generation_settings::ChoiceOf(field, typed->second);
      if (choice < 0)
        throw TCliExit(2, "--" + std::string(field.option) + " 的值 " + typed->second + " 无效, 应为 " +
                              generation_settings::WordsOf(field) + " 之一");
      choices.emplace_back(&field, choice);
    }
    if (!choices.empty()) {
      edits::ChangeSettings(projectId, [&](TGenerationSettings& values) {
        for (const auto& [field, choice] : choices) field->set(values, choice);
      });
      std::cout << "生成设置修改成功！\n";
      return;
    }
    const TGenerationSettings values = TSettingsDAO().GetSettings(projectId);
    for (const auto& field : kSettingFields) PrintRow({field.option, generation_settings::WordOf(field, values)});
  });
}

}  // namespace

void AddProjectCommands(CLI::App& app, TCliContext&) {
  auto* project = app.add_subcommand("project", "工程: list / add / rename / delete / settings");
  project->require_subcommand(1);
  AddList(project);
  AddNew(project);
  AddRename(project);
  AddDelete(project);
  AddSettings(project);
}
