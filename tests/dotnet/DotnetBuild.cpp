#include "DotnetBuild.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "support/TempHome.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

int RunDotnet(const std::vector<std::string>& args, const fs::path& log) {
  const fs::path errors = fs::path(log) += ".err";
  const int exitCode = test_platform::Wait(test_platform::Start("dotnet", args, log, errors));
  const std::string err = ReadBytes(errors);
  fs::remove(errors);
  std::ofstream(log, std::ios::binary | std::ios::app) << err;
  return exitCode;
}

namespace {

// In a new folder of its own, removed with the log.
fs::path LogFile() { return test_platform::MakeTempFolder() / "dotnet.log"; }

}  // namespace

bool DotnetOnPath() {
  const fs::path log = LogFile();
  const bool found = RunDotnet({"--version"}, log) == 0;
  fs::remove_all(log.parent_path());
  return found;
}

TDotnetBuild BuildSolution(const fs::path& solution) {
  const fs::path log = LogFile();
  TDotnetBuild build;
  build.exitCode = RunDotnet({"build", solution.string(), "-nologo", "-v:q", "-clp:NoSummary"}, log);
  build.log = ReadBytes(log);
  fs::remove_all(log.parent_path());
  std::istringstream lines(build.log);
  // A solution build reports each project's errors twice: keep the first of each.
  std::set<std::string> seen;
  for (std::string line; std::getline(lines, line);)
    if (line.find(": error ") != std::string::npos && seen.insert(line).second) build.errors.push_back(line);
  return build;
}

void ShutdownBuildServers() {
  const fs::path log = LogFile();
  RunDotnet({"build-server", "shutdown"}, log);
  fs::remove_all(log.parent_path());
}

std::string FailureReport(const TDotnetBuild& build, std::size_t maxErrors) {
  std::ostringstream report;
  report << "dotnet build exited with " << build.exitCode << "; " << build.errors.size() << " error line(s)\n";
  for (std::size_t i = 0; i < build.errors.size() && i < maxErrors; ++i) report << build.errors[i] << "\n";
  if (build.errors.empty()) report << build.log.substr(build.log.size() > 4000 ? build.log.size() - 4000 : 0);
  return report.str();
}
