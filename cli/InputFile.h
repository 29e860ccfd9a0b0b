#pragma once
// Files that commands read as their input.

#include <filesystem>
#include <string>

// The whole file; a file that cannot be read is an input fault (TCliExit, code 2).
std::string ReadInputFile(const std::filesystem::path& file);
