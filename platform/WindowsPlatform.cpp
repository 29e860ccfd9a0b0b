#include <windows.h>
// windows.h names ReplaceFileW ReplaceFile; ours is platform::ReplaceFile.
#undef ReplaceFile

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>

#include "platform/AsciiRuns.h"
#include "platform/Platform.h"
#include "platform/Utf8Sequence.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr UINT kGbk = 936;

[[noreturn]] void RaiseLastError(const std::string& what, const fs::path& path) {
  throw fs::filesystem_error(what, path, std::error_code(static_cast<int>(::GetLastError()), std::system_category()));
}

std::wstring Wide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  // Code page 936 takes the "?" default and no best-fit look-alikes; UTF-8 takes neither argument.
  const bool gbk = codePage == kGbk;
  const DWORD flags = gbk ? WC_NO_BEST_FIT_CHARS : 0;
  const char* fallback = gbk ? "?" : nullptr;
  const int length = ::WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           fallback, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(), length, fallback,
                        nullptr);
  return text;
}

}  // namespace

// Code page 936 holds no character beyond the basic plane, and ill-formed
// UTF-8 has none: each becomes one "?", as the POSIX build's iconv makes it.
std::string SystemUtf8ToGbk(std::string_view utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  while (!utf8.empty()) {
    const TUtf8Step step = NextUtf8(utf8);
    wide += step.codePoint && *step.codePoint < 0x10000 ? static_cast<wchar_t>(*step.codePoint) : L'?';
    utf8.remove_prefix(step.length);
  }
  return Narrow(kGbk, wide);
}

std::string SystemGbkToUtf8(std::string_view gbk) { return Narrow(CP_UTF8, Wide(kGbk, gbk)); }

TStrictText GbkToUtf8Strictly(std::string_view gbk) {
  const auto converts = [](std::string_view bytes) {
    return ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                 0) > 0;
  };
  if (gbk.empty() || converts(gbk)) return {GbkToUtf8(gbk), std::nullopt};
  // The conversion does not say where it failed: find the first character
  // (a lead byte 81-FE takes the next byte with it) that does not convert.
  std::size_t offset = 0;
  for (;;) {
    const auto lead = static_cast<unsigned char>(gbk[offset]);
    const std::size_t width = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
    if (offset + width > gbk.size() || !converts(gbk.substr(offset, width))) return {{}, offset};
    offset += width;
  }
}

char32_t LowerCase(char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return c;
  wchar_t units[2];
  int count = 1;
  if (c < 0x10000) {
    units[0] = static_cast<wchar_t>(c);
  } else {
    units[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    units[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    count = 2;
  }
  wchar_t lower[2];
  if (::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, units, count, lower, 2, nullptr, nullptr, 0) != count)
    return c;
  if (count == 1) return lower[0];
  return 0x10000 + ((static_cast<char32_t>(lower[0]) - 0xD800) << 10) + (static_cast<char32_t>(lower[1]) - 0xDC00);
}

fs::path ExecutablePath() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return fs::path();
    if (length < name.size()) {
      name.resize(length);
      return fs::path(name);
    }
    name.resize(name.size() * 2);
  }
}

fs::path UserDataFolder() {
  const wchar_t* data = ::_wgetenv(L"APPDATA");
  return data && *data ? fs::path(data) : fs::path();
}

bool WriteNewFile(const fs::path& path, std::string_view bytes) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return false;
    RaiseLastError("cannot create file", path);
  }
  bool written = true;
  while (written && !bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD done = 0;
    written = ::WriteFile(file, bytes.data(), chunk, &done, nullptr);
    bytes.remove_prefix(done);
  }
  const DWORD error = written ? 0 : ::GetLastError();
  const bool closed = ::CloseHandle(file);
  if (written && closed) return true;
  const DWORD reported = written ? ::GetLastError() : error;
  ::DeleteFileW(path.c_str());
  throw fs::filesystem_error("cannot write file", path, std::error_code(static_cast<int>(reported), std::system_category()));
}

// Windows cannot link an unnamed file into a folder.
bool CreateWholeFile(const fs::path&, std::string_view) { return false; }

// A virus scanner or an indexer may hold the target open for a moment: the
// replace is retried briefly on sharing violations before it fails.
void ReplaceFile(const fs::path& source, const fs::path& target) {
  for (int attempt = 0;; ++attempt) {
    if (::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
    const DWORD error = ::GetLastError();
    const bool shared = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
    if (!shared || attempt == 20) RaiseLastError("cannot replace file", target);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

unsigned long ProcessId() { return ::GetCurrentProcessId(); }

bool ProcessIsGone(unsigned long pid) {
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool gone = ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  ::CloseHandle(process);
  return gone;
}

std::vector<std::string> Utf8Arguments(int, char**) {
  ::SetConsoleOutputCP(CP_UTF8);
  ::SetConsoleCP(CP_UTF8);
  // The program writes its own line ends (the table script's CR LF): no translation.
  for (FILE* stream : {stdin, stdout, stderr}) ::_setmode(::_fileno(stream), _O_BINARY);
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(Narrow(CP_UTF8, wide[i]));
  ::LocalFree(wide);
  return arguments;
}

}  // namespace platform
