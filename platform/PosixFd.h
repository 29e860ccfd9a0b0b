#pragma once
// A POSIX file descriptor that closes itself, and the errors around it, shared
// by the POSIX implementations of the platform.

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace platform {

[[noreturn]] inline void RaiseErrno(const char* what, const std::filesystem::path& path, int error = errno) {
  throw std::filesystem::filesystem_error(what, path, std::error_code(error, std::generic_category()));
}

class TFd {
 public:
  explicit TFd(int fd = -1) : fd_(fd) {}
  ~TFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFd(TFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  TFd& operator=(TFd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

inline void WriteWhole(int fd, std::string_view bytes, const std::filesystem::path& path) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseErrno("cannot write file", path);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

}  // namespace platform
