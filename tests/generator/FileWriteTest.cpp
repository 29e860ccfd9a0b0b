#include <gtest/gtest.h>

#include "generator/output/FileOperate.h"
#include "generator/GenContext.h"
#include "support/TempHome.h"
#include "support/TestPlatform.h"

namespace {

namespace fs = std::filesystem;

class FileWrite : public ::testing::Test {
 protected:
  fs::path At(const std::string& relative) const { return home.dir() / relative; }
  static bool IsRegular(const fs::path& file) { return fs::is_regular_file(fs::symlink_status(file)); }

  TTempHome home{false};
};

// Whether a file already holds the bytes is decided by reading it: one byte
// more or less, or the same length with other bytes, is a change.
TEST_F(FileWrite, OnlyExactlyTheSameBytesCountAsUnchanged) {
  fs::create_directories(At("out"));
  for (const std::string before : {"abcd", "abc", "abcde", "abce", ""}) {
    WriteBytes(At("out/f.txt"), before);
    TFileOperate::WriteUtf8("abcd", At("out/f.txt"));
    EXPECT_EQ(ReadBytes(At("out/f.txt")), "\xEF\xBB\xBF" "abcd") << before;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(At("out")), fs::directory_iterator()), 1);
}

// Things at the file's path that are no regular file never pass for one, even
// when reading them gives the same (empty) bytes.
TEST_F(FileWrite, AFifoAtThePathIsReplacedWithoutBlocking) {
  fs::create_directories(At("out"));
  if (!test_platform::MakeFifo(At("out/f.vb"))) GTEST_SKIP() << "no FIFOs here";
  TFileOperate::WriteGbk("", At("out/f.vb"));
  EXPECT_TRUE(IsRegular(At("out/f.vb")));
  EXPECT_EQ(ReadBytes(At("out/f.vb")), "");
}

TEST_F(FileWrite, AFolderAtThePathRaisesAndStays) {
  fs::create_directories(At("out/f.vb/inner"));
  EXPECT_THROW(TFileOperate::WriteGbk("", At("out/f.vb")), fs::filesystem_error);
  EXPECT_TRUE(fs::is_directory(At("out/f.vb/inner")));
}

TEST_F(FileWrite, CopyBytesLeavesAnIdenticalTargetAlone) {
  WriteBytes(At("src/a.resx"), "<root/>");
  fs::create_directories(At("out"));
  TFileOperate::CopyBytes(At("src/a.resx"), At("out/a.resx"));
  EXPECT_EQ(ReadBytes(At("out/a.resx")), "<root/>");
  const auto longAgo = WholeSeconds(fs::file_time_type::clock::now() - std::chrono::hours(48));
  fs::last_write_time(At("out/a.resx"), longAgo);
  TFileOperate::CopyBytes(At("src/a.resx"), At("out/a.resx"));
  EXPECT_EQ(fs::last_write_time(At("out/a.resx")), longAgo);
  EXPECT_THROW(TFileOperate::CopyBytes(At("src/missing.resx"), At("out/b.resx")), fs::filesystem_error);
  EXPECT_FALSE(fs::exists(At("out/b.resx")));
}

// A context makes each folder once; the first file into it still finds it made.
TEST_F(FileWrite, ContextMakesMissingFoldersForItsFiles) {
  TGenContext context;
  context.home = home.dir();
  context.SaveSource(At("projects/P/Model"), "projects/P/Model/a.vb", "a");
  context.SaveUtf8(At("projects/P/Model"), "projects/P/Model/b.vbproj", "b");
  context.SaveUtf8(At("projects/P/P/My Project"), "projects/P/P/My Project/c.vb", "c");
  EXPECT_EQ(ReadBytes(At("projects/P/Model/a.vb")), "a");
  EXPECT_EQ(ReadBytes(At("projects/P/Model/b.vbproj")), "\xEF\xBB\xBF" "b");
  EXPECT_EQ(ReadBytes(At("projects/P/P/My Project/c.vb")), "\xEF\xBB\xBF" "c");
}

}  // namespace
