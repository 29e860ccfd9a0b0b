#include <windows.h>
// windows.h names ReplaceFileW ReplaceFile; ours is platform::ReplaceFile.
#undef ReplaceFile

#include <algorithm>
#include <system_error>

#include "platform/Folder.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

[[noreturn]] void RaiseLastError(const char* what, const fs::path& path, DWORD error = ::GetLastError()) {
  throw fs::filesystem_error(what, path, std::error_code(static_cast<int>(error), std::system_category()));
}

class THandleOwner {
 public:
  explicit THandleOwner(HANDLE handle) : handle_(handle) {}
  ~THandleOwner() {
    if (valid()) ::CloseHandle(handle_);
  }
  THandleOwner(const THandleOwner&) = delete;
  THandleOwner& operator=(const THandleOwner&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

DWORD Attributes(const fs::path& path) { return ::GetFileAttributesW(path.c_str()); }

bool Missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Whether the opened object is a reparse point: asked of the handle (opened
// with FILE_FLAG_OPEN_REPARSE_POINT, so the link itself) and of its path,
// which is what Wine marks for a host's symbolic link to a folder.
bool IsReparsePoint(HANDLE handle, const fs::path& path) {
  FILE_ATTRIBUTE_TAG_INFO info{};
  if (::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info) &&
      (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return true;
  return IsLink(path);
}

std::string ReadOpened(HANDLE file, const fs::path& path) {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    DWORD done = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &done, nullptr)) RaiseLastError("cannot read file", path);
    if (done == 0) return bytes;
    bytes.append(buffer, done);
  }
}

}  // namespace

bool IsLink(const fs::path& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A pipe or device is opened but never read: its type is checked first.
std::optional<std::string> ReadRegularFile(const fs::path& path) {
  const THandleOwner file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
  if (!file.valid()) {
    const DWORD error = ::GetLastError();
    if (Missing(error)) return std::nullopt;
    RaiseLastError("cannot open file for reading", path, error);
  }
  if (IsReparsePoint(file.get(), path)) throw TLinkFound(path);
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    throw TNotRegularFile(path);
  return ReadOpened(file.get(), path);
}

struct TFolder::THandle {
  explicit THandle(HANDLE h) : handle(h) {}
  THandleOwner handle;
};

namespace {

// Held without delete sharing: the folder cannot be renamed or removed, and so
// not replaced by a link, while it is held.
HANDLE OpenFolderHandle(const fs::path& path) {
  return ::CreateFileW(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

}  // namespace

TFolder TFolder::Open(const fs::path& path) {
  const HANDLE handle = ::CreateFileW(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) RaiseLastError("cannot open folder", path);
  return TFolder(std::make_shared<THandle>(handle), path);
}

std::optional<TFolder> TFolder::Folder(const std::string& name, bool create) const {
  const fs::path path = path_ / PathFromUtf8(name);
  if (IsLink(path)) throw TLinkFound(path);
  if (create && !::CreateDirectoryW(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
    RaiseLastError("cannot create folder", path);
  auto handle = std::make_shared<THandle>(OpenFolderHandle(path));
  if (!handle->handle.valid()) {
    const DWORD error = ::GetLastError();
    if (Missing(error) && !create) return std::nullopt;
    RaiseLastError("cannot open folder", path, error);
  }
  if (IsReparsePoint(handle->handle.get(), path)) throw TLinkFound(path);
  return TFolder(std::move(handle), path);
}

std::optional<std::string> TFolder::Read(const std::string& name) const {
  return ReadRegularFile(path_ / PathFromUtf8(name));
}

void TFolder::Write(const std::string& name, std::string_view bytes, const fs::path* stampFrom) const {
  const fs::path path = path_ / PathFromUtf8(name);
  const DWORD attributes = Attributes(path);
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) throw TLinkFound(path);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) throw TNotRegularFile(path);
    std::error_code error;
    const bool sameStamp = !stampFrom || (fs::last_write_time(*stampFrom, error) == fs::last_write_time(path, error) &&
                                          fs::status(*stampFrom, error).permissions() == fs::status(path, error).permissions() && !error);
    if (sameStamp && Read(name) == bytes) return;
  }
  fs::path temp;
  do temp = path_ / PathFromUtf8(TemporaryName(name));
  while (!WriteNewFile(temp, bytes));
  try {
    if (stampFrom) {
      fs::permissions(temp, fs::status(*stampFrom).permissions());
      fs::last_write_time(temp, fs::last_write_time(*stampFrom));
    }
    ReplaceFile(temp, path);
  } catch (...) {
    ::DeleteFileW(temp.c_str());
    throw;
  }
}

// A link (to a folder or a file) is removed itself; only a real folder is emptied first.
void TFolder::Remove(const std::string& name) const {
  const fs::path path = path_ / PathFromUtf8(name);
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  const bool folder = attributes & FILE_ATTRIBUTE_DIRECTORY;
  if (folder && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    if (const std::optional<TFolder> inside = Folder(name, false))
      for (const TEntry& entry : inside->Entries()) inside->Remove(entry.name);
  const BOOL removed = folder ? ::RemoveDirectoryW(path.c_str()) : ::DeleteFileW(path.c_str());
  if (!removed && !Missing(::GetLastError())) RaiseLastError("cannot remove", path);
}

TFolder::TStamp TFolder::Stamp(const std::string& name) const {
  const fs::path path = path_ / PathFromUtf8(name);
  const THandleOwner file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) {
    const DWORD error = ::GetLastError();
    if (Missing(error)) return {};
    RaiseLastError("cannot look at", path, error);
  }
  FILE_BASIC_INFO basic{};
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandleEx(file.get(), FileBasicInfo, &basic, sizeof basic) ||
      !::GetFileInformationByHandle(file.get(), &info))
    RaiseLastError("cannot look at", path);
  const std::uint64_t id = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  // A link gets a stamp no file or folder has: whatever it leads to is never taken as unchanged.
  if (IsReparsePoint(file.get(), path)) return {true, false, 0, -1, -1, id};
  return {true, (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow, basic.LastWriteTime.QuadPart,
          basic.ChangeTime.QuadPart, id};
}

std::vector<TFolder::TEntry> TFolder::Entries() const {
  std::vector<TEntry> entries;
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW((path_ / L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return entries;
    RaiseLastError("cannot open folder", path_);
  }
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const DWORD attributes = found.dwFileAttributes;
    const bool link = attributes & FILE_ATTRIBUTE_REPARSE_POINT;
    const bool folder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    entries.push_back({Utf8FromPath(fs::path(name)), folder && !link, !folder && !link});
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return entries;
}

}  // namespace platform
