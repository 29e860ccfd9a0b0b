#include <iostream>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Lookup.h"
#include "metadata/ClassDAO.h"
#include "metadata/ClassEdits.h"

namespace {

struct TClassArgs {
  std::string project, className, friendName;
  std::optional<std::string> newName, newFriendName;
  std::optional<bool> frontShow;
};

const char* const kFrontShowHelp = "是否前台显示";

void AddList(CLI::App* group) {
  auto args = std::make_shared<TClassArgs>();
  auto* list = group->add_subcommand("list", "列出工程的所有类");
  AddProjectArgument(list, args->project);
  auto json = std::make_shared<bool>(false);
  AddJsonFlag(list, *json);
  list->callback([args, json] {
    const TClassDAO dao;
    const TClassList classes = dao.GetClassList(FindProject(args->project).tag);
    if (*json) {
      auto rows = nlohmann::ordered_json::array();
      for (const auto& c : classes)
        rows.push_back({{"classId", c.tag},
                        {"className", c.text},
                        {"friendName", dao.GetFriendName(c.tag)},
                        {"frontShowFlag", dao.GetFrontShowFlag(c.tag)}});
      return PrintJson(rows);
    }
    PrintRow({"编号", "类英文名称", "中文友好名称", "是否前台显示"});
    for (const auto& c : classes)
      PrintRow({std::to_string(c.tag), c.text, dao.GetFriendName(c.tag), YesNo(dao.GetFrontShowFlag(c.tag))});
  });
}

void AddNew(CLI::App* group) {
  auto args = std::make_shared<TClassArgs>();
  auto* add = group->add_subcommand("add", "添加类");
  AddProjectArgument(add, args->project);
  add->add_option("name", args->className, "类英文名称，首字母大写")->required();
  add->add_option("friend-name", args->friendName, "中文友好名称")->required();
  AddSwitch(add, "front-show", args->frontShow, kFrontShowHelp);
  add->callback([args] {
    edits::AddClass(FindProject(args->project).tag,
                    {args->className, args->friendName, args->frontShow.value_or(true) ? 1 : 0});
    std::cout << "类名称添加成功！\n";
  });
}

void AddUpdate(CLI::App* group) {
  auto args = std::make_shared<TClassArgs>();
  auto* update = group->add_subcommand("update", "修改类名、友好名称或前台显示; 未给出的保持原值");
  AddProjectArgument(update, args->project);
  AddClassArgument(update, args->className);
  update->add_option("--name", args->newName, "新的类英文名称; 引用此类的成员类型随之更改");
  update->add_option("--friend-name", args->newFriendName, "新的中文友好名称");
  AddSwitch(update, "front-show", args->frontShow, kFrontShowHelp);
  update->callback([args] {
    const int classId = FindClass(FindProject(args->project).tag, args->className).tag;
    edits::UpdateClass(classId, [&](edits::TClassInput& input) {
      input.className = args->newName.value_or(input.className);
      input.friendName = args->newFriendName.value_or(input.friendName);
      if (args->frontShow) input.frontShowFlag = *args->frontShow ? 1 : 0;
    });
    std::cout << "类名称更新成功\n";
  });
}

void AddDelete(CLI::App* group) {
  auto args = std::make_shared<TClassArgs>();
  auto* del = group->add_subcommand("delete", "删除类和它的所有成员");
  AddProjectArgument(del, args->project);
  AddClassArgument(del, args->className);
  del->callback([args] {
    edits::DeleteClass(FindClass(FindProject(args->project).tag, args->className).tag);
    std::cout << "类对象删除成功!\n";
  });
}

}  // namespace

void AddClassCommands(CLI::App& app, TCliContext&) {
  auto* group = app.add_subcommand("class", "类: list / add / update / delete");
  group->require_subcommand(1);
  AddList(group);
  AddNew(group);
  AddUpdate(group);
  AddDelete(group);
}
