#pragma once
// What the tests need of the operating system beyond std::filesystem: one
// implementation per system (TestPlatformPosix.cpp, TestPlatformWindows.cpp).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace test_platform {

// A new empty folder below the system's temporary folder.
std::filesystem::path MakeTempFolder();

// A started program: its pid on POSIX, its process handle on Windows.
using TProcess = std::intptr_t;
// Starts program (a path, or a name looked up on PATH) with args (UTF-8),
// its standard output and error written into the files out and err.
TProcess Start(const std::filesystem::path& program, const std::vector<std::string>& args,
               const std::filesystem::path& out, const std::filesystem::path& err);
// Waits for the process to end; its exit code, -1 when it did not exit normally.
int Wait(TProcess process);

// Names the file's storage: a file written anew and renamed into place gets
// another, one rewritten in place keeps it.
std::uint64_t FileId(const std::filesystem::path& file);

// Makes a FIFO at path; false where the system has none.
bool MakeFifo(const std::filesystem::path& path);

// Makes link a symbolic link to the folder target; false where the system cannot.
bool MakeFolderLink(const std::filesystem::path& link, const std::filesystem::path& target);

// True where permission bits do not stop this process (the superuser; Windows).
bool IgnoresPermissions();

// Whether a program receives its arguments as the bytes given (POSIX), not
// as UTF-16 text that cannot hold bytes of no encoding (Windows).
bool PassesArgumentBytes();

// The number of a process that has ended: it names no living process.
unsigned long GonePid();

// Runs body with files written by this process and its children limited to
// bytes (a write beyond fails rather than killing the writer); false, without
// running body, where the system has no such limit.
bool WithFileSizeLimit(std::size_t bytes, const std::function<void()>& body);

}  // namespace test_platform
