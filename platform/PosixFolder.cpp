#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/Folder.h"
#include "platform/Platform.h"
#include "platform/PosixFd.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

// Opens name below folder for reading without following a link or waiting on
// a FIFO: -1 (errno ENOENT) when missing.
TFd OpenRegular(int folder, const std::string& name, const fs::path& shown, std::size_t* size = nullptr) {
  TFd fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    if (errno == ENOENT) return fd;
    if (errno == ELOOP) throw TLinkFound(shown);
    RaiseErrno("cannot open file for reading", shown);
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) RaiseErrno("cannot read file", shown);
  if (!S_ISREG(info.st_mode)) throw TNotRegularFile(shown);
  if (size) *size = static_cast<std::size_t>(info.st_size);
  return fd;
}

// Read straight into the string, sized as the file was when opened; a file
// still growing gets more room.
std::string ReadAll(int fd, std::size_t size, const fs::path& shown) {
  std::string bytes(size + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseErrno("cannot read file", shown);
    }
    used += static_cast<std::size_t>(n);
  }
  bytes.resize(used);
  return bytes;
}

// Whether the open file holds exactly bytes, read a block at a time.
bool Holds(int fd, std::string_view bytes, const fs::path& shown) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseErrno("cannot read file", shown);
    }
    if (n == 0) return bytes.empty();
    const auto read = static_cast<std::size_t>(n);
    if (read > bytes.size() || bytes.compare(0, read, std::string_view(buffer, read)) != 0) return false;
    bytes.remove_prefix(read);
  }
}

void TakeStamp(int fd, const fs::path& source, const fs::path& shown) {
  struct stat info {};
  if (::stat(source.c_str(), &info) != 0) RaiseErrno("cannot read file", source);
  const struct timespec times[2] = {info.st_atim, info.st_mtim};
  if (::fchmod(fd, info.st_mode & 07777) != 0 || ::futimens(fd, times) != 0) RaiseErrno("cannot write file", shown);
}

bool SameStamp(const struct stat& info, const fs::path& source) {
  struct stat from {};
  return ::stat(source.c_str(), &from) == 0 && (from.st_mode & 07777) == (info.st_mode & 07777) &&
         from.st_mtim.tv_sec == info.st_mtim.tv_sec && from.st_mtim.tv_nsec == info.st_mtim.tv_nsec;
}

}  // namespace

bool IsLink(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::optional<std::string> ReadRegularFile(const fs::path& path) {
  std::size_t size = 0;
  const TFd fd = OpenRegular(AT_FDCWD, path.native(), path, &size);
  if (fd.get() < 0) return std::nullopt;
  return ReadAll(fd.get(), size, path);
}

struct TFolder::THandle {
  TFd fd;
};

TFolder TFolder::Open(const fs::path& path) {
  TFd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) RaiseErrno("cannot open folder", path);
  return TFolder(std::make_shared<THandle>(THandle{std::move(fd)}), path);
}

std::optional<TFolder> TFolder::Folder(const std::string& name, bool create) const {
  const fs::path shown = path_ / PathFromUtf8(name);
  const int folder = handle_->fd.get();
  for (bool made = false;; made = true) {
    TFd fd(::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() >= 0) return TFolder(std::make_shared<THandle>(THandle{std::move(fd)}), shown);
    const int error = errno;
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode))
      throw TLinkFound(shown);
    if (error == ENOENT && !create) return std::nullopt;
    if (error != ENOENT || made) RaiseErrno("cannot open folder", shown, error);
    if (::mkdirat(folder, name.c_str(), 0777) != 0 && errno != EEXIST) RaiseErrno("cannot create folder", shown);
  }
}

std::optional<std::string> TFolder::Read(const std::string& name) const {
  const fs::path shown = path_ / PathFromUtf8(name);
  std::size_t size = 0;
  const TFd fd = OpenRegular(handle_->fd.get(), name, shown, &size);
  if (fd.get() < 0) return std::nullopt;
  return ReadAll(fd.get(), size, shown);
}

// Every file is written under a temporary name and renamed into place, so a
// killed run leaves only a temporary, never half a file under the real name.
// (An unnamed file linked in whole costs more on ext4 than the rename.)
void TFolder::Write(const std::string& name, std::string_view bytes, const fs::path* stampFrom) const {
  const fs::path shown = path_ / PathFromUtf8(name);
  const int folder = handle_->fd.get();
  struct stat info {};
  const bool exists = ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
  if (exists && S_ISLNK(info.st_mode)) throw TLinkFound(shown);
  // Anything else in the way (a FIFO, a device) is replaced, never opened.
  if (exists && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) == bytes.size() &&
      (!stampFrom || SameStamp(info, *stampFrom))) {
    const TFd fd = OpenRegular(folder, name, shown);
    if (fd.get() >= 0 && Holds(fd.get(), bytes, shown)) return;
  }
  std::string temp;
  TFd fd;
  do {
    temp = TemporaryName(name);
    fd = TFd(::openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  } while (fd.get() < 0 && errno == EEXIST);
  if (fd.get() < 0) RaiseErrno("cannot create file", shown);
  try {
    WriteWhole(fd.get(), bytes, shown);
    if (stampFrom) TakeStamp(fd.get(), *stampFrom, shown);
    // A write the file system refuses only at close (a full disk, a quota) is not lost silently.
    if (::close(fd.Release()) != 0) RaiseErrno("cannot write file", shown);
    if (::renameat(folder, temp.c_str(), folder, name.c_str()) != 0) RaiseErrno("cannot replace file", shown);
  } catch (...) {
    ::unlinkat(folder, temp.c_str(), 0);
    throw;
  }
}

void TFolder::Remove(const std::string& name) const {
  const int folder = handle_->fd.get();
  struct stat info {};
  if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return;
  if (S_ISDIR(info.st_mode)) {
    if (const std::optional<TFolder> inside = Folder(name, false))
      for (const TEntry& entry : inside->Entries()) inside->Remove(entry.name);
  }
  if (::unlinkat(folder, name.c_str(), S_ISDIR(info.st_mode) ? AT_REMOVEDIR : 0) != 0 && errno != ENOENT)
    RaiseErrno("cannot remove", path_ / PathFromUtf8(name));
}

TFolder::TStamp TFolder::Stamp(const std::string& name) const {
  struct stat info {};
  if (::fstatat(handle_->fd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    RaiseErrno("cannot look at", path_ / PathFromUtf8(name));
  }
  const auto nanoseconds = [](const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
  };
  // A link gets a stamp no file or folder has: whatever it leads to is never taken as unchanged.
  if (S_ISLNK(info.st_mode)) return {true, false, 0, -1, -1, static_cast<std::uint64_t>(info.st_ino)};
  return {true, S_ISDIR(info.st_mode), static_cast<std::uint64_t>(info.st_size), nanoseconds(info.st_mtim),
          nanoseconds(info.st_ctim), static_cast<std::uint64_t>(info.st_ino)};
}

std::vector<TFolder::TEntry> TFolder::Entries() const {
  std::vector<TEntry> entries;
  TFd copy(::dup(handle_->fd.get()));
  DIR* listing = copy.get() < 0 ? nullptr : ::fdopendir(copy.get());
  if (!listing) RaiseErrno("cannot open folder", path_);
  copy.Release();
  ::rewinddir(listing);
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    // The listing tells the kind on most file systems; only where it does not is the entry looked at.
    if (entry->d_type != DT_UNKNOWN) {
      entries.push_back({name, entry->d_type == DT_DIR, entry->d_type == DT_REG});
      continue;
    }
    struct stat info {};
    if (::fstatat(handle_->fd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    entries.push_back({name, S_ISDIR(info.st_mode), S_ISREG(info.st_mode)});
  }
  ::closedir(listing);
  return entries;
}

}  // namespace platform
