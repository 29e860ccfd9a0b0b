#pragma once
// Files and folders of a tree the program writes into, reached without ever
// following a symbolic link, junction or other reparse point, and without
// waiting on a FIFO or device found where a file should be.
//
// A TFolder is opened once and stays so: on POSIX every name is looked up
// relative to the folder's descriptor (openat with O_NOFOLLOW); on Windows the
// folder's handle is held without delete sharing, so neither it nor any
// folder above it that the caller holds can be renamed away and replaced by a
// link while the run writes.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when path itself (its last part) is a symbolic link, junction or other reparse point.
bool IsLink(const std::filesystem::path& path);

// A link met where the tree must hold a real file or folder.
class TLinkFound : public std::runtime_error {
 public:
  explicit TLinkFound(std::filesystem::path path) : std::runtime_error("link"), path_(std::move(path)) {}
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Something other than a regular file (a FIFO, a device, a folder) where a file is read or replaced.
class TNotRegularFile : public std::runtime_error {
 public:
  explicit TNotRegularFile(std::filesystem::path path)
      : std::runtime_error("not a regular file"), path_(std::move(path)) {}
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The bytes of the regular file at path, none when nothing is there. The file
// is opened without blocking and checked once open: a FIFO or device raises
// TNotRegularFile instead of hanging. Other failures raise filesystem_error.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path);

// The hidden temporary name under which name is written before it is renamed
// into place: ".NAME.~vbgen-PID-TAG.tmp", TAG sixteen random hexadecimal digits.
std::string TemporaryName(std::string_view name);
// The process that made a temporary name of that shape; none for any other name.
std::optional<unsigned long> TemporaryOwner(std::string_view name);

class TFolder {
 public:
  // The folder at path, following links to it: the tree starts there.
  static TFolder Open(const std::filesystem::path& path);

  // The sub-folder name (one part), made when missing and create is set; none
  // when missing otherwise. TLinkFound when name is a link.
  std::optional<TFolder> Folder(const std::string& name, bool create) const;
  // The regular file name's bytes, none when missing. TLinkFound, TNotRegularFile.
  std::optional<std::string> Read(const std::string& name) const;
  // Puts bytes at name in one step (a reader sees the old file or the new one);
  // a file already holding them is left untouched. With a source, the file
  // takes over its permissions and modification time. TLinkFound, TNotRegularFile.
  void Write(const std::string& name, std::string_view bytes, const std::filesystem::path* stampFrom = nullptr) const;
  // Removes the file or (with everything in it) the folder name; a link is removed, never followed.
  void Remove(const std::string& name) const;
  // The names directly inside, with whether each is a folder (links count as neither).
  struct TEntry {
    std::string name;
    bool folder = false;
    bool regular = false;
  };
  std::vector<TEntry> Entries() const;
  // What tells whether name changed since it was last looked at, never
  // following a link: a file rewritten, replaced, touched or removed, or a
  // folder whose entries changed, gets another stamp.
  struct TStamp {
    bool exists = false;
    bool folder = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds, or 100-nanosecond ticks on Windows
    std::int64_t changed = 0;   // status change: set by the system, not by a program that copies times
    std::uint64_t id = 0;       // inode or file index: a file renamed over the name gets another
    bool operator==(const TStamp&) const = default;
  };
  TStamp Stamp(const std::string& name) const;

  const std::filesystem::path& path() const { return path_; }

 private:
  struct THandle;
  TFolder(std::shared_ptr<THandle> handle, std::filesystem::path path)
      : handle_(std::move(handle)), path_(std::move(path)) {}
  std::shared_ptr<THandle> handle_;
  std::filesystem::path path_;
};

}  // namespace platform
