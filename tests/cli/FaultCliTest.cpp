// What a user can do wrong, or what can go wrong around vbgen, told in a
// message that names the thing and the fix, with the right exit code.
#include <sqlite3.h>

#include <filesystem>
#include <thread>

#include "cli/EditingCli.h"
#include "platform/Platform.h"
#include "support/TestPlatform.h"
#include "support/StoreSeed.h"

namespace {

class FaultCli : public EditingCliTest {
 protected:
  int shop = SeedProject("Shop");
  int book = SeedClass(shop, "Book");
};

TEST_F(FaultCli, AnOverlongLengthIsAnInputFault) {
  const std::string digits(400, '9');
  ExpectRefused(Run({"member", "add", "Shop", "Book", "title", "字符串", "--length", digits}),
                "'" + digits + "' 不是有效的长度，字符串长度必须是大于0的整数!");
}

TEST_F(FaultCli, ArgumentsThatAreNotUtf8AreRefusedAndNothingIsStored) {
  if (!test_platform::PassesArgumentBytes()) GTEST_SKIP() << "arguments arrive as UTF-16 text here";
  ExpectRefused(Run({"project", "add", "Shop\xC3"}),
                "工程名称不是有效的 UTF-8 文本 (第 5 个字节): 请用 UTF-8 编码输入。");
  ExpectRefused(Run({"class", "add", "Shop", "Novel", "\xB7\xA8"}),
                "友好名称不是有效的 UTF-8 文本 (第 1 个字节): 请用 UTF-8 编码输入。");
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_project"), 1);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_class"), 1);
}

TEST_F(FaultCli, AnEmptyStoreFileIsNamedNotReportedAsAMissingTable) {
  WriteBytes(home.database(), "");
  const auto r = Run({"project", "list"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(home.database().string() + " 不是 vbgen 的元数据库"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("no such table"), std::string::npos) << r.err;
}

TEST_F(FaultCli, AnOutputFolderThatCannotBeMadeIsNamedWithTheFix) {
  SeedMember([&] {
    TMember key = NewMember(shop, book, "id", member_type::kInteger);
    key.memberIsPri = key.memberIsDisplay = key.memberIsMust = key.memberIsInteger = 1;
    return key;
  }());
  WriteBytes(home.dir() / "projects", "a file where the folder belongs");
  const auto r = Run({"generate", "Shop"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("无法建立输出文件夹 " + (home.dir() / "projects" / "Shop").string() + ": "), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("请给主目录 " + home.dir().string() + " 写权限，或用 --home 指定一个可写的主目录"),
            std::string::npos);
}

// A FIFO given as the input file is refused at once, never waited on.
TEST_F(FaultCli, AFifoAsInputFileIsRefusedWithoutWaiting) {
  const std::filesystem::path fifo = home.dir() / "in.fifo";
  if (!test_platform::MakeFifo(fifo)) GTEST_SKIP() << "no FIFOs here";
  const std::string refused = "无法读取文件: " + fifo.string() + " 不是普通文件 (而是文件夹、管道或设备)";
  ExpectRefused(Run({"import", fifo.string()}), refused);
  ExpectRefused(Run({"import-sql", fifo.string(), "--as", "Lib"}), refused);
}

TEST_F(FaultCli, AnEditWaitsForAnotherProgramsWriteToEnd) {
  sqlite3* other = nullptr;
  sqlite3_open(platform::Utf8FromPath(home.database()).c_str(), &other);
  sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  });
  ExpectPrinted(Run({"project", "add", "Later"}), "工程名称添加成功！\n");
  release.join();
  sqlite3_close(other);
}

// Output that could not be written fails the command, whichever printed it.
TEST_F(FaultCli, OutputThatCannotBeWrittenFails) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"export", "Shop"}, {"sql", "Shop"}, {"project", "list"}, {"class", "list", "Shop", "--json"}}) {
    std::vector<std::string> all = {"--home", platform::Utf8FromPath(home.dir())};
    all.insert(all.end(), args.begin(), args.end());
    const auto err = home.dir() / "err";
    EXPECT_EQ(test_platform::Wait(test_platform::Start(VBGEN_EXE, all, "/dev/full", err)), 1) << args[0];
    EXPECT_EQ(ReadBytes(err).rfind("无法写入标准输出", 0), 0u) << args[0];
  }
}

TEST_F(FaultCli, ParseErrorsAndHelpAreInChinese) {
  const auto missing = Run({"project", "add"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "缺少必需的参数 name\n用 --help 查看用法。\n");
  EXPECT_EQ(Run({"member", "add", "Shop", "Book", "title", "字符串", "--length"}).err,
            "--length 缺少值\n用 --help 查看用法。\n");
  EXPECT_EQ(Run({"project", "list", "extra"}).err, "无法识别的参数: extra\n用 --help 查看用法。\n");
  const auto help = Run({"--help"});
  EXPECT_EQ(help.out.rfind("vbgen - ", 0), 0u) << help.out;
  EXPECT_NE(help.out.find("用法: vbgen [选项] 子命令"), std::string::npos) << help.out;
}

}  // namespace
