#include "metadata/HomeFolder.h"

#include <stdexcept>

#include "metadata/DbHelper.h"
#include "platform/Files.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace home_folder {

fs::path InstalledRuntime(const fs::path& exeFolder) {
  const fs::path runtime = exeFolder.parent_path() / "share" / "vbgen";
  std::error_code ignored;
  return fs::is_regular_file(runtime / "schema.sql", ignored) ? runtime : fs::path();
}

fs::path DefaultHome(const fs::path& exeFolder) {
  const fs::path runtime = InstalledRuntime(exeFolder);
  if (runtime.empty()) return exeFolder;
  const fs::path data = platform::UserDataFolder();
  if (data.empty()) throw std::runtime_error("找不到用户数据目录 (HOME 或 XDG_DATA_HOME 未设置): 请用 --home 指定主目录");
  const fs::path home = data / "vbgen";
  if (!fs::exists(home / "projects.db")) LayOut(runtime, home);
  return home;
}

namespace {

[[noreturn]] void CannotCopy(const fs::path& entry, const std::string& reason) {
  throw std::runtime_error("无法复制 " + platform::Utf8FromPath(entry) + ": " + reason);
}

// Copies what target lacks of source's tree; what is there already stays as it is.
void CopyMissing(const fs::path& source, const fs::path& target) {
  const platform::TTreeCopy copy{
      [](const fs::path& from, const fs::path& to, bool) {
        if (platform::WriteNewFile(to, platform::ReadFile(from))) platform::SetStamp(to, platform::StampOf(from));
      },
      [](const fs::path& folder) {
        if (!platform::MakeFolders(folder)) CannotCopy(folder, "无法创建这个文件夹");
      },
      [](const fs::path& entry, const std::string& reason) { CannotCopy(entry, reason); },
      [](const fs::path& folder, const std::error_code& error) { CannotCopy(folder, error.message()); },
      false};
  platform::CopyTree(source, target, copy);
}

}  // namespace

void LayOut(const fs::path& runtime, const fs::path& home) {
  fs::create_directories(home);
  for (const char* folder : {"template", "bak", "samples"}) CopyMissing(runtime / folder, home / folder);
  if (fs::exists(home / "projects.db")) return;
  std::string schema;
  try {
    schema = platform::ReadFile(runtime / "schema.sql");
  } catch (const fs::filesystem_error&) {
    throw std::runtime_error("无法读取 " + platform::Utf8FromPath(runtime / "schema.sql"));
  }
  // Made beside its final name and renamed, so that a second program starting
  // at the same moment never opens half a store.
  const fs::path temporary = home / ("projects.db." + std::to_string(platform::ProcessId()) + ".tmp");
  TDbHelper::CreateDatabase(temporary, schema);
  platform::ReplaceFile(temporary, home / "projects.db");
}

}  // namespace home_folder
