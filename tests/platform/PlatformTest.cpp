#include "platform/Platform.h"

#include <gtest/gtest.h>

#include "support/TempHome.h"

namespace {

namespace fs = std::filesystem;

TEST(Platform, CodePage936BothWaysWithQuestionMarksForTheRest) {
  const std::string utf8 = "图书 Book\r\n";
  const std::string gbk = "\xCD\xBC\xCA\xE9 Book\r\n";
  EXPECT_EQ(platform::Utf8ToGbk(utf8), gbk);
  EXPECT_EQ(platform::GbkToUtf8(gbk), utf8);
  // An emoji and a Korean syllable have no place in code page 936.
  EXPECT_EQ(platform::Utf8ToGbk("a\xF0\x9F\x98\x80" "b\xEA\xB0\x80" "c"), "a?b?c");
  EXPECT_EQ(platform::Utf8ToGbk(""), "");
}

TEST(Platform, Utf8NamesMakePathsThatHoldThem) {
  TTempHome home(false);
  const std::string name = "图书管理 Ü";
  const fs::path file = home.dir() / platform::PathFromUtf8(name);
  WriteBytes(file, "x");
  ASSERT_EQ(std::distance(fs::directory_iterator(home.dir()), fs::directory_iterator()), 2);  // with projects.db
  EXPECT_TRUE(fs::exists(home.dir() / platform::PathFromUtf8(name)));
  EXPECT_EQ(platform::Utf8FromPath(file.filename()), name);
}

TEST(Platform, ReplaceFileTakesTheNewBytesAndLeavesNoSource) {
  TTempHome home(false);
  WriteBytes(home.dir() / "target", "old");
  ASSERT_TRUE(platform::WriteNewFile(home.dir() / "new", "new"));
  EXPECT_FALSE(platform::WriteNewFile(home.dir() / "new", "again"));
  platform::ReplaceFile(home.dir() / "new", home.dir() / "target");
  EXPECT_EQ(ReadBytes(home.dir() / "target"), "new");
  EXPECT_FALSE(fs::exists(home.dir() / "new"));
  EXPECT_THROW(platform::ReplaceFile(home.dir() / "new", home.dir() / "target"), fs::filesystem_error);
}

TEST(Platform, ExecutableFolderHoldsTheTestProgram) {
  const fs::path folder = platform::ExecutableFolder();
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(fs::is_directory(folder));
}

}  // namespace
