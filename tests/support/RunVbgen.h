#pragma once
// Runs the real vbgen executable and collects what it printed.

#include <filesystem>
#include <string>
#include <vector>

struct TVbgenResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// vbgen --home HOME args...
TVbgenResult RunVbgen(const std::filesystem::path& home, const std::vector<std::string>& args);
