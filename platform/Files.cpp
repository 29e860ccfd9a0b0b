#include "platform/Files.h"

#include <algorithm>
#include <fstream>

#include "platform/Folder.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace platform {

fs::path ExecutableFolder() {
  const fs::path self = ExecutablePath();
  return self.empty() ? fs::current_path() : self.parent_path();
}

std::string ReadFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) throw fs::filesystem_error("cannot open file for reading", path, error);
  if (fs::is_directory(status))
    throw fs::filesystem_error("cannot open file for reading", path, std::make_error_code(std::errc::is_a_directory));
  if (!fs::is_regular_file(status))
    throw fs::filesystem_error("cannot open file for reading", path, std::make_error_code(std::errc::invalid_argument));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw fs::filesystem_error("cannot open file for reading", path, std::make_error_code(std::errc::io_error));
  std::string bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) throw fs::filesystem_error("cannot read file", path, std::make_error_code(std::errc::io_error));
  return bytes;
}

namespace {

TEntryKind KindOf(const fs::file_status& status) {
  switch (status.type()) {
    case fs::file_type::not_found:
      return TEntryKind::Missing;
    case fs::file_type::regular:
      return TEntryKind::File;
    case fs::file_type::directory:
      return TEntryKind::Folder;
    case fs::file_type::symlink:
      return TEntryKind::Link;
    default:
      return TEntryKind::Other;
  }
}

// MinGW's standard library knows no reparse points: a symbolic link or
// junction on Windows has the status of what it points to.
TEntryKind KindOf(const fs::path& path, const fs::file_status& status) {
  const TEntryKind kind = KindOf(status);
  return (kind == TEntryKind::Folder || kind == TEntryKind::File) && IsLink(path) ? TEntryKind::Link : kind;
}

bool IsReadOnly(const fs::file_status& status) {
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

TEntryKind KindOf(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  return error && status.type() != fs::file_type::not_found ? TEntryKind::Other : KindOf(path, status);
}

bool MakeFolders(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return !error;
}

bool Remove(const fs::path& path) {
  std::error_code error;
  return fs::remove(path, error);
}

TFileStamp StampOf(const fs::path& file) { return {fs::status(file).permissions(), fs::last_write_time(file)}; }

void SetStamp(const fs::path& file, const TFileStamp& stamp) {
  fs::permissions(file, stamp.permissions);
  fs::last_write_time(file, stamp.modified);
}

std::vector<TFolderEntry> ListFolder(const fs::path& folder, std::error_code& error) {
  std::vector<TFolderEntry> entries;
  for (fs::directory_iterator walk(folder, error), end; !error && walk != end; walk.increment(error)) {
    std::error_code statusError;
    const fs::file_status status = walk->symlink_status(statusError);
    entries.push_back({walk->path(), statusError ? TEntryKind::Other : KindOf(walk->path(), status),
                       walk->path().filename().u8string().starts_with(u8"."), IsReadOnly(status)});
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
  return entries;
}

namespace {

void CopyEntries(const fs::path& source, const std::vector<TFolderEntry>& entries, const std::error_code& listError,
                 const fs::path& destination, const TTreeCopy& copy, bool topLevel) {
  for (const TFolderEntry& entry : entries) {
    if (entry.hidden || entry.kind == TEntryKind::Link ||
        (entry.kind == TEntryKind::Folder && entry.readOnly && copy.skipReadOnlyFolders))
      continue;
    const fs::path target = destination / entry.path.filename();
    try {
      if (entry.kind == TEntryKind::Folder) {
        copy.makeFolder(target);
        std::error_code error;
        const std::vector<TFolderEntry> nested = ListFolder(entry.path, error);
        CopyEntries(entry.path, nested, error, target, copy, false);
      } else if (entry.kind == TEntryKind::File) {
        copy.copyFile(entry.path, target, topLevel);
      }
    } catch (const std::exception& e) {
      copy.failed(entry.path, e.what());
    }
  }
  if (listError) copy.unlisted(source, listError);
}

}  // namespace

bool CopyTree(const fs::path& source, const fs::path& destination, const TTreeCopy& copy) {
  std::error_code error;
  const fs::file_status sourceStatus = fs::status(source, error);
  if (error) throw fs::filesystem_error("cannot open folder", source, error);
  if (!fs::is_directory(sourceStatus))
    throw fs::filesystem_error("cannot open folder", source, std::make_error_code(std::errc::not_a_directory));
  const std::vector<TFolderEntry> entries = ListFolder(source, error);
  if (error && entries.empty()) {
    copy.unlisted(source, error);
    return false;
  }
  copy.makeFolder(destination);
  CopyEntries(source, entries, error, destination, copy, true);
  return true;
}

}  // namespace platform
