#pragma once
// A throw-away home folder for one test: a fresh projects.db made from the
// schema, the templates and resource folders, and the store pointed at it.

#include <chrono>
#include <filesystem>
#include <string>

class TTempHome {
 public:
  explicit TTempHome(bool withResources = true);
  ~TTempHome();
  TTempHome(const TTempHome&) = delete;
  TTempHome& operator=(const TTempHome&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path database() const { return dir_ / "projects.db"; }

 private:
  std::filesystem::path dir_;
};

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

// A file time every file system keeps exactly: some keep whole seconds only.
inline std::filesystem::file_time_type WholeSeconds(std::filesystem::file_time_type time) {
  return std::chrono::floor<std::chrono::seconds>(time);
}
