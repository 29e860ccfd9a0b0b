#include <gtest/gtest.h>

#include "generator/vb/tiers/EntityOperate.h"
#include "generator/GenerationFixture.h"

namespace {

using namespace generation;
using namespace member_type;

std::string Golden(const std::string& name) { return ReadBytes(fs::path(VBGEN_GOLDEN_DIR) / name); }

std::string Replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& pairs) {
  for (const auto& [from, to] : pairs) text = ReplaceAll(text, from, to);
  return text;
}

class EntityOperate : public ::testing::Test {
 protected:
  TGenContext Context(int projectId, TSourceEncoding encoding = TSourceEncoding::Gbk) {
    TGenContext context;
    context.home = home.dir();
    context.projectName = home.Settings(projectId).projectName;
    context.projectId = projectId;
    context.sourceEncoding = encoding;
    context.progress = [this](const std::string& line) { lines.push_back(line); };
    return context;
  }

  // The golden Book refers to an integer-keyed Writer and a string-keyed Press.
  int AddLibrary() {
    const int p = AddProject("Library");
    AddClass(p, "Writer", {{"writerId", kInteger, "", 0, true, true, true}});
    AddClass(p, "Press", {{"pressCode", kString, "", 0, true, true, true}});
    AddClass(p, "Book", {{"bookId", kInteger, "编号", 0, true},
                         {"title", kString, "书名", 0, false, true, true},
                         {"price", kFloat, ""},
                         {"publishDate", kDateTime, "出版日期"},
                         {"cover", kPicture, "封面"},
                         {"author", "Writer", "作者"},
                         {"press", "Press", "出版社"}});
    return p;
  }

  THome home;
  std::vector<std::string> lines;
};

TEST_F(EntityOperate, BookMatchesTheGoldenFileAsUtf8) {
  const int p = AddLibrary();
  TEntityOperate::GenerateModel(Context(p, TSourceEncoding::Utf8Bom), TClassDAO().GetClassList(p));
  EXPECT_EQ(ReadBytes(home.Output("Library/Model/Book.vb")), kBom + Golden("model/Book.vb"));
}

TEST_F(EntityOperate, BookIsWrittenInCodePage936WithoutMark) {
  const int p = AddLibrary();
  TEntityOperate::GenerateModel(Context(p), TClassDAO().GetClassList(p));
  const std::string expected = Replaced(Golden("model/Book.vb"), {{"编号", "\xB1\xE0\xBA\xC5"},
                                                                   {"书名", "\xCA\xE9\xC3\xFB"},
                                                                   {"出版日期", "\xB3\xF6\xB0\xE6\xC8\xD5\xC6\xDA"},
                                                                   {"封面", "\xB7\xE2\xC3\xE6"},
                                                                   {"作者", "\xD7\xF7\xD5\xDF"},
                                                                   {"出版社", "\xB3\xF6\xB0\xE6\xC9\xE7"}});
  EXPECT_EQ(ReadBytes(home.Output("Library/Model/Book.vb")), expected);
}

TEST_F(EntityOperate, ProjectFileListsEveryClassInOrderAndProgressNamesEachFile) {
  const int p = AddLibrary();
  TEntityOperate::GenerateModel(Context(p), TClassDAO().GetClassList(p));
  EXPECT_EQ(ReadBytes(home.Output("Library/Model/Model.vbproj")),
            std::string(kBom) +
                "<Project>\r\n"
                "    <Compile Include=\"Writer.vb\" />\r\n"
                "    <Compile Include=\"Press.vb\" />\r\n"
                "    <Compile Include=\"Book.vb\" />\r\n"
                "</Project>\r\n");
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "projects/Library/Model/Model.vbproj生成完成!",
                       "projects/Library/Model/Writer.vb生成完毕!",
                       "projects/Library/Model/Press.vb生成完毕!",
                       "projects/Library/Model/Book.vb生成完毕!",
                   }));
}

TEST_F(EntityOperate, EmptyProjectGetsAnEmptyCompileListAndNoSource) {
  const int p = AddProject("Empty");
  TEntityOperate::GenerateModel(Context(p), {});
  EXPECT_EQ(ReadBytes(home.Output("Empty/Model/Model.vbproj")), std::string(kBom) + "<Project>\r\n</Project>\r\n");
  EXPECT_EQ(lines, std::vector<std::string>{"projects/Empty/Model/Model.vbproj生成完成!"});
  EXPECT_EQ(std::distance(fs::directory_iterator(home.Output("Empty/Model")), fs::directory_iterator()), 1);
}

TEST_F(EntityOperate, ClassWithoutMembersHoldsOnlyTheHeaderAndEnd) {
  const int p = AddProject("Bare");
  AddClass(p, "Note", {});
  TEntityOperate::GenerateModel(Context(p), TClassDAO().GetClassList(p));
  EXPECT_EQ(ReadBytes(home.Output("Bare/Model/Note.vb")),
            "Imports System.Collections.Generic\r\n"
            "Imports System.Linq\r\n"
            "Imports System.Text\r\n"
            "\r\n"
            "Public Class Note\r\n"
            "End Class\r\n");
}

TEST_F(EntityOperate, ReferenceWithoutKeyedClassStopsBeforeTheFileIsWritten) {
  const int p = AddProject("Dangling");
  AddClass(p, "Loan", {{"loanId", kInteger, "", 0, true, true, true}, {"reader", "Reader", ""}});
  EXPECT_THROW(TEntityOperate::GenerateModel(Context(p), TClassDAO().GetClassList(p)), std::runtime_error);
  EXPECT_FALSE(fs::exists(home.Output("Dangling/Model/Loan.vb")));
}

TEST_F(EntityOperate, MissingProjectTemplateIsAnError) {
  const int p = AddProject("NoTemplate");
  fs::remove(home.dir() / "template/Model/Model.vbproj");
  EXPECT_THROW(TEntityOperate::GenerateModel(Context(p), {}), fs::filesystem_error);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
