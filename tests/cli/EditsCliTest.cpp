// vbgen generate --dry-run, vbgen diff, and a merge run that ends in conflicts.
#include <gtest/gtest.h>

#include "generator/GenerationFixture.h"
#include "support/RunVbgen.h"
#include "support/TestPlatform.h"

namespace {

using namespace generation;

class EditsCli : public ::testing::Test {
 protected:
  void SetUp() override {
    p = AddProject("Shop");
    goods = AddPlainClass(p, "Goods");
    ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Shop"}).exitCode, 0);
  }

  // Renames the member "name" in the metadata, as the update dialog would.
  void RenameName(const std::string& to) const {
    TMember name = TMemberDAO().GetMembers(goods).back();
    name.memberName = to;
    TMemberDAO().UpdateMember(name);
  }

  THome home;
  int p = 0;
  int goods = 0;
};

TEST_F(EditsCli, DryRunPrintsOneLinePerFileThenCounts) {
  WriteBytes(home.Output("Shop/Shop/App.config"), "mine\r\n");
  fs::remove(home.Output("Shop/BLL/bllGoods.vb"));
  RenameName("title");
  const auto result = RunVbgen(home.dir(), {"generate", "Shop", "--dry-run"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("changed         projects/Shop/Model/Goods.vb\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("new             projects/Shop/BLL/bllGoods.vb\n"), std::string::npos);
  EXPECT_NE(result.out.find("unchanged       projects/Shop/Shop.sln\n"), std::string::npos);
  EXPECT_NE(result.out.find("kept            projects/Shop/Shop/App.config\n"), std::string::npos);
  EXPECT_EQ(result.out.find("生成"), std::string::npos);  // no progress line
  EXPECT_TRUE(result.out.ends_with(", merged 0, conflict 0, kept 1, deleted-by-user 0, orphaned 0\n")) << result.out;
  EXPECT_FALSE(fs::exists(home.Output("Shop/BLL/bllGoods.vb")));
}

TEST_F(EditsCli, DiffShowsWhatARunWouldWriteForTheNamedFiles) {
  RenameName("title");
  const auto all = RunVbgen(home.dir(), {"diff", "Shop"});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  EXPECT_NE(all.out.find("--- a/projects/Shop/Model/Goods.vb\n+++ b/projects/Shop/Model/Goods.vb\n"),
            std::string::npos);
  EXPECT_NE(all.out.find("\n+    Private _title As String\r\n"), std::string::npos) << all.out;
  EXPECT_NE(all.out.find("\n-    Private _name As String\r\n"), std::string::npos);

  const auto one = RunVbgen(home.dir(), {"diff", "Shop", "DAL/dalGoods.vb"});
  ASSERT_EQ(one.exitCode, 0) << one.err;
  EXPECT_EQ(one.out.find("Model/Goods.vb"), std::string::npos);
  EXPECT_NE(one.out.find("+++ b/projects/Shop/DAL/dalGoods.vb"), std::string::npos);

  const auto unknown = RunVbgen(home.dir(), {"diff", "Shop", "Nowhere.vb"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("Nowhere.vb"), std::string::npos);
}

TEST_F(EditsCli, MergeRunWithConflictsNamesThemOnStderrAndExitsThree) {
  ASSERT_EQ(RunVbgen(home.dir(), {"project", "settings", "Shop", "--edits", "merge"}).exitCode, 0);
  ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Shop"}).exitCode, 0);  // the first merge run records the bases
  const fs::path model = home.Output("Shop/Model/Goods.vb");
  std::string edited = ReadBytes(model);
  edited.replace(edited.find("Private _name As String"), 23, "Private _name As String = \"\"");
  WriteBytes(model, edited);
  RenameName("title");

  const auto result = RunVbgen(home.dir(), {"generate", "Shop"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find("冲突: projects/Shop/Model/Goods.vb\n"), std::string::npos) << result.err;
  EXPECT_NE(result.out.find("projects/Shop/Model/Goods.vb 有冲突，请解决文件中的冲突标记\n"), std::string::npos);
  EXPECT_NE(ReadBytes(model).find("<<<<<<< projects/Shop/Model/Goods.vb"), std::string::npos);
}

// FIFOs in the trees a run reads: the merge index is passed over and replaced,
// never waited on; one among the resources fails the run by name.
TEST_F(EditsCli, FifosInTheTreesARunReadsNeverHangIt) {
  ASSERT_EQ(RunVbgen(home.dir(), {"project", "settings", "Shop", "--edits", "merge"}).exitCode, 0);
  ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Shop"}).exitCode, 0);
  const fs::path index = home.Output("Shop/.vbgen/index");
  fs::remove(index);
  if (!test_platform::MakeFifo(index)) GTEST_SKIP() << "no FIFOs here";
  for (const std::vector<std::string>& args : {std::vector<std::string>{"generate", "Shop", "--dry-run"},
                                              {"diff", "Shop"}, {"generate", "Shop"}})
    EXPECT_EQ(RunVbgen(home.dir(), args).exitCode, 0) << args.back();
  EXPECT_TRUE(fs::is_regular_file(index));

  ASSERT_TRUE(test_platform::MakeFifo(home.dir() / "bak/DAL/pipe"));
  const auto result = RunVbgen(home.dir(), {"generate", "Shop"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find((home.dir() / "bak/DAL/pipe").string() + ": 它不是普通文件"), std::string::npos)
      << result.err;
}

}  // namespace
