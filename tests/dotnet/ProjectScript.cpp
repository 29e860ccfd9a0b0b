#include "ProjectScript.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "support/RunVbgen.h"
#include "support/TempHome.h"

TProjectScript::TProjectScript(std::string project) : project_(std::move(project)) {
  commands_.push_back({"project", "add", project_});
}

TProjectScript& TProjectScript::Class(const std::string& name, const std::string& friendName) {
  classes_.push_back(name);
  specs_.push_back({name, friendName, {}});
  commands_.push_back({"class", "add", project_, name, friendName});
  return *this;
}

TProjectScript& TProjectScript::Member(const std::string& className, const TMemberSpec& m) {
  std::vector<std::string> command = {"member", "add", project_, className, m.name, m.type};
  if (!m.length.empty()) command.insert(command.end(), {"--length", m.length});
  if (m.key) command.push_back("--key");
  if (m.required) command.push_back("--required");
  if (m.query) command.push_back("--query");
  if (m.display) command.push_back("--display");
  if (!m.queryDisplay) command.push_back("--no-query-display");
  command.insert(command.end(), {"--comment", m.comment});
  commands_.push_back(command);
  for (auto& spec : specs_)
    if (spec.name == className) spec.members.push_back(m);
  return *this;
}

TProjectScript& TProjectScript::Update(const std::string& className, const std::string& member,
                                       const std::vector<std::string>& options) {
  std::vector<std::string> command = {"member", "update", project_, className, member};
  command.insert(command.end(), options.begin(), options.end());
  commands_.push_back(command);
  updated_ = true;
  return *this;
}

void TProjectScript::Run(const std::filesystem::path& home, const std::vector<std::string>& command) const {
  const TVbgenResult result = RunVbgen(home, command);
  if (result.exitCode != 0) {
    std::string line;
    for (const auto& word : command) line += " " + word;
    throw std::runtime_error("vbgen" + line + " failed (" + std::to_string(result.exitCode) + "): " + result.err);
  }
}

// The layout `vbgen export` writes; lengths and the integer and float flags
// are what the member dialog derives from the type.
std::string TProjectScript::ProjectFile() const {
  nlohmann::ordered_json classes = nlohmann::ordered_json::array();
  for (const auto& spec : specs_) {
    nlohmann::ordered_json members = nlohmann::ordered_json::array();
    for (const auto& m : spec.members)
      members.push_back({{"memberName", m.name},
                         {"memberType", m.type},
                         {"memberLength", m.type == "字符串" ? std::stoi(m.length.empty() ? "20" : m.length) : 0},
                         {"memberIsPri", m.key ? 1 : 0},
                         {"memberComment", m.comment},
                         {"memberIsMust", m.required ? 1 : 0},
                         {"memberIsInteger", m.type == "整型" ? 1 : 0},
                         {"memberIsFloat", m.type == "浮点型" ? 1 : 0},
                         {"queryFlag", m.query ? 1 : 0},
                         {"memberIsDisplay", m.display ? 1 : 0},
                         {"memberQueryDisplay", m.queryDisplay ? 1 : 0}});
    classes.push_back(
        {{"className", spec.name}, {"friendName", spec.friendName}, {"frontShowFlag", 1}, {"members", members}});
  }
  const nlohmann::ordered_json file = {
      {"format", "vbgen-project"}, {"version", 1}, {"projectName", project_}, {"classes", classes}};
  return file.dump(2) + "\n";
}

void TProjectScript::Store(const std::filesystem::path& home) const {
  if (updated_) {
    for (const auto& command : commands_) Run(home, command);
    return;
  }
  const std::filesystem::path file = home / "script-project.json";
  WriteBytes(file, ProjectFile());
  Run(home, {"import", file.string()});
}

std::string TProjectScript::Listing() const {
  std::string text;
  for (const auto& command : commands_) {
    text += "vbgen";
    for (const auto& word : command) text += " '" + word + "'";
    text += "\n";
  }
  return text;
}
