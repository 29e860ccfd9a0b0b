#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

const fs::path kSample = fs::path(VBGEN_RUNTIME_DIR) / "samples" / "library.json";

// A home folder that ships the samples, as the build lays it out.
void AddSamples(const TTempHome& home) { fs::copy(kSample.parent_path(), home.dir() / "samples"); }

TVbgenResult Vbgen(const TTempHome& home, const std::vector<std::string>& args) { return RunVbgen(home.dir(), args); }

// What a user can see of the store.
std::string Listing(const TTempHome& home) {
  std::string listing = Vbgen(home, {"project", "list"}).out;
  for (const char* project : {"Library", "Shop"}) listing += Vbgen(home, {"export", project}).out;
  return listing;
}

TEST(TransferCommands, ExportImportExportGivesTheSameBytes) {
  TTempHome first(false);
  AddSamples(first);
  ASSERT_EQ(Vbgen(first, {"sample"}).exitCode, 0);
  const fs::path file = first.dir() / "library copy.json";
  const auto exported = Vbgen(first, {"export", "library", "-o", file.string()});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(exported.out, "");
  EXPECT_EQ(ReadBytes(file), Vbgen(first, {"export", "Library"}).out);
  EXPECT_EQ(ReadBytes(file), ReadBytes(kSample));

  TTempHome second(false);
  const auto imported = Vbgen(second, {"import", file.string()});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "已导入工程 Library (4 个类)\n");
  EXPECT_EQ(Vbgen(second, {"export", "Library"}).out, ReadBytes(file));
}

TEST(TransferCommands, ExportThatCannotWriteFailsAndLeavesNoFile) {
  TTempHome home(false);
  ASSERT_EQ(Vbgen(home, {"import", kSample.string()}).exitCode, 0);
  const auto result = Vbgen(home, {"export", "Library", "-o", (home.dir() / "missing/out.json").string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("无法写入文件"));
  EXPECT_FALSE(fs::exists(home.dir() / "missing"));
  EXPECT_EQ(Vbgen(home, {"export", "Nowhere"}).exitCode, 2);
}

// Only a regular file is replaced: a folder, a FIFO or a link to one is
// refused and stays; a link planted where a temporary file could go is
// never written through.
TEST(TransferCommands, ExportRefusesWhatIsNoRegularFileAndFollowsNoPlantedLink) {
  TTempHome home(false);
  ASSERT_EQ(Vbgen(home, {"import", kSample.string()}).exitCode, 0);
  const fs::path dir = home.dir();
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  fs::create_symlink(dir / "fifo", dir / "link");
  for (const char* target : {"folder", "fifo", "link"}) {
    const auto result = Vbgen(home, {"export", "Library", "-o", (dir / target).string()});
    EXPECT_EQ(result.exitCode, 2) << target;
    EXPECT_THAT(result.err, HasSubstr("不是普通文件")) << target;
  }
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(dir / "folder")));
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "fifo")));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link")));

  WriteBytes(dir / "victim", "keep");
  fs::create_symlink(dir / "victim", dir / "out.json.tmp");
  ASSERT_EQ(Vbgen(home, {"export", "Library", "-o", (dir / "out.json").string()}).exitCode, 0);
  EXPECT_EQ(ReadBytes(dir / "victim"), "keep");
  EXPECT_EQ(ReadBytes(dir / "out.json"), Vbgen(home, {"export", "Library"}).out);
}

TEST(TransferCommands, ImportAsAnotherName) {
  TTempHome home(false);
  const auto result = Vbgen(home, {"import", kSample.string(), "--as", "Shop"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_THAT(Vbgen(home, {"export", "Shop"}).out, HasSubstr("\"projectName\": \"Shop\""));
  EXPECT_EQ(Vbgen(home, {"export", "Library"}).exitCode, 2);
}

TEST(TransferCommands, BadFilesAreInputFaultsAndStoreNothing) {
  TTempHome home(false);
  ASSERT_EQ(Vbgen(home, {"import", kSample.string()}).exitCode, 0);
  const std::string before = Listing(home);

  std::string duplicate = ReadBytes(kSample);
  duplicate.replace(duplicate.find("\"Reader\""), 8, "\"Book\"");
  std::string unknownReference = ReadBytes(kSample);
  unknownReference.replace(unknownReference.rfind("\"Reader\""), 8, "\"Member\"");
  std::string missingField = ReadBytes(kSample);
  missingField.replace(missingField.find("\"frontShowFlag\": 1,"), 19, "");
  const std::vector<std::pair<std::string, std::string>> files = {
      {"{ \"format\": ", "项目文件不是有效的 JSON"},
      {"{\"format\": \"vbgen-project\", \"version\": \"1\"}", "项目文件, 字段 version: 应为"},
      {missingField, "类 BookType, 字段 frontShowFlag: 缺少该字段"},
      {duplicate, "类 Book, 字段 className: 该类名称已经存在!"},
      {unknownReference, "类 Loan 的成员 borrower, 字段 memberType: 成员类型 'Member' 无效"},
  };
  for (const auto& [text, message] : files) {
    const fs::path file = home.dir() / "bad.json";
    WriteBytes(file, text);
    const auto result = Vbgen(home, {"import", file.string(), "--as", "Shop"});
    EXPECT_EQ(result.exitCode, 2) << message;
    EXPECT_THAT(result.err, HasSubstr(message));
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(Listing(home), before);

  const auto missing = Vbgen(home, {"import", (home.dir() / "nowhere.json").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_THAT(missing.err, HasSubstr("无法读取文件"));
  EXPECT_EQ(Vbgen(home, {"import", home.dir().string()}).exitCode, 2);
}

TEST(TransferCommands, SampleImportsOnceAndGenerates) {
  TTempHome home;
  AddSamples(home);
  const auto first = Vbgen(home, {"sample"});
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_THAT(first.out, HasSubstr("vbgen generate Library"));

  const auto again = Vbgen(home, {"sample"});
  EXPECT_EQ(again.exitCode, 2);
  EXPECT_THAT(again.err, HasSubstr("工程 Library 已经存在"));
  EXPECT_EQ(Vbgen(home, {"sample", "--as", "Library2"}).exitCode, 0);

  const auto check = Vbgen(home, {"check", "Library"});
  EXPECT_EQ(check.exitCode, 0) << check.out;
  EXPECT_EQ(check.out, "OK: 工程 Library 的 4 个类都可以生成\n");

  const auto generated = Vbgen(home, {"generate", "Library"});
  EXPECT_EQ(generated.exitCode, 0) << generated.err;
  EXPECT_EQ(generated.err, "");
  EXPECT_TRUE(fs::exists(home.dir() / "projects" / "Library" / "Library.sln"));
}

TEST(TransferCommands, CheckListsEveryProblemAndFails) {
  TTempHome home(false);
  std::string text = ReadBytes(kSample);
  // Book loses its key; Reader gets a second display member.
  text.replace(text.find("\"memberIsPri\": 1", text.find("\"isbn\"")), 16, "\"memberIsPri\": 0");
  text.replace(text.find("\"memberIsDisplay\": 0", text.find("\"phone\"")), 20, "\"memberIsDisplay\": 1");
  const fs::path file = home.dir() / "broken.json";
  WriteBytes(file, text);
  ASSERT_EQ(Vbgen(home, {"import", file.string()}).exitCode, 0);

  const auto result = Vbgen(home, {"check", "Library"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out,
            "Book表主键设置错误，每个类只能设置一个主键!\n"
            "Reader表显示成员设置错误，每个类有且只能设置一个显示成员!\n"
            "Loan类的成员borrowedBook引用的类Book没有主键，请为该类设置一个主键!\n");
  EXPECT_THAT(result.err, HasSubstr("工程 Library 有 3 个问题"));
  EXPECT_EQ(Vbgen(home, {"check", "Nowhere"}).exitCode, 2);

  const auto run = Vbgen(home, {"generate", "Library"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Book表主键设置错误，每个类只能设置一个主键!\n");
}

TEST(TransferCommands, CheckFindsAReferenceToADeletedClassAsARunDoes) {
  TTempHome home;
  ASSERT_EQ(Vbgen(home, {"import", kSample.string()}).exitCode, 0);
  ASSERT_EQ(Vbgen(home, {"class", "delete", "Library", "Reader"}).exitCode, 0);

  const auto check = Vbgen(home, {"check", "Library"});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.out, "Loan类的成员borrower引用的类Reader不存在，请修改该成员的类型!\n");
  const auto run = Vbgen(home, {"generate", "Library"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, check.out);
}

}  // namespace
