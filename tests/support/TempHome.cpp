#include "support/TempHome.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "metadata/DbHelper.h"

namespace fs = std::filesystem;

TTempHome::TTempHome(bool withResources) {
  std::string pattern = (fs::temp_directory_path() / "vbgen-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
  const fs::path runtime = VBGEN_RUNTIME_DIR;
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
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}
