#include "cli/InputFile.h"

#include <fstream>
#include <sstream>

#include <filesystem>

#include "cli/Commands.h"
#include "platform/Platform.h"

std::string ReadInputFile(const std::string& name) {
  const std::filesystem::path file = platform::PathFromUtf8(name);
  std::ifstream in(file, std::ios::binary);
  if (!std::filesystem::is_regular_file(file) || !in) throw TCliExit(2, "无法读取文件: " + name);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
