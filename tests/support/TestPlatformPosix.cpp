#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace test_platform {

fs::path MakeTempFolder() {
  std::string pattern = (fs::temp_directory_path() / "vbgen-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

TProcess Start(const fs::path& program, const std::vector<std::string>& args, const fs::path& out,
               const fs::path& err) {
  std::vector<std::string> argv = {program.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);

  const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (outFd < 0 || errFd < 0) throw std::runtime_error("cannot create output files");
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(outFd, 1);
    ::dup2(errFd, 2);
    ::execvp(raw[0], raw.data());
    ::_exit(127);
  }
  ::close(outFd);
  ::close(errFd);
  if (pid < 0) throw std::runtime_error("fork failed");
  return pid;
}

int Wait(TProcess process) {
  int status = 0;
  ::waitpid(static_cast<pid_t>(process), &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::uint64_t FileId(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) throw std::runtime_error("cannot stat " + file.string());
  return info.st_ino;
}

bool MakeFifo(const fs::path& path) { return ::mkfifo(path.c_str(), 0644) == 0; }

bool MakeFolderLink(const fs::path& link, const fs::path& target) {
  std::error_code error;
  fs::create_directory_symlink(target, link, error);
  return !error;
}

bool IgnoresPermissions() { return ::geteuid() == 0; }

bool PassesArgumentBytes() { return true; }

unsigned long GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return static_cast<unsigned long>(child);
}

bool WithFileSizeLimit(std::size_t bytes, const std::function<void()>& body) {
  rlimit before{};
  ::getrlimit(RLIMIT_FSIZE, &before);
  rlimit limited = before;
  limited.rlim_cur = bytes;
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &limited);
  body();
  ::setrlimit(RLIMIT_FSIZE, &before);
  ::signal(SIGXFSZ, oldHandler);
  return true;
}

}  // namespace test_platform
