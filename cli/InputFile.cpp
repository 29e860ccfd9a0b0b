#include "cli/InputFile.h"

#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "platform/Platform.h"

std::string ReadInputFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!std::filesystem::is_regular_file(file) || !in)
    throw TCliExit(2, "无法读取文件: " + platform::Utf8FromPath(file));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
