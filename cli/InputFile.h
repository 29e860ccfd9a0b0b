#pragma once
// Files that commands read as their input.

#include <string>

// The whole file, named in UTF-8; a file that cannot be read is an input fault (TCliExit, code 2).
std::string ReadInputFile(const std::string& file);
