// Projects as text files: export, import, the shipped sample, and a check of
// a stored project that lists every problem at once.
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/InputFile.h"
#include "cli/Lookup.h"
#include "generator/output/FileOperate.h"
#include "metadata/ClassDAO.h"
#include "metadata/ProjectChecks.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJson.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

// Relative to the home folder.
constexpr const char* kSampleFile = "samples/library.json";

// Through an exclusive temporary file and a rename, so that a failed export
// never leaves half a file; only a regular file is ever replaced.
void WriteFile(const fs::path& file, const std::string& text) {
  try {
    TFileOperate::WriteRegularFile(file, text);
  } catch (const TFileRefused& e) {
    throw TCliExit(2, e.what());
  } catch (const std::exception&) {
    throw std::runtime_error("无法写入文件: " + platform::Utf8FromPath(file));
  }
}

std::size_t ClassCount(int projectId) { return TClassDAO().GetClassList(projectId).size(); }

// Faults of a file are input faults.
template <typename TBody>
auto FileFaultsAsInput(TBody body) {
  try {
    return body();
  } catch (const TProjectFileError& e) {
    throw TCliExit(2, e.what());
  }
}

TListEntry Import(const std::string& text, const std::string& asName) {
  const TListEntry project = FileFaultsAsInput([&] { return project_json::ImportProject(text, asName); });
  std::cout << "已导入工程 " << project.text << " (" << ClassCount(project.tag) << " 个类)\n";
  return project;
}

void AddExport(CLI::App& app) {
  struct TArgs {
    std::string project, file;
  };
  auto args = std::make_shared<TArgs>();
  auto* command = app.add_subcommand("export", "把工程的元数据写成 JSON 文件 (默认写到标准输出)");
  AddProjectArgument(command, args->project);
  command->add_option("-o,--output", args->file, "输出文件");
  command->callback([args] {
    const TListEntry project = FindProject(args->project);
    project_checks::LoadWithSafeNames(project.tag);
    const std::string text = project_json::ExportProject(project);
    if (args->file.empty())
      std::cout << text;
    else
      WriteFile(platform::PathFromUtf8(args->file), text);
  });
}

void AddImport(CLI::App& app) {
  struct TArgs {
    std::string file, asName;
  };
  auto args = std::make_shared<TArgs>();
  auto* command = app.add_subcommand("import", "从 JSON 文件新建工程 (全部成功或什么都不保存)");
  command->add_option("FILE", args->file, "export 写出的工程文件")->required();
  command->add_option("--as", args->asName, "用这个工程名称代替文件中的名称");
  command->callback([args] { Import(ReadInputFile(platform::PathFromUtf8(args->file)), args->asName); });
}

void AddSample(CLI::App& app, const TCliContext& context) {
  auto asName = std::make_shared<std::string>();
  auto* command = app.add_subcommand("sample", "导入自带的示例工程 (图书借阅管理)");
  command->add_option("--as", *asName, "用这个工程名称代替示例的名称");
  command->callback([asName, &context] {
    const std::string text = ReadInputFile(context.home / kSampleFile);
    const std::string name =
        asName->empty() ? FileFaultsAsInput([&] { return project_json::ProjectNameIn(text); }) : *asName;
    if (TProjectDAO().CountByName(name) > 0)
      throw TCliExit(2, "工程 " + name +
                            " 已经存在: 用 vbgen sample --as 新名称 再导入一份，或先用 vbgen project delete " + name +
                            " 删除它");
    const TListEntry project = Import(text, *asName);
    std::cout << "生成它的解决方案: vbgen generate " << project.text << "\n";
  });
}

// Stable English names of the problem kinds, for scripts.
const char* KindName(TProblemKind kind) {
  switch (kind) {
    case TProblemKind::ProjectName:
      return "projectName";
    case TProblemKind::PrimaryKey:
      return "primaryKey";
    case TProblemKind::Display:
      return "display";
    case TProblemKind::Reference:
      return "reference";
    case TProblemKind::ClassName:
      return "className";
    case TProblemKind::MemberName:
      return "memberName";
  }
  return "";
}

void PrintProblemsJson(const TListEntry& project, const std::vector<TProjectProblem>& problems) {
  auto rows = nlohmann::ordered_json::array();
  for (const auto& p : problems)
    rows.push_back({{"kind", KindName(p.kind)},
                    {"className", p.className},
                    {"memberName", p.memberName},
                    {"message", p.message}});
  PrintJson({{"projectName", project.text}, {"problems", std::move(rows)}});
}

void AddCheck(CLI::App& app) {
  auto name = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  auto* command = app.add_subcommand("check", "检查工程能否生成, 列出所有问题 (不写任何文件)");
  AddProjectArgument(command, *name);
  AddJsonFlag(command, *json);
  command->callback([name, json] {
    const TListEntry project = FindProject(*name);
    const auto problems = project_checks::CheckProject(project.tag);
    if (*json)
      PrintProblemsJson(project, problems);
    else
      for (const auto& problem : problems) std::cout << problem.message << "\n";
    if (!problems.empty())
      throw TCliExit(1, "工程 " + project.text + " 有 " + std::to_string(problems.size()) + " 个问题");
    if (!*json) std::cout << "OK: 工程 " << project.text << " 的 " << ClassCount(project.tag) << " 个类都可以生成\n";
  });
}

}  // namespace

void AddTransferCommands(CLI::App& app, TCliContext& context) {
  AddExport(app);
  AddImport(app);
  AddSample(app, context);
  AddCheck(app);
}
