// Faults a hostile or unlucky output tree holds: links planted in it, files
// that cannot be written, temporaries a killed run left behind.
#include <gtest/gtest.h>

#include "generator/GenerationFixture.h"
#include "platform/Folder.h"
#include "platform/Platform.h"
#include "support/RunVbgen.h"
#include "support/TestPlatform.h"

namespace {

using namespace generation;

class OutputTree : public ::testing::Test {
 protected:
  THome home;
};

// projects/P itself, a tier folder inside it, or a single file: each link is
// refused by name and nothing lands where it points.
TEST_F(OutputTree, LinksBelowTheProjectsFolderAreRefusedNotFollowed) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  const fs::path victim = home.dir() / "victim";
  int round = 0;
  for (const std::string link : {"Shop", "Shop/Model", "Shop/Model/Goods.vb"}) {
    // Moved aside, not removed: Wine cannot remove a folder holding a host's link.
    std::error_code absent;
    fs::rename(home.dir() / "projects", home.dir() / ("projects." + std::to_string(++round)), absent);
    fs::remove_all(victim);
    fs::create_directories(home.Output(link).parent_path());
    if (link.ends_with(".vb")) {
      WriteBytes(victim, "keep");
      // Wine shows a host's link to a file as the file itself: there is no such link to refuse.
      std::error_code error;
      fs::create_symlink(victim, home.Output(link), error);
      if (error || !platform::IsLink(home.Output(link))) continue;
    } else {
      fs::create_directories(victim);
      if (!test_platform::MakeFolderLink(home.Output(link), victim)) GTEST_SKIP() << "no symbolic links here";
    }
    const auto events = RunProject(home, p);
    ASSERT_TRUE(events.back().starts_with("<failed> ")) << link;
    EXPECT_NE(events.back().find(platform::Utf8FromPath(home.Output(link).make_preferred()) + " 是符号链接"), std::string::npos) << events.back();
    if (link.ends_with(".vb"))
      EXPECT_EQ(ReadBytes(victim), "keep");
    else
      EXPECT_TRUE(fs::is_empty(victim)) << link;
  }
}

// Only temporaries of the writers' own shape whose process has ended go, and
// only in folders the run writes into; a user's file of any other name stays.
TEST_F(OutputTree, TemporariesOfAKilledRunAreRemovedAndNothingElse) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  const std::string gone = std::to_string(test_platform::GonePid());
  const std::string alive = std::to_string(platform::ProcessId());
  const std::string tag = "-00ff13a2c4e5b6d7.tmp";
  const std::vector<std::string> stale = {"Shop/Model/.Goods.vb.~vbgen-" + gone + tag,
                                          "Shop/Shop/pic/.NoImage.jpg.~vbgen-" + gone + tag};
  const std::vector<std::string> kept = {"Shop/Model/.Goods.vb.~vbgen-" + alive + tag, "Shop/Model/.keep.tmp",
                                         "Shop/Model/.Goods.vb." + gone + ".7.tmp", "Shop/docs/.notes.2024.10.tmp",
                                         "Shop/docs/.notes.~vbgen-" + gone + tag,
                                         "Shop/Model/.Goods.vb.~vbgen-" + gone + "-00ff.tmp"};
  for (const auto& file : stale) WriteBytes(home.Output(file), "half");
  for (const auto& file : kept) WriteBytes(home.Output(file), "other");
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  for (const auto& file : stale) EXPECT_FALSE(fs::exists(home.Output(file))) << file;
  for (const auto& file : kept) EXPECT_TRUE(fs::exists(home.Output(file))) << file;
}

// The solution folder, already opened by the run, swapped for a link while
// the run writes: every later file still goes into the folder itself.
TEST_F(OutputTree, AFolderSwappedForALinkDuringTheRunIsNeverFollowed) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  const fs::path victim = home.dir() / "victim";
  fs::create_directories(victim);
  struct TSwapper : TRecorder {
    fs::path solution, victim;
    bool swapped = false;
    void Progress(const std::string& line) override {
      std::error_code error;  // a system that keeps an open folder in place refuses the rename: fine too
      if (!swapped) fs::rename(solution, solution.string() + ".moved", error);
      if (!swapped && !error && !test_platform::MakeFolderLink(solution, victim)) fs::rename(solution.string() + ".moved", solution);
      swapped = true;
      TRecorder::Progress(line);
    }
  } swapper;
  swapper.solution = home.Output("Shop");
  swapper.victim = victim;
  fs::remove(home.Output("Shop/DAL/dalGoods.vb"));
  TAutoCode(home.Settings(p), swapper).Execute();
  EXPECT_EQ(swapper.events().back(), "<finished>");
  EXPECT_TRUE(fs::is_empty(victim));
  if (fs::exists(home.Output("Shop.moved"))) {
    EXPECT_TRUE(fs::exists(home.Output("Shop.moved/DAL/dalGoods.vb")));
  }
}

// A disk that fills up while the resources are copied (a file-size limit
// stands in for it): every file that did not fit is named, the run goes on
// with the rest but does not claim success, and vbgen exits 1.
TEST_F(OutputTree, ResourcesThatCannotBeWrittenFailTheRunByName) {
  AddPlainClass(AddProject("Shop"), "Goods");
  const std::string big(2 << 20, 'x');
  WriteBytes(home.dir() / "bak/DAL/Big.bin", big);
  WriteBytes(home.dir() / "bak/project_name/pic/Big.jpg", big);

  TVbgenResult result;
  if (!test_platform::WithFileSizeLimit(1 << 20, [&] { result = RunVbgen(home.dir(), {"generate", "Shop"}); }))
    GTEST_SKIP() << "no file-size limit here";

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out.find("移动资源文件完毕!"), std::string::npos) << result.out;
  for (const char* file : {"bak/DAL/Big.bin", "bak/project_name/pic/Big.jpg"})
    EXPECT_NE(result.err.find((home.dir() / file).string()), std::string::npos) << result.err;
  EXPECT_EQ(ReadBytes(home.Output("Shop/DAL/DBHelp.vb")), "Public Class DBHelp\r\n");
  EXPECT_TRUE(fs::exists(home.Output("Shop/Shop.sln")));
  EXPECT_FALSE(fs::exists(home.Output("Shop/DAL/Big.bin")));
}

}  // namespace
