// The edit form writers against hand-written expected files, one library
// project whose classes cover every member type, key kind and layout step.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generator/output/FileOperate.h"
#include "generator/GenContext.h"
#include "generator/vb/forms/UIOperate.h"
#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGoldenDir = fs::path(VBGEN_GOLDEN_DIR) / "edit";
const std::string kBom = "\xEF\xBB\xBF";

struct TMemberSpec {
  std::string name;
  std::string type;
  std::string comment;
  int length = 0;
  bool key = false;
  bool must = false;
  bool display = false;
};

// Names the first line where the texts part, so a failure points at one line
// rather than at two whole files.
::testing::AssertionResult SameText(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::size_t line = 1;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
    if (expected[i] == '\n') {
      ++line;
      start = i + 1;
    }
    ++i;
  }
  auto lineAt = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
  return ::testing::AssertionFailure() << "line " << line << "\n expected: " << lineAt(expected)
                                       << "\n   actual: " << lineAt(actual);
}

class EditFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    projects_.AddProject("Library");
    context_.home = home_.dir();
    context_.projectName = "Library";
    context_.projectId = projects_.GetProjectId("Library");
    context_.sourceEncoding = TSourceEncoding::Utf8Bom;
    context_.progress = [this](const std::string& line) { progress_.push_back(line); };

    AddClass("Book", "图书", {{"bookId", "整型", "图书编号", 0, true, true},
                              {"bookName", "字符串", "图书名称", 20, false, true, true},
                              {"cover", "图片型", "封面"},
                              {"category", "BookType", "图书类别", 0, false, true}});
    AddClass("BookType", "图书类别", {{"typeId", "整型", "类别编号", 0, true, true},
                                      {"typeName", "字符串", "类别名称", 20, false, true, true}});
    AddClass("Reader", "读者", {{"readerNo", "字符串", "读者编号", 20, true},
                                {"readerName", "字符串", "姓名", 50, false, false, true},
                                {"age", "整型", "年龄", 0, false, true},
                                {"balance", "浮点型", "余额", 0, false, true},
                                {"birthday", "日期型", "出生日期", 0, false, true},
                                {"dept", "Dept", "所在部门", 0, false, true}});
    AddClass("Dept", "部门", {{"deptNo", "字符串", "部门编号", 10, true},
                              {"deptName", "字符串", "部门名称", 20, false, false, true}});
    AddClass("Shelf", "书架", {{"shelfCode", "字符串", "书架编号", 20, true, false, true}});
    AddClass("Note", "", {{"noteId", "整型", "笔记编号", 0, true},
                          {"content", "字符串", "内容", 50, false, false, true}});
    AddClass("Photo", "相册", {{"photoId", "整型", "相片编号", 0, true},
                               {"title", "字符串", "标题", 20, false, false, true},
                               {"front", "图片型", "正面"},
                               {"back", "图片型", "背面"}});
    AddClass("Meeting", "会议", {{"meetDate", "日期型", "会议日期", 0, true},
                                 {"topic", "字符串", "议题", 20, false, true, true}});
    AddClass("Scan", "扫描件", {{"scanPic", "图片型", "扫描图像", 0, true},
                                {"title", "字符串", "标题", 20, false, false, true}});
    AddClass("Loan", "借阅", {{"book", "Book", "图书", 0, true},
                              {"reader", "Reader", "读者", 0, false, true, true}});
    AddClass("Transfer", "调动", {{"transferId", "整型", "调动编号", 0, true},
                                  {"fromDept", "Dept", "调出部门", 0, false, true, true},
                                  {"toDept", "Dept", "调入部门", 0, false, true}});
  }

  void AddClass(const std::string& name, const std::string& friendName, const std::vector<TMemberSpec>& members) {
    classes_.AddClass(context_.projectId, name, friendName, 1);
    const int classId = classes_.GetClassId(context_.projectId, name);
    for (const TMemberSpec& spec : members) {
      TMember m;
      m.projectId = context_.projectId;
      m.classId = classId;
      m.memberName = spec.name;
      m.memberType = spec.type;
      m.memberLength = spec.length;
      m.memberIsPri = spec.key ? 1 : 0;
      m.memberComment = spec.comment;
      m.memberIsMust = spec.must ? 1 : 0;
      m.memberIsInteger = spec.type == "整型" ? 1 : 0;
      m.memberIsFloat = spec.type == "浮点型" ? 1 : 0;
      m.memberIsDisplay = spec.display ? 1 : 0;
      members_.AddMember(m);
    }
  }

  TClassList Classes() const { return classes_.GetClassList(context_.projectId); }
  TClassList OnlyClass(const std::string& name) const {
    return {TListEntry{name, classes_.GetClassId(context_.projectId, name)}};
  }

  fs::path UiFolder() const { return home_.dir() / "projects" / "Library" / "Library"; }
  fs::path ResxTemplate() const { return home_.dir() / "template" / "project_name" / "project_name" / "FrmEdit.resx"; }

  void WriteBoth(const TClassList& list) {
    TUIOperate ui(context_);
    ui.WriteEditFormCode(list);
    ui.WriteEditFormDesigner(list);
  }

  TTempHome home_;
  TProjectDAO projects_;
  TClassDAO classes_;
  TMemberDAO members_;
  TGenContext context_;
  std::vector<std::string> progress_;
};

TEST_F(EditFormTest, EveryClassMatchesItsExpectedFilesByteForByte) {
  WriteBoth(Classes());

  int compared = 0;
  for (const fs::directory_entry& golden : fs::directory_iterator(kGoldenDir)) {
    const std::string name = golden.path().filename().string();
    SCOPED_TRACE(name);
    const std::string written = ReadBytes(UiFolder() / name);
    ASSERT_EQ(kBom, written.substr(0, 3));
    EXPECT_TRUE(SameText(ReadBytes(golden.path()), written.substr(3)));
    ++compared;
  }
  EXPECT_EQ(14, compared);
}

TEST_F(EditFormTest, SourcesAreWrittenInCodePage936WithoutMark) {
  context_.sourceEncoding = TSourceEncoding::Gbk;
  WriteBoth(OnlyClass("Book"));

  EXPECT_EQ(TFileOperate::ToGbk(ReadBytes(kGoldenDir / "FrmEditBook.vb")), ReadBytes(UiFolder() / "FrmEditBook.vb"));
  EXPECT_EQ(TFileOperate::ToGbk(ReadBytes(kGoldenDir / "FrmEditBook.Designer.vb")),
            ReadBytes(UiFolder() / "FrmEditBook.Designer.vb"));
}

TEST_F(EditFormTest, ProgressNamesEveryCodeFileThenEveryDesignerFileInClassOrder) {
  const TClassList list = Classes();
  WriteBoth(list);

  std::vector<std::string> expected;
  for (const char* suffix : {".vb", ".Designer.vb"})
    for (const TListEntry& entry : list)
      expected.push_back("projects/Library/Library/FrmEdit" + entry.text + suffix + "生成完毕!");
  EXPECT_EQ(expected, progress_);
}

TEST_F(EditFormTest, ResourceIsCopiedBesideEachDesignerReplacingAnOldCopy) {
  WriteBytes(ResxTemplate(), "<root>edit form icon</root>");
  WriteBytes(UiFolder() / "FrmEditBook.resx", "stale");

  WriteBoth(Classes());

  for (const TListEntry& entry : Classes())
    EXPECT_EQ("<root>edit form icon</root>", ReadBytes(UiFolder() / ("FrmEdit" + entry.text + ".resx"))) << entry.text;
  for (const std::string& line : progress_) EXPECT_EQ(std::string::npos, line.find(".resx")) << line;
}

TEST_F(EditFormTest, MissingResourceTemplateIsSkippedSilently) {
  fs::remove(ResxTemplate());

  ASSERT_NO_THROW(WriteBoth(OnlyClass("Book")));

  EXPECT_FALSE(fs::exists(UiFolder() / "FrmEditBook.resx"));
  EXPECT_TRUE(fs::exists(UiFolder() / "FrmEditBook.Designer.vb"));
  EXPECT_EQ(2u, progress_.size());
}

TEST_F(EditFormTest, EmptyClassListWritesNothing) {
  WriteBoth({});

  EXPECT_FALSE(fs::exists(UiFolder()));
  EXPECT_TRUE(progress_.empty());
}

TEST_F(EditFormTest, ReferenceToADeletedClassStopsTheWriterBeforeItWritesTheForm) {
  classes_.DeleteClass(classes_.GetClassId(context_.projectId, "Dept"));

  TUIOperate ui(context_);
  EXPECT_ANY_THROW(ui.WriteEditFormCode(OnlyClass("Reader")));
  EXPECT_FALSE(fs::exists(UiFolder() / "FrmEditReader.vb"));
}

}  // namespace
