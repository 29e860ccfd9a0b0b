// import-sql: a new project from a SQL Server table script.
#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/InputFile.h"
#include "metadata/ProjectJson.h"
#include "metadata/sqlimport/SqlImport.h"
#include "metadata/sqlimport/SqlTableModel.h"
#include "platform/Platform.h"

void AddSqlImportCommand(CLI::App& app, TCliContext&) {
  struct TArgs {
    std::string file, asName, encoding;
    std::vector<std::string> skip;
  };
  auto args = std::make_shared<TArgs>();
  auto* command = app.add_subcommand("import-sql", "从 SQL Server 建表脚本新建工程 (全部成功或什么都不保存)");
  command->add_option("FILE", args->file, "建表脚本 (UTF-8、带 BOM 的 UTF-16 或 GBK)")->required();
  command->add_option("--as", args->asName, "新工程的名称")->required();
  command->add_option("--source-encoding", args->encoding, "没有 BOM 的脚本的编码 (默认自动识别)")
      ->check(CLI::IsMember({"gbk", "utf-8"}));
  command->add_option("--skip", args->skip, "不导入这个表 (可多次使用)");
  command->callback([args] {
    const TSourceEncoding encoding = args->encoding == "gbk"     ? TSourceEncoding::Gbk
                                     : args->encoding == "utf-8" ? TSourceEncoding::Utf8
                                                                 : TSourceEncoding::Detect;
    const std::string bytes = ReadInputFile(platform::PathFromUtf8(args->file));
    try {
      const TSqlImportResult result = ImportSqlScript(bytes, encoding, args->asName, args->skip);
      for (const auto& line : result.report) std::cout << line << "\n";
      std::cout << "已导入工程 " << result.project.text << "\n";
    } catch (const TSqlScriptError& e) {
      throw TCliExit(2, e.what());
    } catch (const TProjectFileError& e) {
      throw TCliExit(2, e.what());
    }
  });
}
