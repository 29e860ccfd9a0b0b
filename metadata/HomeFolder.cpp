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

namespace {

// Copies what target lacks of source's tree; what is there already stays as it is.
// (Done by hand: MinGW's std::filesystem refuses to skip a file or folder that exists.)
void CopyMissing(const fs::path& source, const fs::path& target) {
  fs::create_directories(target);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
    const fs::path copy = target / entry.path().lexically_relative(source);
    if (entry.is_directory())
      fs::create_directories(copy);
    else if (!fs::exists(copy))
      fs::copy_file(entry.path(), copy);
  }
}

}  // namespace

void LayOut(const fs::path& runtime, const fs::path& home) {
  fs::create_directories(home);
  for (const char* folder : {"template", "bak", "samples"}) CopyMissing(runtime / folder, home / folder);
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
