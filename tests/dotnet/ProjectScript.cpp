#include "ProjectScript.h"

#include <stdexcept>

#include "support/RunVbgen.h"

TProjectScript::TProjectScript(std::string project) : project_(std::move(project)) {
  commands_.push_back({"project", "add", project_});
}

TProjectScript& TProjectScript::Class(const std::string& name, const std::string& friendName) {
  classes_.push_back(name);
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
  return *this;
}

TProjectScript& TProjectScript::Update(const std::string& className, const std::string& member,
                                       const std::vector<std::string>& options) {
  std::vector<std::string> command = {"member", "update", project_, className, member};
  command.insert(command.end(), options.begin(), options.end());
  commands_.push_back(command);
  return *this;
}

void TProjectScript::Store(const std::filesystem::path& home) const {
  for (const auto& command : commands_) {
    const TVbgenResult result = RunVbgen(home, command);
    if (result.exitCode != 0) {
      std::string line;
      for (const auto& word : command) line += " " + word;
      throw std::runtime_error("vbgen" + line + " failed (" + std::to_string(result.exitCode) + "): " + result.err);
    }
  }
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
