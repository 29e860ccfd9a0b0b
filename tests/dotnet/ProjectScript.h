#pragma once
// A project described as the vbgen commands that make it, so that the build
// check stores its metadata only through the command line's checks.

#include <filesystem>
#include <string>
#include <vector>

struct TMemberSpec {
  std::string name;
  std::string type;
  std::string comment;
  bool key = false;
  bool required = false;
  bool query = false;
  bool display = false;
  bool queryDisplay = true;
  std::string length;  // empty: the dialog's default
};

class TProjectScript {
 public:
  explicit TProjectScript(std::string project);

  const std::string& project() const { return project_; }
  const std::vector<std::string>& classes() const { return classes_; }

  TProjectScript& Class(const std::string& name, const std::string& friendName);
  TProjectScript& Member(const std::string& className, const TMemberSpec& member);
  // Changes through the update dialog's rules, e.g. {"--key"} for a key the add dialog refuses.
  TProjectScript& Update(const std::string& className, const std::string& member,
                         const std::vector<std::string>& options);

  // Stores the project in the home folder; throws with the failing command
  // and vbgen's message. A script without updates goes in through one
  // `vbgen import`, which runs the add dialogs' rules on every class and member
  // as the commands do: hundreds of separate commands would cost more than the
  // build they feed.
  void Store(const std::filesystem::path& home) const;
  // The commands one per line (what an import stores too), for a failure report.
  std::string Listing() const;

 private:
  struct TClassSpec {
    std::string name;
    std::string friendName;
    std::vector<TMemberSpec> members;
  };
  void Run(const std::filesystem::path& home, const std::vector<std::string>& command) const;
  std::string ProjectFile() const;

  std::string project_;
  std::vector<std::string> classes_;
  std::vector<TClassSpec> specs_;
  bool updated_ = false;
  std::vector<std::vector<std::string>> commands_;
};
