// The whole user-interface generation over a stored project: files, their
// encodings, the resource copies and the progress lines in order.

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator/vb/forms/UIOperate.h"
#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"
#include "platform/Platform.h"
#include "support/TempHome.h"

namespace {

namespace fs = std::filesystem;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kUi = "projects/Lib/Lib/";

std::string Golden(const std::string& name) { return ReadBytes(fs::path(VBGEN_GOLDEN_DIR) / "ui" / name); }

class UiProjectWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path ui = home_.dir() / "template" / "project_name" / "project_name";
    WriteBytes(home_.dir() / "template" / "project_name" / "project_name.vbproj",
               kBom + "<Project>$project_name\r\n$CompileString--\r\n$EmbeddedResourceString</Project>\r\n");
    WriteBytes(ui / u8"Frm主面.vb", kBom + "Class Frm主面\r\n$vbString End Class\r\n");
    WriteBytes(ui / u8"Frm主面.designer.vb", kBom + "$designerString1|$designerString2|$designerString3|$designerString4");
    for (const char* kind : {"FrmAdd", "FrmEdit", "FrmQuery"})
      WriteBytes(ui / (std::string(kind) + ".resx"), std::string("<root>") + kind + "</root>\r\n");

    TProjectDAO().AddProject("Lib");
    projectId_ = TProjectDAO().GetProjectId("Lib");
    const int category = AddClass("Category", "图书类别");
    AddMember(category, "categoryId", member_type::kInteger, "类别编号", 0, true);
    AddMember(category, "categoryName", member_type::kString, "类别名称", 20, false, true);
    const int publisher = AddClass("Publisher", "出版社");
    AddMember(publisher, "publisherNo", member_type::kString, "出版社编号", 20, true);
    AddMember(publisher, "publisherName", member_type::kString, "出版社名称", 20, false, true);
    const int book = AddClass("Book", "图书");
    AddMember(book, "bookId", member_type::kInteger, "图书编号", 0, true);
    AddMember(book, "bookName", member_type::kString, "书名", 50, false, true, 1);
    AddMember(book, "author", member_type::kString, "作者", 20);
    AddMember(book, "price", member_type::kFloat, "价格", 0, false, false, 1);
    AddMember(book, "stock", member_type::kInteger, "库存", 0, false, false, 1);
    AddMember(book, "publishDate", member_type::kDateTime, "出版日期", 0, false, false, 1);
    AddMember(book, "cover", member_type::kPicture, "封面");
    AddMember(book, "category", "Category", "类别", 0, false, false, 1);
    AddMember(book, "publisher", "Publisher", "出版社", 0, false, false, 1);
    context_.home = home_.dir();
    context_.projectName = "Lib";
    context_.projectId = projectId_;
    context_.progress = [this](const std::string& line) { progress_.push_back(line); };
  }

  int AddClass(const std::string& name, const std::string& friendName) {
    TClassDAO().AddClass(projectId_, name, friendName, 1);
    return TClassDAO().GetClassId(projectId_, name);
  }

  void AddMember(int classId, const std::string& name, const std::string& type, const std::string& comment,
                 int length = 0, bool key = false, bool display = false, int must = 0) {
    TMember m;
    m.projectId = projectId_;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    m.memberComment = comment;
    m.memberLength = length;
    m.memberIsPri = key ? 1 : 0;
    m.memberIsDisplay = display ? 1 : 0;
    m.memberIsMust = must;
    m.memberIsInteger = type == member_type::kInteger ? 1 : 0;
    m.memberIsFloat = type == member_type::kFloat ? 1 : 0;
    TMemberDAO().AddMember(m);
  }

  void Generate() { TUIOperate(context_).GenerateUI(TClassDAO().GetClassList(projectId_)); }
  std::string Output(const std::string& file) const { return ReadBytes(home_.dir() / platform::PathFromUtf8(kUi + file)); }

  TTempHome home_{false};
  int projectId_ = 0;
  TGenContext context_;
  std::vector<std::string> progress_;
};

}  // namespace

TEST_F(UiProjectWrite, ReportsEveryFileInTheRunOrder) {
  Generate();
  std::vector<std::string> expected{kUi + "Lib.vbproj生成完成!"};
  const std::vector<std::string> classes{"Category", "Publisher", "Book"};
  for (const char* kind : {"FrmAdd", "FrmEdit", "FrmQuery"})
    for (const char* suffix : {".vb", ".Designer.vb"})
      for (const std::string& c : classes) expected.push_back(kUi + kind + c + suffix + "生成完毕!");
  expected.push_back(kUi + "Frm主面.vb生成完成!");
  expected.push_back(kUi + "Frm主面.designer.vb生成完成!");
  EXPECT_EQ(progress_, expected);
}

TEST_F(UiProjectWrite, FormSourcesAreGbkWithoutMark) {
  Generate();
  const std::string code = Output("FrmAddBook.vb");
  EXPECT_NE(code.find("\xCD\xBC\xCA\xE9\xCC\xED\xBC\xD3\xB3\xC9\xB9\xA6!"), std::string::npos);  // 图书添加成功!
  EXPECT_EQ(platform::GbkToUtf8(code), Golden("FrmAddBook.vb"));
  EXPECT_EQ(platform::GbkToUtf8(Output("FrmAddBook.Designer.vb")), Golden("FrmAddBook.Designer.vb"));
  EXPECT_EQ(platform::GbkToUtf8(Output("FrmQueryBook.vb")), Golden("FrmQueryBook.vb"));
  EXPECT_EQ(platform::GbkToUtf8(Output("FrmQueryBook.Designer.vb")), Golden("FrmQueryBook.Designer.vb"));
}

TEST_F(UiProjectWrite, ProjectAndMainFormAreUtf8WithMark) {
  Generate();
  const std::string project = Output("Lib.vbproj");
  ASSERT_EQ(project.substr(0, 3), kBom);
  EXPECT_EQ(project.find("<Project>Lib\r\n    <Compile Include=\"FrmAddCategory.vb\">\r\n"), 3u);
  EXPECT_EQ(project.find("$"), std::string::npos);
  const std::string designer = Output("Frm主面.designer.vb");
  ASSERT_EQ(designer.substr(0, 3), kBom);
  EXPECT_NE(designer.find("Me.toolStripMenuItem_10.Text = \"图书管理\"\r\n"), std::string::npos);
  EXPECT_TRUE(Output("Frm主面.vb").starts_with(kBom + "Class Frm主面\r\n    '添加图书类别\r\n"));
}

TEST_F(UiProjectWrite, ResourcesAreCopiedAndReplaced) {
  WriteBytes(home_.dir() / (kUi + "FrmAddBook.resx"), "stale");
  Generate();
  for (const char* kind : {"FrmAdd", "FrmEdit", "FrmQuery"})
    EXPECT_EQ(Output(std::string(kind) + "Book.resx"), std::string("<root>") + kind + "</root>\r\n") << kind;
}

TEST_F(UiProjectWrite, MissingResourceTemplateIsSkippedSilently) {
  fs::remove(home_.dir() / "template" / "project_name" / "project_name" / "FrmAdd.resx");
  Generate();
  EXPECT_FALSE(fs::exists(home_.dir() / (kUi + "FrmAddBook.resx")));
  EXPECT_TRUE(fs::exists(home_.dir() / (kUi + "FrmQueryBook.resx")));
  for (const auto& entry : fs::directory_iterator(home_.dir() / kUi))
    EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
  EXPECT_EQ(progress_.back(), kUi + "Frm主面.designer.vb生成完成!");
}

TEST_F(UiProjectWrite, EmptyClassListWritesOnlyProjectAndMainForm) {
  TUIOperate(context_).GenerateUI({});
  EXPECT_EQ(progress_, (std::vector<std::string>{kUi + "Lib.vbproj生成完成!", kUi + "Frm主面.vb生成完成!",
                                                 kUi + "Frm主面.designer.vb生成完成!"}));
  EXPECT_EQ(Output("Frm主面.designer.vb"), kBom + "|||");
  EXPECT_EQ(Output("Lib.vbproj"), kBom + "<Project>Lib\r\n--\r\n</Project>\r\n");
}

TEST_F(UiProjectWrite, ReferenceToAMissingClassStopsWithAnErrorNamingIt) {
  AddMember(TClassDAO().GetClassId(projectId_, "Book"), "shelf", "Shelf", "书架");
  try {
    Generate();
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("Shelf"), std::string::npos) << error.what();
  }
  // The classes before it got their add forms; the run's own checks keep such a project from getting here.
  EXPECT_EQ(progress_.back(), kUi + "FrmAddPublisher.vb生成完毕!");
}
