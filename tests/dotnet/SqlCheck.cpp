#include "SqlCheck.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "DotnetBuild.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace {

// A copy of the tool in a folder of its own, so that builds leave the source
// tree alone; removed with its build output at the end.
class TToolCopy {
 public:
  TToolCopy() {
    dir_ = test_platform::MakeTempFolder();
    fs::copy(VBGEN_SQLCHECK_DIR, tool(), fs::copy_options::recursive);
  }
  ~TToolCopy() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  TToolCopy(const TToolCopy&) = delete;
  TToolCopy& operator=(const TToolCopy&) = delete;

  fs::path dir() const { return dir_; }
  fs::path tool() const { return dir_ / "tool"; }

  // Builds the tool, over the generated sources of a project folder when one
  // is given; the build's error lines go to the check's problems.
  bool Build(const fs::path& generated, TSqlCheck& check) const {
    // A solution generated for .NET imports the current SQL Server provider.
    const bool current = !generated.empty() && ReadBytes(generated / "DAL" / "DAL.vbproj").find(
                                                   "\"Microsoft.Data.SqlClient\"") != std::string::npos;
    if (!generated.empty())
      WriteBytes(tool() / "Directory.Build.props", "<Project><PropertyGroup><GeneratedDir>" +
                                                       XmlText(generated.string()) + "</GeneratedDir>" +
                                                       (current ? "<MicrosoftSqlClient>true</MicrosoftSqlClient>" : "") +
                                                       "</PropertyGroup></Project>\n");
    const TDotnetBuild build = BuildSolution(tool() / "SqlCheck.csproj");
    if (build.exitCode == 0 && build.errors.empty()) return true;
    check.exitCode = -1;
    check.problems = build.errors;
    check.log = build.log;
    return false;
  }

  void Run(const std::vector<std::string>& args, TSqlCheck& check) const {
    std::vector<std::string> command = {(tool() / "bin" / "Debug" / "net8.0" / "SqlCheck.dll").string()};
    command.insert(command.end(), args.begin(), args.end());
    const fs::path log = dir_ / "check.log";
    check.exitCode = RunDotnet(command, log);
    check.log = ReadBytes(log);
  }

 private:
  static std::string XmlText(const std::string& text) {
    std::string escaped;
    for (char c : text) escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : std::string(1, c);
    return escaped;
  }

  fs::path dir_;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

TSqlCheck CheckProjectSql(const fs::path& home, const std::string& project) {
  TSqlCheck check;
  const TVbgenResult script = RunVbgen(home, {"sql", project});
  if (script.exitCode != 0) {
    check.problems.push_back("vbgen sql " + project + " failed: " + script.err);
    return check;
  }
  const TToolCopy copy;
  WriteBytes(copy.dir() / "script.sql", script.out);
  if (!copy.Build(home / "projects" / project, check)) return check;
  copy.Run({"check", (copy.dir() / "script.sql").string()}, check);
  // A problem's first line starts with "error: "; lines after it, indented, belong to it.
  for (const auto& line : Lines(check.log)) {
    if (line.rfind("error: ", 0) == 0)
      check.problems.push_back(line.substr(7));
    else if (line.rfind("    ", 0) == 0 && !check.problems.empty())
      check.problems.back() += "\n" + line;
    else if (line.rfind("checked ", 0) == 0)
      check.summary = line;
  }
  return check;
}

std::string SqlCheckReport(const TSqlCheck& check, std::size_t maxProblems) {
  std::ostringstream report;
  report << "T-SQL check exited with " << check.exitCode << "; " << check.problems.size() << " problem(s)\n";
  for (std::size_t i = 0; i < check.problems.size() && i < maxProblems; ++i) report << check.problems[i] << "\n";
  if (check.problems.empty()) report << check.log.substr(check.log.size() > 4000 ? check.log.size() - 4000 : 0);
  return report.str();
}

std::vector<std::string> ParserReservedWords() {
  TSqlCheck check;
  const TToolCopy copy;
  if (!copy.Build({}, check)) throw std::runtime_error(SqlCheckReport(check));
  copy.Run({"reserved-words"}, check);
  if (check.exitCode != 0) throw std::runtime_error(SqlCheckReport(check));
  return Lines(check.log);
}
