// Creates an empty metadata database from the schema script, unless the file
// exists already: a rebuild must never touch a user's data.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "metadata/DbHelper.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: create_store SCHEMA.sql DATABASE\n";
    return 2;
  }
  const std::filesystem::path schema = argv[1], database = argv[2];
  if (std::filesystem::exists(database)) return 0;
  std::ifstream in(schema, std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << schema << "\n";
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    TDbHelper::CreateDatabase(database, text.str());
  } catch (const std::exception& e) {
    std::filesystem::remove(database);
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
