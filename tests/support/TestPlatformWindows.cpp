#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "platform/Platform.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace test_platform {

namespace {

// One argument as the C runtime's command-line parser reads it back.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

HANDLE Inheritable(const fs::path& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create output file");
  return handle;
}

}  // namespace

fs::path MakeTempFolder() {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    const fs::path folder = fs::temp_directory_path() / ("vbgen-test-" + std::to_string(::GetCurrentProcessId()) +
                                                         "-" + std::to_string(counter++));
    if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
  }
}

TProcess Start(const fs::path& program, const std::vector<std::string>& args, const fs::path& out,
               const fs::path& err) {
  std::wstring commandLine = Quoted(program.wstring());
  for (const std::string& arg : args) commandLine += L" " + Quoted(platform::PathFromUtf8(arg).wstring());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = Inheritable(out);
  startup.hStdError = Inheritable(err);
  PROCESS_INFORMATION process{};
  const BOOL started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
  ::CloseHandle(startup.hStdOutput);
  ::CloseHandle(startup.hStdError);
  if (!started) throw std::runtime_error("cannot start " + platform::Utf8FromPath(program));
  ::CloseHandle(process.hThread);
  return reinterpret_cast<TProcess>(process.hProcess);
}

int Wait(TProcess process) {
  const HANDLE handle = reinterpret_cast<HANDLE>(process);
  ::WaitForSingleObject(handle, INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(handle, &code);
  ::CloseHandle(handle);
  return static_cast<int>(code);
}

std::uint64_t FileId(const fs::path& file) {
  const HANDLE handle = ::CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + platform::Utf8FromPath(file));
  BY_HANDLE_FILE_INFORMATION info{};
  const BOOL known = ::GetFileInformationByHandle(handle, &info);
  ::CloseHandle(handle);
  if (!known) throw std::runtime_error("no file information for " + platform::Utf8FromPath(file));
  return (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
}

bool MakeFifo(const fs::path&) { return false; }

// Wine's CreateSymbolicLinkW reports success and makes nothing, and it refuses
// junctions (ERROR_NOT_SUPPORTED); it shows a host's symbolic link to a folder
// as a reparse point, though, and starts host programs: there ln makes one.
bool MakeFolderLink(const fs::path& link, const fs::path& target) {
  ::CreateSymbolicLinkW(link.c_str(), target.c_str(),
                        SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
  if (::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  using TUnixName = char* (*)(const wchar_t*);
  const auto unixName =
      reinterpret_cast<TUnixName>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name"));
  if (!unixName) return false;
  char* from = unixName(link.c_str());
  char* to = unixName(target.c_str());
  std::wstring ln = L"Z:\\bin\\ln";
  std::wstring command = ln + L" -s " + Quoted(platform::PathFromUtf8(to ? to : "").wstring()) + L" " +
                         Quoted(platform::PathFromUtf8(from ? from : "").wstring());
  ::HeapFree(::GetProcessHeap(), 0, from);
  ::HeapFree(::GetProcessHeap(), 0, to);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(ln.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  return ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Permission bits are no access control on Windows: they set only the read-only attribute.
bool IgnoresPermissions() { return true; }

bool PassesArgumentBytes() { return false; }

unsigned long GonePid() {
  wchar_t shell[MAX_PATH];
  if (!::GetEnvironmentVariableW(L"ComSpec", shell, MAX_PATH)) throw std::runtime_error("ComSpec is not set");
  std::wstring commandLine = L"cmd /c exit";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(shell, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    throw std::runtime_error("cannot start the command shell");
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);  // the number is free once no handle holds the process
  return process.dwProcessId;
}

bool WithFileSizeLimit(std::size_t, const std::function<void()>&) { return false; }

}  // namespace test_platform
