#include <gtest/gtest.h>

#include "generator/output/FileOperate.h"
#include "support/TempHome.h"
#include "support/TestPlatform.h"

namespace {

namespace fs = std::filesystem;

class FileOperate : public ::testing::Test {
 protected:
  fs::path At(const std::string& relative) const { return home.dir() / relative; }

  static std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  static void SetModified(const fs::path& file, fs::file_time_type when) { fs::last_write_time(file, when); }

  TTempHome home{false};
  const fs::file_time_type longAgo = WholeSeconds(fs::file_time_type::clock::now() - std::chrono::hours(48));
};

// Reading templates

TEST_F(FileOperate, ReadTemplateDropsTheByteOrderMark) {
  WriteBytes(At("t/with.txt"), "\xEF\xBB\xBF" "abc");
  EXPECT_EQ(TFileOperate::ReadTemplate(At("t/with.txt")), "abc");
}

TEST_F(FileOperate, ReadTemplateKeepsEveryByteOfAFileWithoutMark) {
  WriteBytes(At("t/without.txt"), "abcdef\r\n");
  EXPECT_EQ(TFileOperate::ReadTemplate(At("t/without.txt")), "abcdef\r\n");
  WriteBytes(At("t/short.txt"), "ab");
  EXPECT_EQ(TFileOperate::ReadTemplate(At("t/short.txt")), "ab");
}

TEST_F(FileOperate, ReadTemplateOfAMissingFileRaises) {
  EXPECT_THROW(TFileOperate::ReadTemplate(At("t/none.txt")), fs::filesystem_error);
}

// Writing

TEST_F(FileOperate, WriteUtf8PutsTheMarkBeforeTheUtf8Bytes) {
  TFileOperate::WriteUtf8("中\r\n", At("u.txt"));
  EXPECT_EQ(ReadBytes(At("u.txt")), "\xEF\xBB\xBF\xE4\xB8\xAD\r\n");
}

TEST_F(FileOperate, SaveTextFileWritesCodePage936WithoutMark) {
  TFileOperate::SaveTextFile(home.dir(), At("x.txt"), "x\r\n");
  EXPECT_EQ(ReadBytes(At("x.txt")), "x\r\n");
  TFileOperate::SaveTextFile(home.dir(), At("zh.txt"), "中文");
  EXPECT_EQ(ReadBytes(At("zh.txt")), "\xD6\xD0\xCE\xC4");
}

TEST_F(FileOperate, ToGbkPutsOneQuestionMarkForWhatItCannotHold) {
  EXPECT_EQ(TFileOperate::ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");   // an emoji
  EXPECT_EQ(TFileOperate::ToGbk("a\xFF" "b"), "a?b");                // no UTF-8 at all
  EXPECT_EQ(TFileOperate::ToGbk("a\xE4\xB8"), "a?");                  // cut in the middle of a character
  EXPECT_EQ(TFileOperate::ToGbk("\xED\xA0\x80" "中"), "???\xD6\xD0");  // an encoded surrogate, then a valid character
  EXPECT_EQ(TFileOperate::ToGbk(""), "");
}

TEST_F(FileOperate, ToGbkConvertsLongTextCompletely) {
  std::string text;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    text += "中a";
    expected += "\xD6\xD0" "a";
  }
  EXPECT_EQ(TFileOperate::ToGbk(text), expected);
}

TEST_F(FileOperate, SavingCreatesEveryMissingFolderLevel) {
  TFileOperate::SaveUtf8File(At("a/b"), At("a/b/f.txt"), "x");
  TFileOperate::SaveTextFile(At("c/d"), At("c/d/g.txt"), "y");
  EXPECT_EQ(ReadBytes(At("a/b/f.txt")), "\xEF\xBB\xBF" "x");
  EXPECT_EQ(ReadBytes(At("c/d/g.txt")), "y");
}

TEST_F(FileOperate, SavingIntoAFolderThatCannotBeMadeRaises) {
  WriteBytes(At("file"), "");
  EXPECT_THROW(TFileOperate::SaveTextFile(At("file/sub"), At("file/sub/g.txt"), "y"), fs::filesystem_error);
}

TEST_F(FileOperate, RewritingReplacesTheContentAndLeavesNoTemporaryFile) {
  TFileOperate::SaveTextFile(home.dir(), At("f.txt"), "a longer first text");
  TFileOperate::SaveTextFile(home.dir(), At("f.txt"), "short");
  EXPECT_EQ(ReadBytes(At("f.txt")), "short");
  EXPECT_EQ(EntriesIn(home.dir()), 2u);  // projects.db and f.txt
}

TEST_F(FileOperate, UnchangedBytesLeaveTheFileUntouched) {
  TFileOperate::WriteUtf8("same", At("f.txt"));
  SetModified(At("f.txt"), longAgo);
  TFileOperate::SaveUtf8File(home.dir(), At("f.txt"), "same");
  EXPECT_EQ(fs::last_write_time(At("f.txt")), longAgo);
  TFileOperate::SaveUtf8File(home.dir(), At("f.txt"), "other");
  EXPECT_NE(fs::last_write_time(At("f.txt")), longAgo);
}

// Copying folders

class CopyFolder : public FileOperate {
 protected:
  void SetUp() override {
    WriteBytes(At("src/top.txt"), "new top");
    WriteBytes(At("src/sub/inner.txt"), "new inner");
    WriteBytes(At("src/sub/deeper/deep.txt"), "new deep");
    fs::create_directories(At("src/empty"));
  }
};

TEST_F(CopyFolder, CopiesTheWholeTreeWithEmptyFolders) {
  EXPECT_TRUE(TFileOperate::CopyFolder(At("src"), At("out/dst"), true));
  EXPECT_EQ(ReadBytes(At("out/dst/top.txt")), "new top");
  EXPECT_EQ(ReadBytes(At("out/dst/sub/inner.txt")), "new inner");
  EXPECT_EQ(ReadBytes(At("out/dst/sub/deeper/deep.txt")), "new deep");
  EXPECT_TRUE(fs::is_directory(At("out/dst/empty")));
  EXPECT_EQ(EntriesIn(At("out/dst/empty")), 0u);
}

TEST_F(CopyFolder, KeepsExistingTopFilesButReplacesThoseInSubFolders) {
  WriteBytes(At("dst/top.txt"), "old top");
  WriteBytes(At("dst/sub/inner.txt"), "old inner");
  EXPECT_TRUE(TFileOperate::CopyFolder(At("src"), At("dst"), true));
  EXPECT_EQ(ReadBytes(At("dst/top.txt")), "old top");
  EXPECT_EQ(ReadBytes(At("dst/sub/inner.txt")), "new inner");
}

TEST_F(CopyFolder, ReplacesTopFilesWhenAskedTo) {
  WriteBytes(At("dst/top.txt"), "old top");
  EXPECT_TRUE(TFileOperate::CopyFolder(At("src"), At("dst"), false));
  EXPECT_EQ(ReadBytes(At("dst/top.txt")), "new top");
}

TEST_F(CopyFolder, KeepsModeAndTimes) {
  fs::permissions(At("src/sub/inner.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
  SetModified(At("src/sub/inner.txt"), longAgo);
  TFileOperate::CopyFolder(At("src"), At("dst"), true);
  EXPECT_EQ(fs::status(At("dst/sub/inner.txt")).permissions(), fs::status(At("src/sub/inner.txt")).permissions());
  EXPECT_EQ(fs::last_write_time(At("dst/sub/inner.txt")), longAgo);
}

TEST_F(CopyFolder, SkipsHiddenReadOnlyAndLinkedEntries) {
  WriteBytes(At("elsewhere/far.txt"), "far");
  if (!test_platform::MakeFolderLink(At("src/linkdir"), At("elsewhere"))) GTEST_SKIP() << "no symbolic links here";
  WriteBytes(At("src/.hidden"), "h");
  WriteBytes(At("src/.git/config"), "c");
  WriteBytes(At("src/locked/a.txt"), "a");
  fs::permissions(At("src/locked"), fs::perms::owner_write, fs::perm_options::remove);
  // Windows keeps no write permission of a folder: there it is copied.
  const bool lockedShown = (fs::status(At("src/locked")).permissions() & fs::perms::owner_write) == fs::perms::none;
  std::error_code noFileLinks;  // Wine makes none, and shows a host's as the file itself
  fs::create_symlink(At("src/top.txt"), At("src/link.txt"), noFileLinks);
  EXPECT_TRUE(TFileOperate::CopyFolder(At("src"), At("dst"), true));
  fs::permissions(At("src/locked"), fs::perms::owner_write, fs::perm_options::add);
  for (const char* skipped : {".hidden", ".git", "link.txt", "linkdir"})
    EXPECT_FALSE(fs::exists(fs::symlink_status(At("dst") / skipped))) << skipped;
  EXPECT_NE(fs::exists(At("dst/locked")), lockedShown);
  EXPECT_TRUE(fs::exists(At("dst/top.txt")));
}

TEST_F(CopyFolder, SecondCopyLeavesIdenticalFilesUntouched) {
  TFileOperate::CopyFolder(At("src"), At("dst"), false);
  const auto before = test_platform::FileId(At("dst/sub/inner.txt"));
  TFileOperate::CopyFolder(At("src"), At("dst"), false);
  EXPECT_EQ(test_platform::FileId(At("dst/sub/inner.txt")), before);
}

TEST_F(CopyFolder, MissingSourceRaisesAndCreatesNothing) {
  EXPECT_THROW(TFileOperate::CopyFolder(At("none"), At("dst"), true), fs::filesystem_error);
  EXPECT_FALSE(fs::exists(At("dst")));
}

TEST_F(CopyFolder, UnlistableSourceGivesFalseAndCreatesNothing) {
  if (test_platform::IgnoresPermissions()) GTEST_SKIP() << "permissions do not stop this process listing a folder";
  fs::permissions(At("src"), fs::perms::owner_read, fs::perm_options::remove);
  EXPECT_FALSE(TFileOperate::CopyFolder(At("src"), At("dst"), true));
  fs::permissions(At("src"), fs::perms::owner_read, fs::perm_options::add);
  EXPECT_FALSE(fs::exists(At("dst")));
}

TEST_F(CopyFolder, LeavesTheCurrentDirectoryAlone) {
  const fs::path before = fs::current_path();
  TFileOperate::CopyFolder(At("src"), At("dst"), true);
  EXPECT_EQ(fs::current_path(), before);
}

}  // namespace
