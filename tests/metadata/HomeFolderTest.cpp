#include "metadata/HomeFolder.h"

#include <gtest/gtest.h>

#include "metadata/DbHelper.h"
#include "metadata/ProjectDAO.h"
#include "support/TempHome.h"

namespace {

namespace fs = std::filesystem;

// An installed layout: prefix/bin beside prefix/share/vbgen holding a runtime.
class HomeFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(runtime / "schema.sql", ReadBytes(fs::path(VBGEN_RUNTIME_DIR) / "schema.sql"));
    WriteBytes(runtime / "template/t.txt", "template");
    WriteBytes(runtime / "bak/DAL/DBHelp.vb", "shipped");
    WriteBytes(runtime / "samples/library.json", "{}");
    fs::create_directories(prefix / "bin");
  }
  void TearDown() override { TDbHelper::SetDatabaseFile(temp.database()); }

  TTempHome temp{false};
  const fs::path prefix = temp.dir() / "usr";
  const fs::path runtime = prefix / "share" / "vbgen";
};

TEST_F(HomeFolder, OnlyAProgramBesideAShippedRuntimeCountsAsInstalled) {
  EXPECT_EQ(home_folder::InstalledRuntime(prefix / "bin"), runtime);
  EXPECT_EQ(home_folder::InstalledRuntime(temp.dir()), fs::path());
  EXPECT_EQ(home_folder::DefaultHome(temp.dir()), temp.dir());
}

TEST_F(HomeFolder, LayOutMakesAStoreAndKeepsWhatTheUserHas) {
  const fs::path home = temp.dir() / "data" / "vbgen";
  home_folder::LayOut(runtime, home);
  EXPECT_EQ(ReadBytes(home / "template/t.txt"), "template");
  EXPECT_EQ(ReadBytes(home / "samples/library.json"), "{}");
  TDbHelper::SetDatabaseFile(home / "projects.db");
  EXPECT_TRUE(TProjectDAO().GetAll().empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 4);  // no temporary left

  WriteBytes(home / "bak/DAL/DBHelp.vb", "edited by the user");
  const std::string store = ReadBytes(home / "projects.db");
  home_folder::LayOut(runtime, home);
  EXPECT_EQ(ReadBytes(home / "bak/DAL/DBHelp.vb"), "edited by the user");
  EXPECT_EQ(ReadBytes(home / "projects.db"), store);
}

}  // namespace
