#include "DotnetBuild.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <stdexcept>

#include "support/TempHome.h"

namespace fs = std::filesystem;

int RunDotnet(const std::vector<std::string>& args, const fs::path& log) {
  std::vector<std::string> argv = {"dotnet"};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);

  // The child's freopen would write what the parent's stdout still buffers a second time.
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const std::string logName = log.string();
    if (!freopen(logName.c_str(), "wb", stdout) || dup2(fileno(stdout), 2) < 0) _exit(126);
    setenv("DOTNET_CLI_TELEMETRY_OPTOUT", "1", 1);
    setenv("DOTNET_NOLOGO", "1", 1);
    setenv("DOTNET_SKIP_FIRST_TIME_EXPERIENCE", "1", 1);
    execvp(raw[0], raw.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

fs::path LogFile() {
  std::string name = (fs::temp_directory_path() / "vbgen-dotnet-XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  close(fd);
  return name;
}

}  // namespace

bool DotnetOnPath() {
  const fs::path log = LogFile();
  const bool found = RunDotnet({"--version"}, log) == 0;
  fs::remove(log);
  return found;
}

TDotnetBuild BuildSolution(const fs::path& solution) {
  const fs::path log = LogFile();
  TDotnetBuild build;
  build.exitCode = RunDotnet({"build", solution.string(), "-nologo", "-v:q", "-clp:NoSummary"}, log);
  build.log = ReadBytes(log);
  fs::remove(log);
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
  fs::remove(log);
}

std::string FailureReport(const TDotnetBuild& build, std::size_t maxErrors) {
  std::ostringstream report;
  report << "dotnet build exited with " << build.exitCode << "; " << build.errors.size() << " error line(s)\n";
  for (std::size_t i = 0; i < build.errors.size() && i < maxErrors; ++i) report << build.errors[i] << "\n";
  if (build.errors.empty()) report << build.log.substr(build.log.size() > 4000 ? build.log.size() - 4000 : 0);
  return report.str();
}
