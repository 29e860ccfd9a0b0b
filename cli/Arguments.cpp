#include "cli/Arguments.h"

#include <iostream>

void AddProjectArgument(CLI::App* command, std::string& project) {
  command->add_option("project", project, "工程名称，或 @编号")->required();
}

void AddClassArgument(CLI::App* command, std::string& className) {
  command->add_option("class", className, "类英文名称，或 @编号")->required();
}

void AddMemberArgument(CLI::App* command, const std::string& name, std::string& member) {
  command->add_option(name, member, "成员名称，或 @编号")->required();
}

void AddSwitch(CLI::App* command, const std::string& name, std::optional<bool>& value, const std::string& help) {
  auto* on = command->add_flag_callback("--" + name, [&value] { value = true; }, "勾选「" + help + "」");
  auto* off = command->add_flag_callback("--no-" + name, [&value] { value = false; }, "不勾选「" + help + "」");
  on->excludes(off);
}

void AddJsonFlag(CLI::App* command, bool& json) { command->add_flag("--json", json, "输出 JSON (UTF-8, 键名与工程文件相同)"); }

// A stored text that is no UTF-8 is printed with U+FFFD rather than failing the listing.
void PrintJson(const nlohmann::ordered_json& value) {
  std::cout << value.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

void PrintRow(const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) std::cout << (i == 0 ? "" : "\t") << cells[i];
  std::cout << "\n";
}

std::string YesNo(int flag) { return flag == 1 ? "是" : "否"; }
