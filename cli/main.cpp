// vbgen: the command line of the code generator.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/Commands.h"
#include "cli/ParserTexts.h"
#include "generator/output/FileErrorText.h"
#include "metadata/DbHelper.h"
#include "metadata/HomeFolder.h"
#include "metadata/InputRules.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

// Output cut short (a full disk, /dev/full) must not pass for success: what
// is still buffered is written now, and any failure to write is told.
int Finish(int code) {
  std::cout.flush();
  const int earlier = errno;  // a write that failed before this flush left its reason here
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno ? errno : earlier;
  if (flushed && !std::ferror(stdout) && std::cout.good()) return code;
  std::cerr << "无法写入标准输出"
            << (error ? ": " + FileReasonText(std::error_code(error, std::generic_category())) : std::string())
            << "，输出不完整。\n";
  return code == 0 ? 1 : code;
}

int Run(CLI::App& app, int argc, char** argv) {
  try {
    std::vector<std::string> arguments = platform::Utf8Arguments(argc, argv);
    if (!arguments.empty()) arguments.erase(arguments.begin());
    std::reverse(arguments.begin(), arguments.end());
    app.parse(arguments);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  } catch (const TInputError& e) {
    std::cerr << e.what() << "\n";
    return 2;
  } catch (const TCliExit& e) {
    std::cerr << e.what() << "\n";
    return e.code();
  } catch (const fs::filesystem_error& e) {
    std::cerr << "错误: " << FileErrorText(e) << "\n";
    return 1;
  } catch (const std::system_error& e) {
    std::cerr << "错误: " << FileReasonText(e.code()) << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "错误: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"vbgen - 从元数据生成 VB.NET 三层 Windows 窗体解决方案和 SQL Server 建表脚本", "vbgen"};
  app.require_subcommand(1);
  app.fallthrough();
  TCliContext context;
  std::string home;
  app.add_option("--home", home,
                 "主目录: 存放 projects.db、template/、bak/ 和生成的 projects/ (默认: vbgen 所在目录; "
                 "安装后为用户数据目录下的 vbgen)");
  app.set_version_flag("--version", "vbgen " VBGEN_VERSION, "显示版本并退出");
  app.parse_complete_callback([&] {
    context.home =
        home.empty() ? home_folder::DefaultHome(platform::ExecutableFolder())
                     : fs::weakly_canonical(fs::absolute(platform::PathFromUtf8(home)));
    TDbHelper::SetDatabaseFile(context.home / "projects.db");
  });

  AddProjectCommands(app, context);
  AddClassCommands(app, context);
  AddMemberCommands(app, context);
  AddSqlCommand(app, context);
  AddGenerateCommands(app, context);
  AddTransferCommands(app, context);
  AddSqlImportCommand(app, context);

  UseChineseParserTexts(app);
  return Finish(Run(app, argc, argv));
}
