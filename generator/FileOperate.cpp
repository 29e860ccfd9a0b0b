#include "generator/FileOperate.h"

#include <fcntl.h>
#include <iconv.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

[[noreturn]] void RaiseErrno(const std::string& what, const fs::path& path) {
  throw fs::filesystem_error(what, path, std::error_code(errno, std::generic_category()));
}

[[noreturn]] void RefuseLink(const fs::path& path) {
  throw TFileRefused("路径 " + path.string() + " 是符号链接，生成不会写到它指向的地方: 请删除这个链接后再生成!");
}

class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int get() const { return fd_; }
  // Closes now, raising what the close reports: a write the file system
  // could only refuse at close (a full disk, a quota) is not lost silently.
  void Close(const fs::path& path) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) RaiseErrno("cannot write file", path);
  }

 private:
  int fd_;
};

std::string ReadAll(const fs::path& path) {
  TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) RaiseErrno("cannot open file for reading", path);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseErrno("cannot read file", path);
    }
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

enum class TOnDisk { Missing, Different, Same };

// Compares without raising: a file that cannot be read is simply different.
// An open and one read decide for a regular file: a read that returns less
// than asked has met the end. O_NONBLOCK keeps a FIFO from blocking the open;
// a symbolic link at the path is refused.
TOnDisk Compare(const fs::path& path, std::string_view bytes) {
  TFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0 && errno == ELOOP) RefuseLink(path);
  if (fd.get() < 0) return errno == ENOENT ? TOnDisk::Missing : TOnDisk::Different;
  std::string held(bytes.size() + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    const ssize_t n = ::read(fd.get(), held.data() + used, held.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return TOnDisk::Different;
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (used == held.size()) return TOnDisk::Different;
  }
  if (std::string_view(held.data(), used) != bytes) return TOnDisk::Different;
  struct stat info {};
  return ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) ? TOnDisk::Same : TOnDisk::Different;
}

bool HoldsExactly(const fs::path& path, std::string_view bytes) { return Compare(path, bytes) == TOnDisk::Same; }

void WriteWhole(int fd, std::string_view bytes, const fs::path& path) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseErrno("cannot write file", path);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// The mode and times a copied file takes over from its source.
struct TFileStamp {
  mode_t mode;
  timespec times[2];  // access, modification
};

// An unpredictable tag for a temporary name: a name planted in advance
// cannot be the one chosen.
std::string RandomTag() {
  thread_local std::mt19937_64 generator(std::random_device{}());
  char tag[17];
  std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(generator()));
  return tag;
}

// Creates ".NAME.PID.TAG.tmp" beside path, exclusively and without following
// a link, and returns its descriptor (RemoveStaleTemporaries knows the shape).
int CreateTemporary(const fs::path& path, fs::path& temp) {
  int raw = -1;
  do {
    temp = path.parent_path() /
           ("." + path.filename().string() + "." + std::to_string(::getpid()) + "." + RandomTag() + ".tmp");
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  } while (raw < 0 && errno == EEXIST);
  if (raw < 0) RaiseErrno("cannot create file", path);
  return raw;
}

// Writes bytes to a temporary file beside path and renames it over path, so
// that a reader never sees half a file.
void ReplaceFile(const fs::path& path, std::string_view bytes, const TFileStamp* stamp) {
  fs::path temp;
  TFd fd(CreateTemporary(path, temp));
  try {
    WriteWhole(fd.get(), bytes, path);
    if (stamp && (::fchmod(fd.get(), stamp->mode & 07777) != 0 || ::futimens(fd.get(), stamp->times) != 0))
      RaiseErrno("cannot set mode and times", path);
    fd.Close(path);
    if (::rename(temp.c_str(), path.c_str()) != 0) RaiseErrno("cannot replace file", path);
  } catch (...) {
    ::unlink(temp.c_str());
    throw;
  }
}

// A new file written unnamed and linked in whole: one directory entry made
// instead of a temporary one and a rename. false, with nothing left behind,
// where the file system cannot do it or the name was taken meanwhile.
bool CreateWhole(const fs::path& path, std::string_view bytes) {
  TFd fd(::open(path.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (fd.get() < 0) return false;
  WriteWhole(fd.get(), bytes, path);
  const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
  return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

void SaveBytes(const fs::path& path, std::string_view bytes) {
  const TOnDisk onDisk = Compare(path, bytes);
  if (onDisk == TOnDisk::Same) return;
  if (onDisk == TOnDisk::Missing && CreateWhole(path, bytes)) return;
  ReplaceFile(path, bytes, nullptr);
}

// How many bytes at the front of text one "?" stands for: a whole well-formed
// UTF-8 sequence, or the longest start of one that the text holds (at least one byte).
std::size_t ReplacedLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size()) return i;
    const auto next = static_cast<unsigned char>(text[i]);
    const bool outOfRange = i == 1 && ((lead == 0xE0 && next < 0xA0) || (lead == 0xED && next > 0x9F) ||
                                       (lead == 0xF0 && next < 0x90) || (lead == 0xF4 && next > 0x8F));
    if ((next & 0xC0) != 0x80 || outOfRange) return i;
  }
  return length;
}

enum class TDirection { ToGbk, FromGbk };

// One iconv handle between UTF-8 and code page 936 (named GBK by some iconvs).
class TGbkConverter {
 public:
  explicit TGbkConverter(TDirection direction) {
    const bool toGbk = direction == TDirection::ToGbk;
    for (const char* gbk : {"CP936", "GBK"}) {
      if (cd_ != reinterpret_cast<iconv_t>(-1)) break;
      cd_ = toGbk ? ::iconv_open(gbk, "UTF-8") : ::iconv_open("UTF-8", gbk);
    }
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::system_error(errno, std::generic_category(), "iconv cannot convert between UTF-8 and code page 936");
  }
  ~TGbkConverter() { ::iconv_close(cd_); }
  TGbkConverter(const TGbkConverter&) = delete;
  TGbkConverter& operator=(const TGbkConverter&) = delete;

  // Every byte must convert; raises TDecodeError at the first that does not.
  std::string ConvertStrictly(std::string_view text) {
    ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* target = out.data();
    std::size_t outLeft = out.size();
    // Three UTF-8 bytes at most for two of code page 936, so the output never runs short.
    if (::iconv(cd_, &in, &inLeft, &target, &outLeft) == static_cast<std::size_t>(-1) ||
        ::iconv(cd_, nullptr, nullptr, &target, &outLeft) == static_cast<std::size_t>(-1))
      throw TDecodeError(text.size() - inLeft);
    out.resize(out.size() - outLeft);
    return out;
  }

  std::string Convert(std::string_view utf8) {
    ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(utf8.size() + 16, '\0');
    std::size_t used = 0;
    while (!utf8.empty()) {
      char* in = const_cast<char*>(utf8.data());
      std::size_t inLeft = utf8.size();
      char* target = out.data() + used;
      std::size_t outLeft = out.size() - used;
      const std::size_t result = ::iconv(cd_, &in, &inLeft, &target, &outLeft);
      const int error = errno;
      used = out.size() - outLeft;
      utf8.remove_prefix(utf8.size() - inLeft);
      if (result != static_cast<std::size_t>(-1)) break;
      if (error == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // A character GBK cannot hold, or bytes that are no UTF-8 at all.
      if (used == out.size()) out.resize(out.size() * 2);
      out[used++] = '?';
      utf8.remove_prefix(ReplacedLength(utf8));
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_ = reinterpret_cast<iconv_t>(-1);
};

}  // namespace

std::string TFileOperate::ToGbk(const std::string& utf8) {
  thread_local TGbkConverter converter(TDirection::ToGbk);
  return converter.Convert(utf8);
}

std::string TFileOperate::FromGbk(const std::string& gbk) {
  thread_local TGbkConverter converter(TDirection::FromGbk);
  return converter.ConvertStrictly(gbk);
}

std::string TFileOperate::ReadTemplate(const fs::path& path) {
  std::string text = ReadAll(path);
  if (std::string_view(text).starts_with(kBom)) text.erase(0, kBom.size());
  return text;
}

void TFileOperate::WriteUtf8(const std::string& text, const fs::path& path) {
  std::string bytes;
  bytes.reserve(kBom.size() + text.size());
  bytes.append(kBom).append(text);
  SaveBytes(path, bytes);
}

void TFileOperate::WriteBytes(const std::string& bytes, const fs::path& path) { SaveBytes(path, bytes); }

void TFileOperate::WriteGbk(const std::string& text, const fs::path& path) { SaveBytes(path, ToGbk(text)); }

void TFileOperate::MakeFolder(const fs::path& folder) {
  std::error_code ignored;
  fs::create_directories(folder, ignored);
}

void TFileOperate::CopyBytes(const fs::path& source, const fs::path& target) { SaveBytes(target, ReadAll(source)); }

void TFileOperate::SaveUtf8File(const fs::path& folder, const fs::path& path, const std::string& text) {
  MakeFolder(folder);
  WriteUtf8(text, path);
}

void TFileOperate::SaveTextFile(const fs::path& folder, const fs::path& path, const std::string& text) {
  MakeFolder(folder);
  WriteGbk(text, path);
}

namespace {

// Entries the original single-file copy could not take are left out: hidden
// ones, links, and folders carrying the read-only attribute.
bool IsSkipped(const fs::path& entry, const struct stat& info) {
  return entry.filename().string().starts_with(".") || S_ISLNK(info.st_mode) ||
         (S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR) == 0);
}

bool IsLink(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Copies one file keeping its mode and times; a target that already matches
// in bytes, mode and modification time is left as it is.
void CopyOneFile(const fs::path& source, const struct stat& info, const fs::path& target, bool failIfExists) {
  struct stat existing {};
  const bool exists = ::lstat(target.c_str(), &existing) == 0;
  if (exists && S_ISLNK(existing.st_mode)) RefuseLink(target);
  if (exists && failIfExists) return;
  const std::string bytes = ReadAll(source);
  if (exists && existing.st_mode == info.st_mode && existing.st_mtim.tv_sec == info.st_mtim.tv_sec &&
      existing.st_mtim.tv_nsec == info.st_mtim.tv_nsec && HoldsExactly(target, bytes))
    return;
  const TFileStamp stamp{info.st_mode, {info.st_atim, info.st_mtim}};
  ReplaceFile(target, bytes, &stamp);
}

std::string CopyFailure(const fs::path& source, const std::string& reason) {
  return "无法复制 " + source.string() + ": " + reason;
}

// ".NAME.PID.TAG.tmp" (TAG hexadecimal, as CreateTemporary makes it and as
// earlier builds made it with a decimal counter): the PID, or 0 for any other name.
pid_t TemporaryOwner(const std::string& name) {
  constexpr std::string_view kSuffix = ".tmp";
  if (name.size() < 2 + kSuffix.size() || name[0] != '.' || !name.ends_with(kSuffix)) return 0;
  const std::string_view stem(name.data() + 1, name.size() - 1 - kSuffix.size());
  const std::size_t tagDot = stem.rfind('.');
  if (tagDot == std::string_view::npos || tagDot == 0 || tagDot + 1 == stem.size()) return 0;
  const std::string_view tag = stem.substr(tagDot + 1);
  if (tag.find_first_not_of("0123456789abcdef") != std::string_view::npos) return 0;
  const std::size_t pidDot = stem.rfind('.', tagDot - 1);
  if (pidDot == std::string_view::npos || pidDot == 0) return 0;
  const std::string_view digits = stem.substr(pidDot + 1, tagDot - pidDot - 1);
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  return error == std::errc() && end == digits.data() + digits.size() && pid > 0 ? pid : 0;
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

TCopyOutcome TFileOperate::CopyFolder(const fs::path& source, const fs::path& destination, bool failIfExists) {
  struct stat sourceInfo {};
  if (::stat(source.c_str(), &sourceInfo) != 0) RaiseErrno("cannot open folder", source);
  if (!S_ISDIR(sourceInfo.st_mode)) {
    errno = ENOTDIR;
    RaiseErrno("cannot open folder", source);
  }
  std::error_code error;
  fs::directory_iterator walk(source, error);
  if (error) return {false, {CopyFailure(source, "无法列出这个文件夹 (" + error.message() + ")")}};
  TCopyOutcome outcome{true, {}};
  MakeFolder(destination);
  for (; walk != fs::directory_iterator(); walk.increment(error)) {
    const fs::path entry = walk->path();
    struct stat info {};
    if (::lstat(entry.c_str(), &info) != 0) {
      outcome.failed.push_back(CopyFailure(entry, std::generic_category().message(errno)));
      continue;
    }
    if (IsSkipped(entry, info)) continue;
    const fs::path target = destination / entry.filename();
    try {
      if (S_ISDIR(info.st_mode)) {
        if (IsLink(target)) RefuseLink(target);
        MakeFolder(target);
        TCopyOutcome nested = CopyFolder(entry, target, false);
        outcome.failed.insert(outcome.failed.end(), nested.failed.begin(), nested.failed.end());
      } else if (S_ISREG(info.st_mode)) {
        CopyOneFile(entry, info, target, failIfExists);
      }
    } catch (const std::exception& e) {
      outcome.failed.push_back(CopyFailure(entry, e.what()));
    }
  }
  if (error) outcome.failed.push_back(CopyFailure(source, "无法列出这个文件夹 (" + error.message() + ")"));
  return outcome;
}

void TFileOperate::RefuseLinksBelow(const fs::path& root, const fs::path& path) {
  const fs::path relative = path.lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..") return;
  fs::path walked = root;
  for (const fs::path& part : relative) {
    if (part == "." || part.empty()) continue;
    walked /= part;
    if (IsLink(walked)) RefuseLink(walked);
  }
}

void TFileOperate::WriteRegularFile(const fs::path& path, std::string_view bytes) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
    throw TFileRefused("无法写入 " + path.string() +
                       ": 它不是普通文件 (而是设备、管道、文件夹或符号链接)，请换一个文件名!");
  ReplaceFile(path, bytes, nullptr);
}

std::size_t TFileOperate::RemoveStaleTemporaries(const fs::path& folder) {
  std::size_t removed = 0;
  std::error_code error;
  for (fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error), end;
       !error && walk != end; walk.increment(error)) {
    const pid_t owner = TemporaryOwner(walk->path().filename().string());
    if (owner != 0 && walk->symlink_status().type() == fs::file_type::regular && ProcessIsGone(owner) &&
        ::unlink(walk->path().c_str()) == 0)
      ++removed;
  }
  return removed;
}
