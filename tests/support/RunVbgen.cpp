#include "support/RunVbgen.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "support/TempHome.h"

namespace fs = std::filesystem;

TVbgenResult RunVbgen(const fs::path& home, const std::vector<std::string>& args) {
  char outName[] = "/tmp/vbgen-out-XXXXXX";
  char errName[] = "/tmp/vbgen-err-XXXXXX";
  const int outFd = mkstemp(outName);
  const int errFd = mkstemp(errName);
  if (outFd < 0 || errFd < 0) throw std::runtime_error("mkstemp failed");

  std::vector<std::string> argv = {VBGEN_EXE, "--home", home.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, 1);
    dup2(errFd, 2);
    execv(raw[0], raw.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  close(outFd);
  close(errFd);

  TVbgenResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadBytes(outName);
  result.err = ReadBytes(errName);
  fs::remove(outName);
  fs::remove(errName);
  return result;
}
