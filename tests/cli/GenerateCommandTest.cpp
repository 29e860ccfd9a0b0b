#include <gtest/gtest.h>

#include "generator/GenerationFixture.h"
#include "support/RunVbgen.h"

namespace {

using namespace generation;
using namespace member_type;

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

class GenerateCommand : public ::testing::Test {
 protected:
  THome home;
};

TEST_F(GenerateCommand, PrintsEveryProgressLineOfTheRunAndNothingElse) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  const auto result = RunVbgen(home.dir(), {"generate", "Shop"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");

  auto lines = RunProject(home, p);
  ASSERT_EQ(lines.back(), "<finished>");
  lines.pop_back();
  EXPECT_EQ(result.out, Joined(lines));
  EXPECT_EQ(result.out.rfind("projects/Shop/Model/Model.vbproj生成完成!\nprojects/Shop/Model/Goods.vb生成完毕!\n", 0), 0u);
  EXPECT_TRUE(result.out.ends_with("projects/Shop/Shop/My Project/Settings.Designer.vb生成完毕\n移动资源文件完毕!\n"));
}

TEST_F(GenerateCommand, ProjectNameIsMatchedWhateverTheLetterCase) {
  AddProject("Shop");
  const auto result = RunVbgen(home.dir(), {"generate", "SHOP"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(fs::exists(home.Output("Shop/Shop.sln")));
}

TEST_F(GenerateCommand, FailedCheckPrintsTheMessageAndWritesNothing) {
  const int p = AddProject("Shop");
  AddClass(p, "Book", {{"title", kString, "", 0, false, true, true}});
  const auto result = RunVbgen(home.dir(), {"generate", "Shop"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Book表主键设置错误，每个类只能设置一个主键!\n");
  EXPECT_FALSE(fs::exists(home.dir() / "projects"));
}

TEST_F(GenerateCommand, DanglingReferenceIsAFailedCheck) {
  const int p = AddProject("Shop");
  AddClass(p, "Book", {{"id", kInteger, "", 0, true, true, true}, {"writer", "Writer", ""}});
  const auto result = RunVbgen(home.dir(), {"generate", "Shop"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Book类的成员writer引用的类Writer不存在，请修改该成员的类型!\n");
  EXPECT_FALSE(fs::exists(home.dir() / "projects"));
}

// Names another tool wrote into the store pass the input rules before the run
// writes anything, and vbgen check names the same first problem.
TEST_F(GenerateCommand, StoredNamesThatBreakTheRulesStopTheRunBeforeItWrites) {
  AddProject("../../escaped");
  const int shop = AddProject("Shop");
  AddPlainClass(shop, "Goods");
  AddPlainClass(shop, "Nul");
  for (const std::string project : {"../../escaped", "Shop"}) {
    const auto result = RunVbgen(home.dir(), {"generate", project});
    EXPECT_EQ(result.exitCode, 1) << project;
    EXPECT_EQ(result.out, "");
    const auto check = RunVbgen(home.dir(), {"check", project});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(result.err, check.out.substr(0, check.out.find('\n') + 1)) << project;
  }
  EXPECT_FALSE(fs::exists(home.dir() / "projects"));
  EXPECT_FALSE(fs::exists(home.dir().parent_path() / "escaped"));
}

TEST_F(GenerateCommand, ErrorDuringTheRunKeepsItsLinesAndExitsOne) {
  fs::remove_all(home.dir() / "bak/DAL");
  AddProject("Shop");
  const auto result = RunVbgen(home.dir(), {"generate", "Shop"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.out.ends_with("正在移动资源文件。。。\n")) << result.out;
  EXPECT_NE(result.err.find(platform::Utf8FromPath(home.dir() / "bak" / "DAL")), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(home.Output("Shop/Shop.sln")));
}

TEST_F(GenerateCommand, UnknownProjectOrEmptyNamespaceIsAnInputFault) {
  AddProject("Shop");
  const auto unknown = RunVbgen(home.dir(), {"generate", "Nowhere"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("Nowhere"), std::string::npos) << unknown.err;
  EXPECT_EQ(RunVbgen(home.dir(), {"generate", "Shop", "--namespace", ""}).exitCode, 2);
  EXPECT_EQ(RunVbgen(home.dir(), {"generate", "Shop", "--source-encoding", "latin1"}).exitCode, 2);
  EXPECT_FALSE(fs::exists(home.dir() / "projects"));
}

TEST_F(GenerateCommand, SourceEncodingUtf8WritesSourcesWithMark) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Shop", "--source-encoding", "utf-8"}).exitCode, 0);
  const std::string utf8 = ReadBytes(home.Output("Shop/Model/Goods.vb"));
  EXPECT_EQ(utf8.substr(0, 3), kBom);
  ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Shop"}).exitCode, 0);
  const std::string gbk = ReadBytes(home.Output("Shop/Model/Goods.vb"));
  EXPECT_NE(gbk.find("'\xB1\xE0\xBA\xC5\r\n"), std::string::npos);  // 编号 in code page 936
}

// With the templates and resource folders delivered beside the program.
TEST(GenerateWithShippedFiles, WritesTheWholeTree) {
  TTempHome home;
  const int p = AddProject("Shop");
  AddClass(p, "Writer", {{"writerId", kInteger, "编号", 0, true}, {"name", kString, "姓名", 0, false, true, true}});
  AddClass(p, "Book", {{"bookId", kInteger, "编号", 0, true},
                       {"title", kString, "书名", 0, false, true, true},
                       {"writer", "Writer", "作者"}});
  const auto result = RunVbgen(home.dir(), {"generate", "Shop", "--namespace", "Demo"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(result.out.ends_with("移动资源文件完毕!\n"));
  const fs::path solution = home.dir() / "projects/Shop";
  const std::string model = ReadBytes(solution / "Model/Model.vbproj");
  EXPECT_EQ(model.substr(0, 3), kBom);
  EXPECT_NE(model.find("    <Compile Include=\"Writer.vb\" />\r\n    <Compile Include=\"Book.vb\" />\r\n"),
            std::string::npos);
  EXPECT_EQ(model.find("$CompileString"), std::string::npos);
  const std::string sln = ReadBytes(solution / "Shop.sln");
  EXPECT_EQ(sln.find("$project_name"), std::string::npos);
  EXPECT_NE(sln.find("Shop"), std::string::npos);
  for (const char* file : {"DAL/DBHelp.vb", "Shop/App.config", "Shop/pic/NoImage.jpg",
                           "Shop/My Project/Application.Designer.vb", "Shop/My Project/Settings.Designer.vb"})
    EXPECT_TRUE(fs::exists(solution / file)) << file;
  EXPECT_NE(ReadBytes(solution / "Model/Book.vb").find("    Private _writer As Integer\r\n"), std::string::npos);
}

}  // namespace
