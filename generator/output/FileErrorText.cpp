#include "generator/output/FileErrorText.h"

#include <stdexcept>

namespace fs = std::filesystem;

std::string FileReasonText(const std::error_code& error) {
  static const std::pair<std::errc, const char*> kReasons[] = {
      {std::errc::permission_denied, "没有写权限"},
      {std::errc::operation_not_permitted, "没有写权限"},
      {std::errc::read_only_file_system, "文件系统是只读的"},
      {std::errc::no_space_on_device, "磁盘已满"},
      {std::errc::file_too_large, "文件太大"},
      {std::errc::no_such_file_or_directory, "文件或文件夹不存在"},
      {std::errc::not_a_directory, "路径上有一个同名的文件挡住了文件夹"},
      {std::errc::file_exists, "路径上有一个同名的文件挡住了文件夹"},
      {std::errc::is_a_directory, "这是一个文件夹，不是文件"},
      {std::errc::directory_not_empty, "文件夹不是空的"},
      {std::errc::filename_too_long, "路径太长"},
      {std::errc::too_many_symbolic_link_levels, "符号链接太多或成环"},
      {std::errc::device_or_resource_busy, "文件正被其他程序使用"},
      {std::errc::text_file_busy, "文件正被其他程序使用"},
      {std::errc::resource_unavailable_try_again, "资源暂时不可用"},
      {std::errc::too_many_files_open, "打开的文件太多"},
      {std::errc::too_many_files_open_in_system, "打开的文件太多"},
      {std::errc::io_error, "读写设备出错"},
      {std::errc::broken_pipe, "输出的管道已关闭"},
      {std::errc::invalid_argument, "参数无效 (文件名或操作不被这个文件系统支持)"},
      {std::errc::not_supported, "这个文件系统不支持该操作"},
      {std::errc::cross_device_link, "不能跨文件系统移动"},
      {std::errc::not_enough_memory, "内存不足"},
      {std::errc::no_such_device, "设备不存在"},
      {std::errc::no_such_device_or_address, "设备不存在"},
  };
  for (const auto& [condition, reason] : kReasons)
    if (error == condition) return reason;
  return "系统错误 " + std::to_string(error.value());
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
