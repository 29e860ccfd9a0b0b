#include "generator/FileErrorText.h"

#include <stdexcept>

namespace fs = std::filesystem;

std::string FileReasonText(const std::error_code& error) {
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) return "没有写权限";
  if (error == std::errc::read_only_file_system) return "文件系统是只读的";
  if (error == std::errc::no_space_on_device) return "磁盘已满";
  if (error == std::errc::no_such_file_or_directory) return "文件或文件夹不存在";
  if (error == std::errc::not_a_directory || error == std::errc::file_exists)
    return "路径上有一个同名的文件挡住了文件夹";
  if (error == std::errc::filename_too_long) return "路径太长";
  return error.message();
}

std::string FileErrorText(const fs::filesystem_error& error) {
  return "无法读写 " + error.path1().string() + ": " + FileReasonText(error.code()) +
         "。请检查该路径、它所在文件夹的权限与磁盘空间后再试。";
}

void MakeOutputFolder(const fs::path& folder, const fs::path& home) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    throw std::runtime_error("无法建立输出文件夹 " + folder.string() + ": " + FileReasonText(error) + "。请给主目录 " +
                             home.string() + " 写权限，或用 --home 指定一个可写的主目录。");
}
