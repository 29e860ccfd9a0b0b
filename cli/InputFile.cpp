#include "cli/InputFile.h"

#include "cli/Commands.h"
#include "platform/Files.h"
#include "platform/Platform.h"

std::string ReadInputFile(const std::filesystem::path& file) {
  try {
    return platform::ReadFile(file);
  } catch (const std::filesystem::filesystem_error&) {
    throw TCliExit(2, "无法读取文件: " + platform::Utf8FromPath(file));
  }
}
