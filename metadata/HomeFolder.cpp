#include "metadata/HomeFolder.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "metadata/DbHelper.h"
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

void LayOut(const fs::path& runtime, const fs::path& home) {
  fs::create_directories(home);
  for (const char* folder : {"template", "bak", "samples"})
    fs::copy(runtime / folder, home / folder, fs::copy_options::recursive | fs::copy_options::skip_existing);
  if (fs::exists(home / "projects.db")) return;
  std::ifstream schema(runtime / "schema.sql", std::ios::binary);
  std::ostringstream text;
  text << schema.rdbuf();
  if (!schema) throw std::runtime_error("无法读取 " + platform::Utf8FromPath(runtime / "schema.sql"));
  // Made beside its final name and renamed, so that a second program starting
  // at the same moment never opens half a store.
  const fs::path temporary = home / ("projects.db." + std::to_string(platform::ProcessId()) + ".tmp");
  TDbHelper::CreateDatabase(temporary, text.str());
  platform::ReplaceFile(temporary, home / "projects.db");
}

}  // namespace home_folder
