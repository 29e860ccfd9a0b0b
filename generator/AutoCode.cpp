#include "generator/AutoCode.h"

#include <optional>

#include "generator/vb/tiers/BLLOperate.h"
#include "generator/CodeWriter.h"
#include "generator/vb/tiers/DALOperate.h"
#include "generator/vb/tiers/EntityOperate.h"
#include "generator/output/FileErrorText.h"
#include "generator/output/FileOperate.h"
#include "generator/RunInputs.h"
#include "generator/vb/forms/UIOperate.h"
#include "metadata/ProjectChecks.h"
#include "metadata/SettingsDAO.h"

namespace {

// The first problem that stops a run: the two checks of every class, then
// every reference must name a class of the project that has a key member,
// then every name and text read from the store must pass the input rules.
std::optional<TCheckFailure> CheckClasses(const TProjectSnapshot& project, const std::string& projectName) {
  const auto problems = project_checks::RunProblems(project, projectName);
  if (problems.empty()) return std::nullopt;
  const TProjectProblem& first = problems.front();
  const TCheckKind kind = first.kind == TProblemKind::PrimaryKey  ? TCheckKind::PrimaryKey
                          : first.kind == TProblemKind::Display   ? TCheckKind::Display
                          : first.kind == TProblemKind::Reference ? TCheckKind::Reference
                                                                  : TCheckKind::Name;
  return TCheckFailure{kind, first.classId, first.message};
}

void WriteFromTemplate(const TGenContext& context, const std::string& templatePath,
                       const std::filesystem::path& folder, const std::string& outputPath) {
  const std::string text = FillTemplate(context.ReadTemplate(templatePath), {{"$project_name", context.projectName}});
  context.SaveUtf8(folder, outputPath, text);
  context.Progress(outputPath + "生成完毕");
}

// A resource folder of bak/ copied into relative: the run's target's own copy
// of it first, so that its files win, then the plain one. Each is told the
// other targets' copies, whose files left by an earlier run it replaces.
void CopyResourceFolder(const TGenContext& context, const std::string& name, const std::string& relative) {
  const std::filesystem::path bak = context.home / "bak";
  std::vector<std::filesystem::path> copies;
  for (const TFramework framework : kFrameworks) copies.push_back(bak / TargetFolder(framework) / name);
  const auto othersThan = [&](const std::filesystem::path& copy) {
    std::vector<std::filesystem::path> others;
    for (const auto& other : copies)
      if (other != copy) others.push_back(other);
    return others;
  };
  const std::filesystem::path own = bak / TargetFolder(context.settings.framework) / name;
  std::error_code error;
  if (own != bak / name && std::filesystem::is_directory(own, error))
    context.Output().CopyFolder(own, relative, othersThan(own));
  context.Output().CopyFolder(bak / name, relative, othersThan(bak / name));
}

}  // namespace

TSourceEncoding SourceEncodingFor(TFramework framework, std::optional<TSourceEncoding> asked) {
  if (framework == TFramework::Net48) return asked.value_or(TSourceEncoding::Gbk);
  if (asked == TSourceEncoding::Gbk)
    throw std::runtime_error("目标框架为 net10.0-windows 的项目, 源文件只能用 UTF-8 (带 BOM) 编码, 不能用 GBK: "
                             "请改用 utf-8, 或在生成设置中把目标框架改回 net48");
  return TSourceEncoding::Utf8Bom;
}

TAutoCode::TAutoCode(TRunSettings settings, IRunListener& listener)
    : settings_(std::move(settings)), listener_(listener) {}

std::thread TAutoCode::Start(TRunSettings settings, IRunListener& listener) {
  return std::thread([settings = std::move(settings), &listener]() mutable {
    TAutoCode(std::move(settings), listener).Execute();
  });
}

void TAutoCode::Execute() {
  TGenContext context;
  context.home = settings_.home;
  context.projectName = settings_.projectName;
  context.projectId = settings_.projectId;
  context.nameSpace = settings_.nameSpace;
  // A dry run writes nothing, so it has no progress to tell: only its decisions.
  if (!settings_.dryRun)
    context.progress = [this](const std::string& line) {
      told_.push_back({line, std::nullopt});
      listener_.Progress(line);
    };

  std::optional<TCheckFailure> failure;
  try {
    // A dry run neither replays nor leaves a record, so it needs no digest.
    const std::string inputs =
        settings_.dryRun ? std::string() : run_inputs::Digest(context.home, context.projectId, Choices());
    context.snapshot = std::make_shared<const TProjectSnapshot>(TProjectSnapshot::Load(context.projectId));
    context.settings = TSettingsDAO().GetSettings(context.projectId);
    context.sourceEncoding = SourceEncodingFor(context.settings.framework, settings_.sourceEncoding);
    const TOutputOptions output{context.settings.edits, settings_.dryRun, settings_.withDiffs};
    context.output = std::make_shared<TOutputWriter>(context.home, context.projectName, output,
                                                     [this](const TFileReport& report) { Decided(report); });
    const TClassList& list = context.snapshot->GetClassList();
    context.output->SetClasses(list);
    failure = CheckClasses(*context.snapshot, context.projectName);
    if (!failure) {
      PrepareOutputTree(context);
      if (!Replayed(context, inputs)) {
        Generate(context);
        if (!inputs.empty()) Record(context, inputs);
      }
      ReportEdits(context);
    }
  } catch (const std::filesystem::filesystem_error& error) {
    listener_.Failed(FileErrorText(error));
    return;
  } catch (const std::exception& error) {
    listener_.Failed(error.what());
    return;
  } catch (...) {
    listener_.Failed("未知错误");
    return;
  }
  if (failure)
    listener_.CheckFailed(*failure);
  else
    listener_.Finished();
}

void TAutoCode::Generate(const TGenContext& context) {
  if (!settings_.dryRun) {
    context.output->ForgetLastRun();
    MakeOutputFolder(context.SolutionFolder(), context.home);
  }
  const TClassList& list = context.snapshot->GetClassList();
  TEntityOperate::GenerateModel(context, list);
  TBLLOperate::GenerateBll(context, list);
  TDALOperate::GenerateDal(context, list);
  TUIOperate(context).GenerateUI(list);
  CopyResources(context);
  context.output->Finish();
}

// What the run was asked beyond the stored project.
std::string TAutoCode::Choices() const {
  const auto& encoding = settings_.sourceEncoding;
  return platform::Utf8FromPath(settings_.home) + "\t" + settings_.projectName + "\t" + settings_.nameSpace + "\t" +
         (encoding ? std::to_string(static_cast<int>(*encoding)) : "-");
}

// A run over the inputs and files that the last completed run left has
// nothing to write: it tells what that run recorded a rerun would tell.
bool TAutoCode::Replayed(const TGenContext& context, const std::string& inputs) {
  if (inputs.empty()) return false;
  const std::optional<TRunRecord> last = context.output->LastRun();
  if (!last || last->inputs != inputs || !context.output->StillHolds(last->stamps)) return false;
  for (const TRunRecord::TEvent& event : last->events)
    if (event.file)
      Decided({event.text, *event.file, {}, {}, {}});
    else
      listener_.Progress(event.text);
  return true;
}

// After a run that completed: what a rerun would tell, and the files' stamps.
void TAutoCode::Record(const TGenContext& context, const std::string& inputs) const {
  TRunRecord record{inputs, {}, context.output->Stamps()};
  for (const TRunRecord::TEvent& event : told_)
    if (!event.file)
      record.events.push_back(event);
    else if (const std::optional<TFileState> state = context.output->RerunState(event.text))
      record.events.push_back({event.text, state});
  context.output->SaveRun(record);
}

// The solution folder must not lead elsewhere: refused before anything is written.
void TAutoCode::PrepareOutputTree(const TGenContext& context) const {
  TFileOperate::RefuseLinksBelow(context.OutputRoot(), context.SolutionFolder());
}

void TAutoCode::CopyResources(const TGenContext& context) {
  const std::string& p = context.projectName;
  const std::filesystem::path solution = context.SolutionFolder();
  const std::string root = "projects/" + p + "/";

  context.Progress("正在移动资源文件。。。");
  for (const char* tier : {"BLL", "DAL", "Model"}) CopyResourceFolder(context, tier, root + tier);
  CopyResourceFolder(context, "project_name", root + p);
  WriteFromTemplate(context, "template/project_name.sln", solution, root + p + ".sln");
  const std::filesystem::path myProject = solution / platform::PathFromUtf8(p) / "My Project";
  WriteFromTemplate(context, "template/project_name/project_name/My Project/Application.Designer.vb", myProject,
                    root + p + "/My Project/Application.Designer.vb");
  WriteFromTemplate(context, "template/project_name/project_name/My Project/Settings.Designer.vb", myProject,
                    root + p + "/My Project/Settings.Designer.vb");
  if (const auto& failedFiles = context.Output().FailedFiles(); !failedFiles.empty()) {
    std::string report = std::to_string(failedFiles.size()) + " 个文件没有写成，生成的解决方案不完整:";
    for (const std::string& failed : failedFiles) report += "\n" + failed;
    throw std::runtime_error(report);
  }
  context.Progress("移动资源文件完毕!");
}

void TAutoCode::Decided(const TFileReport& report) {
  told_.push_back({report.path, report.state});
  if (report.state != TFileState::New && report.state != TFileState::Changed && report.state != TFileState::Unchanged)
    edits_.push_back(report);
  listener_.File(report);
}

// After the run, the files whose hand edits it met, each with what became of it.
void TAutoCode::ReportEdits(const TGenContext& context) const {
  for (const TFileReport& report : edits_) context.Progress(EditLine(report));
}
