#include "cli/ParserTexts.h"

#include <map>
#include <string>
#include <regex>
#include <utility>
#include <vector>

namespace {

constexpr const char* kHelpText = "显示帮助并退出";

// The value types the help page names, with any validator's list after a colon.
const std::map<std::string, std::string> kTypeNames = {
    {"TEXT", "文本"}, {"INT", "整数"}, {"UINT", "非负整数"}, {"FLOAT", "数"}};

void Localize(CLI::App& app) {
  if (CLI::Option* help = app.get_help_ptr()) help->description(kHelpText);
  for (CLI::Option* option : app.get_options()) {
    if (option->get_group() == "Options") option->group("选项");
    const std::string type = option->get_type_name();
    if (const auto found = kTypeNames.find(type.substr(0, type.find(':'))); found != kTypeNames.end())
      option->type_name(found->second);
  }
  for (CLI::App* command : app.get_subcommands({})) {
    if (command->get_group() == "Subcommands") command->group("子命令");
    Localize(*command);
  }
}

// CLI11's messages, each with the Chinese text made of its captured parts.
struct TPattern {
  std::regex english;
  const char* chinese;  // $1, $2 ... stand for the captured parts
};

const std::vector<TPattern>& Patterns() {
  static const std::vector<TPattern> patterns = [] {
    const std::pair<const char*, const char*> texts[] = {
        {"A subcommand is required", "缺少子命令"},
        {"(.+) is required", "缺少必需的参数 $1"},
        {"The following arguments? (?:was|were) not expected: (.*)", "无法识别的参数: $1"},
        {"Could not convert: (.+) = (.*)", "$1 的值 $2 无效"},
        {"The value (.*) is not an allowed value for (.+)", "$1 不是 $2 允许的值"},
        {"(.+): too many inputs for a flag", "$1 是开关, 不能带值"},
        {"(.+): Should be true/false or a number", "$1 的值只能是 true、false 或数字"},
        {"(.+): (.*) not in \\{(.*)\\}", "$1 的值 $2 无效, 只能是 $3 之一"},
        {"Expected exactly (\\d+) arguments to (.+), got (\\d+)", "$2 需要 $1 个值, 实际给了 $3 个"},
        {"Expected at least (\\d+) arguments to (.+), got (\\d+)", "$2 至少需要 $1 个值, 实际给了 $3 个"},
        {"(.+): \\d+ required .* missing", "$1 缺少值"},
        {"(.+): At least (\\d+) required but received (\\d+)", "$1 至少需要 $2 个值, 实际给了 $3 个"},
        {"(.+): At Most (\\d+) required but received (\\d+)", "$1 最多只能有 $2 个值, 实际给了 $3 个"},
        {"(.+) requires (.+)", "$1 需要同时给出 $2"},
        {"(.+) excludes (.+)", "$1 不能与 $2 同时使用"},
        {"(.+): (.*)", "$1 的值无效"},
    };
    std::vector<TPattern> list;
    for (const auto& [english, chinese] : texts) list.push_back({std::regex(english), chinese});
    return list;
  }();
  return patterns;
}

}  // namespace

std::string ChineseParseError(const CLI::Error& error) {
  const std::string english = error.what();
  for (const TPattern& pattern : Patterns()) {
    std::smatch match;
    if (std::regex_match(english, match, pattern.english)) return match.format(pattern.chinese);
  }
  return "命令行参数有误";
}

void UseChineseParserTexts(CLI::App& app) {
  const auto formatter = app.get_formatter();
  for (const auto& [key, text] : {std::pair{"Usage", "用法"}, {"OPTIONS", "选项"}, {"SUBCOMMAND", "子命令"},
                                  {"SUBCOMMANDS", "子命令"}, {"REQUIRED", "必需"}, {"Positionals", "参数"},
                                  {"Needs", "需要"}, {"Excludes", "不能与其同用"}})
    formatter->label(key, text);
  app.failure_message([](const CLI::App*, const CLI::Error& error) {
    return ChineseParseError(error) + "\n用 --help 查看用法。\n";
  });
  Localize(app);
}
