#include <iostream>
#include <memory>
#include <optional>

#include "cli/Commands.h"
#include "generator/AutoCode.h"
#include "metadata/InputRules.h"
#include "cli/Lookup.h"

namespace {

struct TGenerateOptions {
  std::string project;
  std::string nameSpace = "brindlemoor";
  std::string sourceEncoding = "gbk";
};

// Progress goes to stdout as it comes; the end of the run is kept for the caller.
class TConsoleListener : public IRunListener {
 public:
  void Progress(const std::string& line) override { std::cout << line << std::endl; }
  void CheckFailed(const TCheckFailure& failure) override { problem_ = failure.message; }
  void Finished() override {}
  void Failed(const std::string& error) override { problem_ = "生成失败: " + error; }

  const std::optional<std::string>& problem() const { return problem_; }

 private:
  std::optional<std::string> problem_;
};

void Generate(const TGenerateOptions& options, const TCliContext& cli) {
  input_rules::CheckNameSpace(options.nameSpace);
  // The stored name names the output folder, whatever case the user typed.
  const TListEntry project = FindProject(options.project);
  TRunSettings settings;
  settings.home = cli.home;
  settings.projectName = project.text;
  settings.projectId = project.tag;
  settings.nameSpace = options.nameSpace;
  settings.sourceEncoding = options.sourceEncoding == "utf-8" ? TSourceEncoding::Utf8Bom : TSourceEncoding::Gbk;

  TConsoleListener listener;
  TAutoCode::Start(settings, listener).join();
  if (listener.problem()) throw TCliExit(1, *listener.problem());
}

}  // namespace

void AddGenerateCommands(CLI::App& app, TCliContext& context) {
  auto options = std::make_shared<TGenerateOptions>();
  auto* generate = app.add_subcommand("generate", "生成项目的 VB.NET 解决方案到 projects/PROJECT");
  generate->add_option("PROJECT", options->project, "项目名称")->required();
  generate->add_option("--namespace", options->nameSpace, "命名空间 (默认: brindlemoor)");
  generate->add_option("--source-encoding", options->sourceEncoding, "生成的 .vb 源文件编码: gbk (默认) 或 utf-8 (带 BOM)")
      ->transform(CLI::IsMember({"gbk", "utf-8"}, CLI::ignore_case));
  generate->callback([options, &context] { Generate(*options, context); });
}
