#include "metadata/sqlimport/SqlImport.h"

#include "metadata/NameRules.h"
#include "metadata/ProjectJsonLayout.h"
#include "metadata/sqlimport/SqlScriptParser.h"
#include "metadata/sqlimport/TableMapper.h"

TSqlImportResult ImportSqlScript(const std::string& bytes, TSourceEncoding encoding, const std::string& projectName,
                                 const std::vector<std::string>& skip) {
  const TSqlScript script = ParseSqlScript(ScriptText(bytes, encoding));
  for (const auto& name : skip)
    if (!script.Table(name)) throw TSqlScriptError("--skip " + name + ": 脚本中没有这个表");
  TTableMapping mapping(script, skip);
  mapping.RefuseNames(projectName);
  // A table whose names or texts the input rules refuse is left out like one
  // the project cannot represent, before storing; what only the store finds
  // leaves its table out and the next attempt stores all or nothing again.
  for (;;) {
    if (mapping.Empty()) {
      std::string message = "脚本中没有可以导入的表";
      for (const auto& line : mapping.report()) message += "\n" + line;
      throw TSqlScriptError(message);
    }
    try {
      const TListEntry project = project_json::StoreProject(mapping.Project(projectName), "项目名称 " + projectName);
      std::vector<std::string> report = mapping.report();
      for (const auto& line : mapping.Imported()) report.push_back(line);
      return {project, report};
    } catch (const TProjectFileError& e) {
      if (!e.classIndex()) throw;
      mapping.Drop(*e.classIndex(), e.what());
    }
  }
}
