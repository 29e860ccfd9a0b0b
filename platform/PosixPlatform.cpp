#include <fcntl.h>
#include <iconv.h>
#include <locale.h>
#include <signal.h>
#include <unistd.h>
#include <wctype.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "platform/AsciiRuns.h"
#include "platform/Platform.h"
#include "platform/PosixFd.h"
#include "platform/Utf8Sequence.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

std::size_t Utf8ReplacedLength(std::string_view text) { return NextUtf8(text).length; }

// A double-byte character of code page 936 is replaced whole, a stray byte alone.
std::size_t GbkReplacedLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  return lead >= 0x81 && lead <= 0xFE && text.size() > 1 ? 2 : 1;
}

class TConverter {
 public:
  TConverter(const char* to, const char* from, const char* fallbackTo, const char* fallbackFrom) {
    cd_ = ::iconv_open(to, from);
    if (cd_ == reinterpret_cast<iconv_t>(-1)) cd_ = ::iconv_open(fallbackTo, fallbackFrom);
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::system_error(errno, std::generic_category(), std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~TConverter() { ::iconv_close(cd_); }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  std::string Convert(std::string_view text, std::size_t (*replacedLength)(std::string_view)) {
    ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 2 + 16, '\0');
    std::size_t used = 0;
    while (!text.empty()) {
      char* in = const_cast<char*>(text.data());
      std::size_t inLeft = text.size();
      char* target = out.data() + used;
      std::size_t outLeft = out.size() - used;
      const std::size_t result = ::iconv(cd_, &in, &inLeft, &target, &outLeft);
      const int error = errno;
      used = out.size() - outLeft;
      text.remove_prefix(text.size() - inLeft);
      if (result != static_cast<std::size_t>(-1)) break;
      if (error == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // A character the target cannot hold, or bytes that are no text of the source.
      if (used == out.size()) out.resize(out.size() * 2);
      out[used++] = '?';
      text.remove_prefix(replacedLength(text));
    }
    out.resize(used);
    return out;
  }

  TStrictText ConvertStrictly(std::string_view text) {
    ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    // Three UTF-8 bytes at most for two of code page 936, so the output never runs short.
    std::string out(text.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* target = out.data();
    std::size_t outLeft = out.size();
    if (::iconv(cd_, &in, &inLeft, &target, &outLeft) == static_cast<std::size_t>(-1) ||
        ::iconv(cd_, nullptr, nullptr, &target, &outLeft) == static_cast<std::size_t>(-1))
      return {{}, text.size() - inLeft};
    out.resize(out.size() - outLeft);
    return {std::move(out), std::nullopt};
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string SystemUtf8ToGbk(std::string_view utf8) {
  thread_local TConverter converter("CP936", "UTF-8", "GBK", "UTF-8");
  return converter.Convert(utf8, Utf8ReplacedLength);
}

std::string SystemGbkToUtf8(std::string_view gbk) {
  thread_local TConverter converter("UTF-8", "CP936", "UTF-8", "GBK");
  return converter.Convert(gbk, GbkReplacedLength);
}

TStrictText GbkToUtf8Strictly(std::string_view gbk) {
  thread_local TConverter converter("UTF-8", "CP936", "UTF-8", "GBK");
  return converter.ConvertStrictly(gbk);
}

// The C library's UTF-8 locale knows the mapping; ASCII only where it is missing.
char32_t LowerCase(char32_t c) {
  static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  if (utf8 != static_cast<locale_t>(0)) return static_cast<char32_t>(::towlower_l(static_cast<wint_t>(c), utf8));
  return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

fs::path ExecutablePath() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : self;
}

fs::path UserDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && fs::path(data).is_absolute()) return PathFromUtf8(data);
  const char* home = std::getenv("HOME");
  return home && *home ? PathFromUtf8(home) / ".local" / "share" : fs::path();
}

bool WriteNewFile(const fs::path& path, std::string_view bytes) {
  TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (fd.get() < 0) {
    if (errno == EEXIST) return false;
    RaiseErrno("cannot create file", path);
  }
  try {
    WriteWhole(fd.get(), bytes, path);
    // A write the file system refuses only at close (a full disk, a quota) is not lost silently.
    if (::close(fd.Release()) != 0) RaiseErrno("cannot write file", path);
  } catch (...) {
    ::unlink(path.c_str());
    throw;
  }
  return true;
}

bool CreateWholeFile(const fs::path& path, std::string_view bytes) {
  TFd fd(::open(path.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (fd.get() < 0) return false;
  WriteWhole(fd.get(), bytes, path);
  const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
  return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

void ReplaceFile(const fs::path& source, const fs::path& target) {
  if (::rename(source.c_str(), target.c_str()) != 0) RaiseErrno("cannot replace file", target);
}

// Asked once: every temporary file a run writes carries it, and the program never forks.
unsigned long ProcessId() {
  static const auto id = static_cast<unsigned long>(::getpid());
  return id;
}

bool ProcessIsGone(unsigned long pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

}  // namespace platform
