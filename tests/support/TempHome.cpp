#include "support/TempHome.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "metadata/DbHelper.h"
#include "platform/Platform.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

TTempHome::TTempHome(bool withResources) {
  dir_ = test_platform::MakeTempFolder();
  const fs::path runtime = platform::PathFromUtf8(VBGEN_RUNTIME_DIR);
  TDbHelper::CreateDatabase(database(), ReadBytes(runtime / "schema.sql"));
  if (withResources) {
    for (const char* folder : {"template", "bak"})
      if (fs::exists(runtime / folder)) fs::copy(runtime / folder, dir_ / folder, fs::copy_options::recursive);
  }
  TDbHelper::SetDatabaseFile(database());
}

TTempHome::~TTempHome() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + platform::Utf8FromPath(file));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + platform::Utf8FromPath(file));
}
