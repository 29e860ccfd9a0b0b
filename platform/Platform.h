#pragma once
// Everything that differs between the operating systems the core and vbgen
// run on. One implementation per system (PosixPlatform.cpp,
// WindowsPlatform.cpp); the rest of the tree calls only this.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Paths and UTF-8 text: a path is never made from a narrow string, which
// Windows would read in the local code page.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// UTF-8 to code page 936, "?" for a character the code page cannot hold and
// for bytes that are no UTF-8.
std::string Utf8ToGbk(std::string_view utf8);
// Code page 936 bytes for many UTF-8 texts in turn, as Utf8ToGbk gives them:
// they stay in one buffer, and a run outside ASCII met before is not
// converted again. One encoder serves one thread.
class TConvertedRuns;
class TGbkEncoder {
 public:
  TGbkEncoder();
  ~TGbkEncoder();
  // Valid until the next call.
  const std::string& Encode(std::string_view utf8);

 private:
  std::unique_ptr<TConvertedRuns> runs_;
  std::string bytes_;
};
// Code page 936 to UTF-8, "?" for bytes that are no code page 936.
std::string GbkToUtf8(std::string_view gbk);
// Code page 936 to UTF-8 when every byte converts; otherwise badOffset names
// the first byte that does not.
struct TStrictText {
  std::string text;
  std::optional<std::size_t> badOffset;
};
TStrictText GbkToUtf8Strictly(std::string_view gbk);

// Unicode's simple lower-case mapping of one code point.
char32_t LowerCase(char32_t c);

// The running executable; empty when the system does not tell.
std::filesystem::path ExecutablePath();
// The folder holding the running executable (the working folder when unknown).
std::filesystem::path ExecutableFolder();
// Where the user's programs keep their data: $XDG_DATA_HOME (default
// ~/.local/share), on Windows %APPDATA%. Empty when the system names none.
std::filesystem::path UserDataFolder();

// Creates path exclusively (never through an existing entry or link) and
// writes bytes into it. false when the name is taken; other failures raise
// filesystem_error.
bool WriteNewFile(const std::filesystem::path& path, std::string_view bytes);
// Where the file system can make a file unnamed and link it in whole: does so
// and returns true. false, leaving nothing behind, elsewhere or when the name
// is taken meanwhile.
bool CreateWholeFile(const std::filesystem::path& path, std::string_view bytes);
// Puts source in place of target in one step: a reader sees the old file or
// the new one, never neither nor half. Raises filesystem_error.
void ReplaceFile(const std::filesystem::path& source, const std::filesystem::path& target);
// A number no other running process has.
unsigned long ProcessId();
// True when no process with that number runs any more.
bool ProcessIsGone(unsigned long pid);

// Makes the console print and read UTF-8 and returns the program's arguments
// as UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace platform
