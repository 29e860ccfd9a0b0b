#pragma once
// The throw-away home folder a benchmark works in: a fresh store made from the
// schema, pointed at by the store, and optionally the templates and resource
// folders a generation run reads.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "metadata/DbHelper.h"

inline std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::filesystem::path MakeBenchHome(bool withResources) {
  namespace fs = std::filesystem;
  // A new folder of a random name: create_directory tells whether it was new.
  std::random_device random;
  fs::path home;
  do home = fs::temp_directory_path() / ("vbgen-bench-" + std::to_string(random()));
  while (!fs::create_directory(home));
  const fs::path runtime = VBGEN_RUNTIME_DIR;
  TDbHelper::CreateDatabase(home / "projects.db", ReadAll(runtime / "schema.sql"));
  if (withResources)
    for (const char* folder : {"template", "bak"})
      fs::copy(runtime / folder, home / folder, fs::copy_options::recursive);
  TDbHelper::SetDatabaseFile(home / "projects.db");
  return home;
}
