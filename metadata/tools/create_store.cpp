// Creates an empty metadata database from the schema script, unless the file
// exists already: a rebuild must never touch a user's data.
#include <filesystem>
#include <iostream>

#include "metadata/DbHelper.h"
#include "platform/Files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: create_store SCHEMA.sql DATABASE\n";
    return 2;
  }
  const std::filesystem::path schema = argv[1], database = argv[2];
  if (std::filesystem::exists(database)) return 0;
  std::string text;
  try {
    text = platform::ReadFile(schema);
  } catch (const std::filesystem::filesystem_error&) {
    std::cerr << "cannot read " << schema << "\n";
    return 1;
  }
  try {
    TDbHelper::CreateDatabase(database, text);
  } catch (const std::exception& e) {
    std::filesystem::remove(database);
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
