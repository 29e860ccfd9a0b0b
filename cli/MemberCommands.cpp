#include <iostream>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/MemberOptions.h"
#include "cli/MemberTarget.h"
#include "metadata/MemberDAO.h"
#include "metadata/MemberEdits.h"
#include "metadata/ProjectJsonLayout.h"

namespace {

struct TMemberArgs {
  TMemberTarget target;
  TMemberOptions options;
};

void AddList(CLI::App* group) {
  auto target = std::make_shared<TMemberTarget>();
  auto json = std::make_shared<bool>(false);
  auto* list = AddMemberCommand(group, "list", "列出类的所有成员，顺序即生成代码中的顺序", *target);
  AddJsonFlag(list, *json);
  list->callback([target, json] {
    const TMemberList members = TMemberDAO().GetMembers(target->ClassId());
    if (*json) {
      auto rows = nlohmann::ordered_json::array();
      for (const auto& m : members) {
        nlohmann::ordered_json row = {{"memberId", m.memberId}};
        row.update(project_json::MemberToJson(m));
        rows.push_back(std::move(row));
      }
      return PrintJson(rows);
    }
    PrintRow({"编号", "成员名称", "成员类型", "长度", "主键", "必填", "查询", "下拉框显示", "界面显示", "注释"});
    for (const auto& m : members)
      PrintRow({std::to_string(m.memberId), m.memberName, m.memberType, std::to_string(m.memberLength),
                YesNo(m.memberIsPri), YesNo(m.memberIsMust), YesNo(m.queryFlag), YesNo(m.memberIsDisplay),
                YesNo(m.memberQueryDisplay), m.memberComment});
  });
}

void AddNew(CLI::App* group) {
  auto args = std::make_shared<TMemberArgs>();
  auto* add = AddMemberCommand(group, "add", "添加成员", args->target);
  add->add_option("name", args->options.name, "成员名称，首字母小写")->required();
  add->add_option("type", args->options.type, "字符串、整型、浮点型、日期型、图片型，或本工程另一个类的名称")
      ->required();
  AddMemberOptions(add, args->options, false);
  add->callback([args] {
    TMemberInput input;
    ApplyMemberOptions(args->options, input);
    edits::AddMember(args->target.ClassId(), input);
    std::cout << "类成员属性添加成功!\n";
  });
}

void AddUpdate(CLI::App* group) {
  auto args = std::make_shared<TMemberArgs>();
  auto* update = AddMemberCommand(group, "update", "修改成员属性，未给出的保持原值", args->target);
  AddMemberArgument(update, "member", args->target.member);
  AddMemberOptions(update, args->options, true);
  update->callback([args] {
    edits::UpdateMember(args->target.Member().memberId,
                        [&](TMemberInput& input) { ApplyMemberOptions(args->options, input); });
    std::cout << "类成员属性更新成功!\n";
  });
}

void AddDelete(CLI::App* group) {
  auto target = std::make_shared<TMemberTarget>();
  auto* del = AddMemberCommand(group, "delete", "删除成员", *target);
  AddMemberArgument(del, "member", target->member);
  del->callback([target] {
    edits::DeleteMember(target->Member().memberId);
    std::cout << "成员属性删除成功\n";
  });
}

}  // namespace

void AddMemberCommands(CLI::App& app, TCliContext&) {
  auto* group = app.add_subcommand("member", "成员: list / add / update / delete / swap / up / down");
  group->require_subcommand(1);
  AddList(group);
  AddNew(group);
  AddUpdate(group);
  AddDelete(group);
  AddMemberOrderCommands(*group);
}
