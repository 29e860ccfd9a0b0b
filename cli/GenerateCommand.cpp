#include <array>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/Commands.h"
#include "cli/Lookup.h"
#include "generator/AutoCode.h"
#include "metadata/InputRules.h"
#include "metadata/SettingsDAO.h"

namespace {

struct TGenerateOptions {
  std::string project;
  std::string nameSpace = "brindlemoor";
  std::string sourceEncoding;  // none given: the target's own
  bool dryRun = false;
  std::vector<std::string> files;  // diff: only these
};

// Progress goes to stdout as it comes (a dry run has none); the end of the run
// and every file decision are kept for the caller.
class TConsoleListener : public IRunListener {
 public:
  void Progress(const std::string& line) override { std::cout << line << std::endl; }
  void CheckFailed(const TCheckFailure& failure) override { problem_ = failure.message; }
  void Finished() override {}
  void Failed(const std::string& error) override { problem_ = "生成失败: " + error; }
  void File(const TFileReport& report) override { reports_.push_back(report); }

  const std::optional<std::string>& problem() const { return problem_; }
  const std::vector<TFileReport>& reports() const { return reports_; }

 private:
  std::optional<std::string> problem_;
  std::vector<TFileReport> reports_;
};

void Run(const TGenerateOptions& options, bool dryRun, bool withDiffs, const TCliContext& cli,
         TConsoleListener& listener) {
  input_rules::CheckNameSpace(options.nameSpace);
  // The stored name names the output folder, whatever case the user typed.
  const TListEntry project = FindProject(options.project);
  TRunSettings settings;
  settings.home = cli.home;
  settings.projectName = project.text;
  settings.projectId = project.tag;
  settings.nameSpace = options.nameSpace;
  if (!options.sourceEncoding.empty())
    settings.sourceEncoding = options.sourceEncoding == "utf-8" ? TSourceEncoding::Utf8Bom : TSourceEncoding::Gbk;
  try {
    SourceEncodingFor(TSettingsDAO().GetSettings(project.tag).framework, settings.sourceEncoding);
  } catch (const std::runtime_error& refused) {
    throw TCliExit(2, refused.what());
  }
  settings.dryRun = dryRun;
  settings.withDiffs = withDiffs;
  TAutoCode::Start(settings, listener).join();
  if (listener.problem()) throw TCliExit(1, *listener.problem());
}

void PrintPlan(const std::vector<TFileReport>& reports) {
  std::array<int, kFileStates.size()> counts{};
  for (const TFileReport& report : reports) {
    std::cout << std::left << std::setw(16) << StateWord(report.state) << report.path << "\n";
    ++counts[static_cast<std::size_t>(report.state)];
  }
  for (std::size_t i = 0; i < kFileStates.size(); ++i)
    std::cout << (i ? ", " : "") << StateWord(kFileStates[i]) << " " << counts[i];
  std::cout << "\n";
}

void Generate(const TGenerateOptions& options, const TCliContext& cli) {
  TConsoleListener listener;
  Run(options, options.dryRun, false, cli, listener);
  if (options.dryRun) return PrintPlan(listener.reports());
  int conflicts = 0;
  bool unmarked = false;  // a conflict the user resolves by hand, not at markers
  for (const TFileReport& report : listener.reports())
    if (report.state == TFileState::Conflict) {
      std::cerr << "冲突: " << report.path << "\n";
      ++conflicts;
      unmarked = unmarked || !report.aside.empty() || !report.movedTo.empty();
    }
  if (conflicts > 0)
    throw TCliExit(3, "代码生成完毕，但有 " + std::to_string(conflicts) + " 个文件存在冲突: " +
                          (unmarked ? "请按上面每个文件的说明合并后再编译"
                                    : "请在这些文件中解决冲突标记 (<<<<<<< ======= >>>>>>>) 后再编译"));
}

// A file named on the command line: its path as the run shows it, or relative to the solution folder.
bool Names(const std::string& given, const std::string& path, const std::string& projectName) {
  return given == path || "projects/" + projectName + "/" + given == path;
}

void Diff(const TGenerateOptions& options, const TCliContext& cli) {
  TConsoleListener listener;
  Run(options, true, true, cli, listener);
  const std::string projectName = FindProject(options.project).text;
  for (const std::string& given : options.files) {
    bool known = false;
    for (const TFileReport& report : listener.reports()) known = known || Names(given, report.path, projectName);
    if (!known)
      throw TCliExit(2, "文件 " + given + " 不是项目 " + projectName + " 生成的文件，请给出 projects/" + projectName +
                            "/ 下的路径");
  }
  for (const TFileReport& report : listener.reports()) {
    bool wanted = options.files.empty();
    for (const std::string& given : options.files) wanted = wanted || Names(given, report.path, projectName);
    if (wanted) std::cout << report.diff;
  }
}

void AddRunOptions(CLI::App& command, TGenerateOptions& options) {
  command.add_option("PROJECT", options.project, "项目名称")->required();
  command.add_option("--namespace", options.nameSpace, "命名空间 (默认: brindlemoor)");
  command
      .add_option("--source-encoding", options.sourceEncoding,
                  "生成的 .vb 源文件编码: gbk 或 utf-8 (带 BOM); 默认按目标框架, net48 为 gbk, net10.0-windows 为 utf-8")
      ->transform(CLI::IsMember({"gbk", "utf-8"}, CLI::ignore_case));
}

}  // namespace

void AddGenerateCommands(CLI::App& app, TCliContext& context) {
  auto options = std::make_shared<TGenerateOptions>();
  auto* generate = app.add_subcommand("generate", "生成项目的 VB.NET 解决方案到 projects/PROJECT");
  AddRunOptions(*generate, *options);
  generate->add_flag(
      "--dry-run", options->dryRun,
      "只列出每个文件将会怎样 (new/changed/unchanged/merged/conflict/kept/deleted-by-user)，不写任何文件");
  generate->callback([options, &context] { Generate(*options, context); });

  auto* diff = app.add_subcommand("diff", "显示生成将写入的内容与磁盘上文件的差异 (unified diff)，不写任何文件");
  AddRunOptions(*diff, *options);
  diff->add_option("FILE", options->files, "只比较这些文件 (projects/PROJECT/ 下的路径，或相对于它的路径)");
  diff->callback([options, &context] { Diff(*options, context); });
}
