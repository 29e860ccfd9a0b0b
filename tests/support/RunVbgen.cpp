#include "support/RunVbgen.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "support/TempHome.h"

namespace fs = std::filesystem;

TVbgenProcess::TVbgenProcess(const fs::path& home, const std::vector<std::string>& args) {
  const int outFd = mkstemp(outName_.data());
  const int errFd = mkstemp(errName_.data());
  if (outFd < 0 || errFd < 0) throw std::runtime_error("mkstemp failed");

  std::vector<std::string> argv = {VBGEN_EXE, "--home", home.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);

  pid_ = fork();
  if (pid_ == 0) {
    dup2(outFd, 1);
    dup2(errFd, 2);
    execv(raw[0], raw.data());
    _exit(127);
  }
  close(outFd);
  close(errFd);
  if (pid_ < 0) throw std::runtime_error("fork failed");
}

TVbgenProcess::~TVbgenProcess() {
  if (pid_ > 0) waitpid(pid_, nullptr, 0);
  std::error_code ignored;
  fs::remove(outName_, ignored);
  fs::remove(errName_, ignored);
}

TVbgenResult TVbgenProcess::Wait() {
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  TVbgenResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadBytes(outName_);
  result.err = ReadBytes(errName_);
  return result;
}

TVbgenResult RunVbgen(const fs::path& home, const std::vector<std::string>& args) {
  return TVbgenProcess(home, args).Wait();
}
