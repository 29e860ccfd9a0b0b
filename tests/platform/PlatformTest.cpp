#include "platform/Platform.h"

#include "platform/AsciiRuns.h"

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

// ASCII copied around the converter must give what the converter gives for
// the whole text, ill-formed bytes and a lead byte before ASCII included.
TEST(Platform, CodePage936AroundAsciiEqualsTheWholeConversion) {
  for (const std::string utf8 : {"图书 Book\r\n'成员\r\n", "a\xF0\x9F\x98\x80" "b\xE4\xB8", "\xE4x\xC3\xA9\x80\xFF", "€中"})
    EXPECT_EQ(platform::Utf8ToGbk(utf8), platform::SystemUtf8ToGbk(utf8)) << utf8;
  for (const std::string gbk : {"\xCD\xBC\xCA\xE9 Book\r\n", "\x81\x40" "a\x81\x0A\x80\xFFz", "end\xCD", "\xCD" "a\xFE"})
    EXPECT_EQ(platform::GbkToUtf8(gbk), platform::SystemGbkToUtf8(gbk)) << gbk;
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
