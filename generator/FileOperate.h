#pragma once
// All file work of the generators. Texts are UTF-8 inside the program; paths
// are used as given (callers pass absolute paths: nothing here changes the
// process's current directory). Every file is written through a temporary
// file and a rename, so an interrupted run never leaves half a file.

#include <filesystem>
#include <string>

class TFileOperate {
 public:
  TFileOperate() = delete;

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
  // source. Hidden, read-only and symbolic-link entries are skipped. false
  // when the source cannot be listed; an error when it does not exist.
  static bool CopyFolder(const std::filesystem::path& source, const std::filesystem::path& destination,
                         bool failIfExists);

  // UTF-8 to code page 936, "?" for what it cannot hold.
  static std::string ToGbk(const std::string& utf8);
};
