#pragma once
// File-system failures told in the user's words: which path, why, and what to do.

#include <filesystem>
#include <string>
#include <system_error>

// Why an operation on a file failed, in Chinese ("没有写权限", "磁盘已满", ...).
std::string FileReasonText(const std::error_code& error);

// "无法读写 PATH: REASON。" followed by what the user can do about it.
std::string FileErrorText(const std::filesystem::filesystem_error& error);

// Creates the run's output folder (with its parents), raising a message that
// names the folder, the reason and the fix when it cannot.
void MakeOutputFolder(const std::filesystem::path& folder, const std::filesystem::path& home);
