#include "cli/InputFile.h"

#include "cli/Commands.h"
#include "platform/Folder.h"
#include "platform/Platform.h"

// Opened without waiting and checked once open: a FIFO or device given as the
// file is refused, never waited on.
std::string ReadInputFile(const std::filesystem::path& file) {
  const std::string shown = platform::Utf8FromPath(file);
  std::optional<std::string> bytes;
  try {
    bytes = platform::ReadRegularFile(file);
  } catch (const platform::TNotRegularFile&) {
    throw TCliExit(2, "无法读取文件: " + shown + " 不是普通文件 (而是文件夹、管道或设备)");
  } catch (const std::exception&) {
    throw TCliExit(2, "无法读取文件: " + shown);
  }
  if (!bytes) throw TCliExit(2, "无法读取文件: " + shown);
  return std::move(*bytes);
}
