#include "FormCheck.h"

#include <sstream>

#include "DotnetBuild.h"
#include "support/TempHome.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace {

// Built from the source tree into a folder of its own, removed at exit.
class TFormCheckTool {
 public:
  TFormCheckTool() : dir_(test_platform::MakeTempFolder()) {
    const fs::path log = dir_ / "build.log";
    built_ = RunDotnet({"build", (fs::path(VBGEN_FORMCHECK_DIR) / "FormCheck.csproj").string(), "-nologo", "-v:q",
                        "-clp:NoSummary", "--artifacts-path", (dir_ / "out").string()},
                       log) == 0;
    buildLog_ = ReadBytes(log);
  }
  ~TFormCheckTool() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  TFormCheckTool(const TFormCheckTool&) = delete;
  TFormCheckTool& operator=(const TFormCheckTool&) = delete;

  TFormCheck Run(const fs::path& formsDir) const {
    TFormCheck check;
    if (!built_) {
      check.problems.push_back("the form check did not build");
      check.log = buildLog_;
      return check;
    }
    const fs::path log = dir_ / "check.log";
    check.exitCode =
        RunDotnet({(dir_ / "out" / "bin" / "FormCheck" / "debug" / "FormCheck.dll").string(), formsDir.string()}, log);
    check.log = ReadBytes(log);
    std::istringstream lines(check.log);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("error: ", 0) == 0) check.problems.push_back(line.substr(7));
    return check;
  }

 private:
  fs::path dir_;
  bool built_ = false;
  std::string buildLog_;
};

}  // namespace

TFormCheck CheckGeneratedForms(const fs::path& formsDir) {
  static const TFormCheckTool tool;
  return tool.Run(formsDir);
}

std::string FormCheckReport(const TFormCheck& check, std::size_t maxProblems) {
  std::ostringstream report;
  report << "form check exited with " << check.exitCode << "; " << check.problems.size() << " problem(s)\n";
  for (std::size_t i = 0; i < check.problems.size() && i < maxProblems; ++i) report << check.problems[i] << "\n";
  if (check.problems.empty() || check.exitCode != 1)
    report << check.log.substr(check.log.size() > 4000 ? check.log.size() - 4000 : 0);
  return report.str();
}
