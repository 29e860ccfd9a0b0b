#pragma once
// Reading files and walking folders: the one place the rest of the tree goes
// to for them. Paths are used as given; a path is never made from a narrow
// string (see Platform.h).

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace platform {

// The whole of a regular file (a link to one is followed). Raises
// filesystem_error when the path names nothing, a folder or anything else that
// is no regular file (a FIFO is never opened, so a read never blocks), or
// cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// What is at a path; a symbolic link there is reported, not followed.
enum class TEntryKind { Missing, File, Folder, Link, Other };
TEntryKind KindOf(const std::filesystem::path& path);
// Creates folder with its parents when missing; false when it cannot.
bool MakeFolders(const std::filesystem::path& folder);
// Removes a file or an empty folder; false when nothing was removed.
bool Remove(const std::filesystem::path& path);

// The permissions and modification time of a file, which a copy takes over.
struct TFileStamp {
  std::filesystem::perms permissions;
  std::filesystem::file_time_type modified;
  bool operator==(const TFileStamp&) const = default;
};
// Raises filesystem_error.
TFileStamp StampOf(const std::filesystem::path& file);
void SetStamp(const std::filesystem::path& file, const TFileStamp& stamp);

// One entry of a folder, as the folder lists it (links not followed).
struct TFolderEntry {
  std::filesystem::path path;
  TEntryKind kind;
  bool hidden;    // a name starting with "."
  bool readOnly;  // no write permission for its owner
};
// The entries directly inside folder, sorted by name. error names a folder that cannot be
// listed, or a listing that broke off (the entries read until then are kept).
std::vector<TFolderEntry> ListFolder(const std::filesystem::path& folder, std::error_code& error);

// Copies source's tree into destination: makes each folder (destination
// first) and hands each regular file to copyFile with its target and whether
// it lies directly in source. Hidden entries, links and (unless told
// otherwise) read-only folders are left out. Goes on past an entry that fails (an exception of copyFile or
// makeFolder), telling failed its path and reason, and unlisted of a folder
// that cannot be listed. false when source itself cannot be listed (nothing
// is made then); raises filesystem_error when source is no folder.
struct TTreeCopy {
  std::function<void(const std::filesystem::path& source, const std::filesystem::path& target, bool topLevel)>
      copyFile;
  std::function<void(const std::filesystem::path& folder)> makeFolder;
  std::function<void(const std::filesystem::path& entry, const std::string& reason)> failed;
  std::function<void(const std::filesystem::path& folder, const std::error_code& error)> unlisted;
  // An installed runtime is read-only throughout: its copy takes every folder.
  bool skipReadOnlyFolders = true;
};
bool CopyTree(const std::filesystem::path& source, const std::filesystem::path& destination, const TTreeCopy& copy);

}  // namespace platform
