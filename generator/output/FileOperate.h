#pragma once
// All file work of the generators, done through platform/ (Files.h and
// Platform.h). Texts are UTF-8 inside the program; paths are used as given
// (callers pass absolute paths: nothing here changes the process's current
// directory). Every file is written through a temporary
// file and a rename, so an interrupted run never leaves half a file. A
// symbolic link where a file is written is refused, never followed.

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A path the file layer will not write through: a symbolic link inside the
// output tree, or something other than a regular file where one is replaced.
class TFileRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a folder copy did: whether the source could be listed, and every
// entry it could not copy, each with its path and reason.
struct TCopyOutcome {
  bool listed = false;
  std::vector<std::string> failed;
  explicit operator bool() const { return listed; }
};

class TFileOperate {
 public:
  TFileOperate() = delete;

  // The file's bytes as they are.
  static std::string ReadBytes(const std::filesystem::path& path);
  // The file's text without its UTF-8 byte-order mark (dropped only when present).
  static std::string ReadTemplate(const std::filesystem::path& path);
  // EF BB BF, then the text's UTF-8 bytes.
  static void WriteUtf8(const std::string& text, const std::filesystem::path& path);
  // The text in code page 936 without a mark ("?" for a character the code
  // page cannot hold).
  static void WriteGbk(const std::string& text, const std::filesystem::path& path);
  // The bytes as they are; a file that holds them already is left untouched.
  static void WriteBytes(const std::string& bytes, const std::filesystem::path& path);
  // Creates folder with its parents when missing. Silent: a folder that cannot
  // be made shows up as the error of the file written into it.
  static void MakeFolder(const std::filesystem::path& folder);
  // Creates folder (with its parents) when missing, then WriteUtf8.
  static void SaveUtf8File(const std::filesystem::path& folder, const std::filesystem::path& path,
                           const std::string& text);
  // Creates folder when missing, then WriteGbk.
  static void SaveTextFile(const std::filesystem::path& folder, const std::filesystem::path& path,
                           const std::string& text);
  // Writes source's bytes to target (whose folder must exist), replacing it;
  // a target that already holds exactly those bytes is left untouched.
  static void CopyBytes(const std::filesystem::path& source, const std::filesystem::path& target);
  // Recursive copy; failIfExists governs only the entries directly inside
  // source. Hidden entries, read-only folders and symbolic links in source
  // are skipped; a symbolic link in destination is refused, not followed.
  // Goes on past an entry it cannot copy and names it in the outcome. An
  // error when the source does not exist.
  static TCopyOutcome CopyFolder(const std::filesystem::path& source, const std::filesystem::path& destination,
                                 bool failIfExists);

  // TFileRefused naming the symbolic link (or junction) at path.
  [[noreturn]] static void RefuseLink(const std::filesystem::path& path);
  // TFileRefused naming the first part of path below root (root itself
  // excluded) that is a symbolic link. Parts that do not exist yet pass.
  static void RefuseLinksBelow(const std::filesystem::path& root, const std::filesystem::path& path);
  // Replaces path with bytes, refusing (TFileRefused) a path that holds
  // anything but a regular file: a device, a FIFO, a folder, a symbolic link.
  // The temporary file beside it is created exclusively under an
  // unpredictable name, so nothing planted there is followed.
  static void WriteRegularFile(const std::filesystem::path& path, std::string_view bytes);

  // UTF-8 to code page 936, "?" for what it cannot hold.
  static std::string ToGbk(const std::string& utf8);
};
