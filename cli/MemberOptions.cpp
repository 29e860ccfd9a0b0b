#include "cli/MemberOptions.h"

#include "cli/Arguments.h"

void AddMemberOptions(CLI::App* command, TMemberOptions& o, bool withIdentity) {
  if (withIdentity) {
    command->add_option("--name", o.name, "新的成员名称");
    command->add_option("--type", o.type, "新的成员类型");
  }
  command->add_option("--length", o.length, "长度 (字符串类型有效)");
  AddSwitch(command, "key", o.key, "是否主键");
  AddSwitch(command, "required", o.required, "是否必填");
  AddSwitch(command, "query", o.query, "是否参与查询");
  AddSwitch(command, "display", o.display, "下拉框显示字段");
  AddSwitch(command, "query-display", o.queryDisplay, "查询界面是否显示");
  command->add_option("--comment", o.comment, "成员注释");
}

void ApplyMemberOptions(const TMemberOptions& o, TMemberInput& in) {
  in.name = o.name.value_or(in.name);
  in.type = o.type.value_or(in.type);
  in.lengthText = o.length.value_or(in.lengthText);
  in.isPri = o.key.value_or(in.isPri);
  in.isMust = o.required.value_or(in.isMust);
  in.queryFlag = o.query.value_or(in.queryFlag);
  in.isDisplay = o.display.value_or(in.isDisplay);
  in.queryDisplay = o.queryDisplay.value_or(in.queryDisplay);
  in.comment = o.comment.value_or(in.comment);
}
