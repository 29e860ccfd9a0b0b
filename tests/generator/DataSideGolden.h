#pragma once
// Golden files of the data-side generators, read byte for byte.

#include <filesystem>
#include <string>

#include "support/TempHome.h"

inline std::string Golden(const std::string& relative) {
  return ReadBytes(std::filesystem::path(VBGEN_GOLDEN_DIR) / relative);
}
