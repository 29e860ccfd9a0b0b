#pragma once
// Arguments and output shapes shared by the editing commands.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

void AddProjectArgument(CLI::App* command, std::string& project);
void AddClassArgument(CLI::App* command, std::string& className);
void AddMemberArgument(CLI::App* command, const std::string& name, std::string& member);

// A check box of a dialog: --NAME ticks it, --no-NAME clears it, neither leaves
// it unset. help is the box's caption.
void AddSwitch(CLI::App* command, const std::string& name, std::optional<bool>& value, const std::string& help);

// --json: the command prints JSON for scripts (UTF-8, the project file's keys).
void AddJsonFlag(CLI::App* command, bool& json);
// value, two-space indented, and a newline.
void PrintJson(const nlohmann::ordered_json& value);

// One line of a list: cells separated by tabs, as a spreadsheet pastes them.
void PrintRow(const std::vector<std::string>& cells);
// How the workbench shows a stored flag: "是" for 1, "否" for anything else.
std::string YesNo(int flag);
