// Generated solutions compile and their SQL is valid T-SQL: projects made
// through vbgen, generated, checked by the T-SQL check and built with
// `dotnet build`; their forms pass the structural check; the built program
// finds its configuration, picture and form resources.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "DotnetBuild.h"
#include "FormCheck.h"
#include "NamesCampaign.h"
#include "ProjectScript.h"
#include "RandomProject.h"
#include "SqlCheck.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

TMemberSpec Key(const std::string& name, const std::string& type, const std::string& comment) {
  TMemberSpec m;
  m.name = name;
  m.type = type;
  m.comment = comment;
  m.key = true;
  m.required = true;
  return m;
}

TMemberSpec Field(const std::string& name, const std::string& type, const std::string& comment) {
  TMemberSpec m;
  m.name = name;
  m.type = type;
  m.comment = comment;
  m.required = type != "字符串" && type != "图片型";
  return m;
}

TMemberSpec Display(TMemberSpec m) {
  m.display = true;
  return m;
}

TMemberSpec Query(TMemberSpec m) {
  m.query = true;
  return m;
}

TMemberSpec Hidden(TMemberSpec m) {
  m.queryDisplay = false;
  return m;
}

bool Contains(const fs::path& file, const std::string& bytes) {
  return ReadBytes(file).find(bytes) != std::string::npos;
}

// What the user runs: the program, its configuration with the connection that
// DBHelp reads, the placeholder picture and the icon resources of every form.
void ExpectRunnableOutput(const fs::path& solutionDir, const TProjectScript& script) {
  const std::string& p = script.project();
  const fs::path out = solutionDir / p / "bin" / "Debug" / "net48";
  const fs::path program = out / (p + ".exe");
  ASSERT_TRUE(fs::exists(program)) << program;
  EXPECT_TRUE(fs::exists(out / "App.config"));
  EXPECT_TRUE(Contains(out / (p + ".exe.config"), "name=\"DBConnection\""));
  EXPECT_TRUE(fs::exists(out / "pic" / "NoImage.jpg"));
  EXPECT_TRUE(fs::exists(out / "System.Resources.Extensions.dll"));
  EXPECT_TRUE(Contains(program, "Frm主面")) << "the start form is missing";
  for (const auto& c : script.classes())
    for (const char* form : {"FrmAdd", "FrmEdit", "FrmQuery"})
      EXPECT_TRUE(Contains(program, form + c + ".resources")) << form << c << " has no embedded resources";
}

void ExpectSolutionBuilds(const TProjectScript& script) {
  TTempHome home(false);
  for (const char* folder : {"template", "bak"})
    fs::copy(fs::path(VBGEN_BIN_DIR) / folder, home.dir() / folder, fs::copy_options::recursive);
  try {
    script.Store(home.dir());
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
  const TVbgenResult generated = RunVbgen(home.dir(), {"generate", script.project()});
  ASSERT_EQ(generated.exitCode, 0) << generated.err << "\n" << script.Listing();

  const TSqlCheck sql = CheckProjectSql(home.dir(), script.project());
  EXPECT_EQ(sql.exitCode, 0) << SqlCheckReport(sql) << "\nMetadata:\n" << script.Listing();
  std::cout << "T-SQL check of " << script.project() << ": " << sql.summary << "\n";

  const fs::path solutionDir = home.dir() / "projects" / script.project();
  const TFormCheck forms = CheckGeneratedForms(solutionDir / script.project());
  EXPECT_EQ(forms.exitCode, 0) << FormCheckReport(forms) << "\nMetadata:\n" << script.Listing();
  const auto start = std::chrono::steady_clock::now();
  const TDotnetBuild build = BuildSolution(solutionDir / (script.project() + ".sln"));
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  std::cout << "dotnet build of " << script.project() << ": " << seconds.count() << " s\n";
  ASSERT_TRUE(build.exitCode == 0 && build.errors.empty()) << FailureReport(build) << "\nMetadata:\n" << script.Listing();
  ExpectRunnableOutput(solutionDir, script);
}

// Every member type, both key kinds and references to both, a key-only class,
// a class without references, pictures or query-display members, two pictures
// and two references to one class; in a project name with a blank.
TProjectScript EveryMemberKind() {
  TProjectScript s("Book Shop");
  s.Class("BookType", "图书类别").Class("Publisher", "出版社").Class("Book", "图书").Class("Tag", "标签").Class("Note", "便笺");
  s.Member("BookType", Display(Key("code", "字符串", "类别编号")))
      .Member("BookType", Query(Field("typeName", "字符串", "类别名称")));
  s.Member("Publisher", Key("id", "整型", "编号"))
      .Member("Publisher", Display(Field("name", "字符串", "出版社名称")))
      .Member("Publisher", Field("logo", "图片型", "标志"));
  s.Member("Book", Key("id", "整型", "编号"))
      .Member("Book", Display(Query(Field("title", "字符串", "书名"))))
      .Member("Book", Field("price", "浮点型", "价格"))
      .Member("Book", Field("stock", "整型", "库存"))
      .Member("Book", Query(Field("published", "日期型", "出版日期")))
      .Member("Book", Field("cover", "图片型", "封面"))
      .Member("Book", Field("backCover", "图片型", ""))
      .Member("Book", Query(Field("typeCode", "BookType", "类别")))
      .Member("Book", Field("publisherId", "Publisher", "出版社"))
      .Member("Book", Field("printerId", "Publisher", "印刷厂"))
      .Member("Book", Field("remark", "字符串", ""));
  s.Member("Tag", Display(Key("tagName", "字符串", "标签")));
  s.Member("Note", Hidden(Key("id", "整型", "编号")))
      .Member("Note", Hidden(Display(Field("text", "字符串", "内容"))))
      .Member("Note", Hidden(Field("weight", "浮点型", "权重")));
  return s;
}

// Keys set through the update command (a string and an integer), references
// to them, class names of one letter, with digits and with underscores, and a
// key named like the generated code's own reader "DataRead"; in a project name
// that begins with a digit.
TProjectScript KeysByUpdate() {
  TProjectScript s("2号工程");
  s.Class("Meeting", "会议").Class("Photo", "照片").Class("A", "甲").Class("Z_9", "乙").Class("X1y", "丙");
  s.Member("Meeting", Display(Field("startsAt", "日期型", "开始时间")))
      .Member("Meeting", Field("place", "字符串", "地点"))
      .Update("Meeting", "place", {"--key"});
  s.Member("Photo", Field("image", "图片型", "图片"))
      .Member("Photo", Display(Field("caption", "字符串", "标题")))
      .Update("Photo", "image", {"--type", "整型", "--required", "--key"});
  s.Member("A", Display(Key("aNo", "整型", "")))
      .Member("A", Field("eventAt", "Meeting", "活动"))
      .Member("A", Field("photoOf", "Photo", "照片"));
  s.Member("Z_9", Key("z_1", "字符串", "编号"))
      .Member("Z_9", Display(Field("aRef", "A", "甲")));
  s.Member("X1y", Key("dataRead", "整型", "编号")).Member("X1y", Display(Field("y2", "字符串", "")));
  return s;
}

// Chinese names and comments throughout, some comments empty; in a Chinese project name.
TProjectScript ChineseTexts() {
  TProjectScript s("图书管理");
  s.Class("Reader", "读者").Class("Loan", "借阅记录");
  s.Member("Reader", Key("cardNo", "字符串", "借书证号"))
      .Member("Reader", Display(Query(Field("name", "字符串", "姓名"))))
      .Member("Reader", Field("photo", "图片型", ""))
      .Member("Reader", Field("joined", "日期型", "办证日期"));
  s.Member("Loan", Key("id", "整型", ""))
      .Member("Loan", Display(Query(Field("reader", "Reader", "读者"))))
      .Member("Loan", Field("days", "整型", "借阅天数"));
  return s;
}

}  // namespace

// The random campaign's classes are spread over two solutions: one build each
// for a hundred classes is far cheaper than a build per handful.
TEST(GeneratedSolutionBuild, EveryMemberKindWithRandomClasses) {
  TProjectScript script = EveryMemberKind();
  AddRandomClasses(script, 11, 110);
  ExpectSolutionBuilds(script);
}

TEST(GeneratedSolutionBuild, KeysSetByUpdateWithRandomClasses) {
  TProjectScript script = KeysByUpdate();
  AddRandomClasses(script, 12, 3);
  ExpectSolutionBuilds(script);
}

TEST(GeneratedSolutionBuild, ChineseTextsCommonNamesAndRandomClasses) {
  TProjectScript script = ChineseTexts();
  AddCommonNameClasses(script);
  AddRandomClasses(script, 13, 100);
  ExpectSolutionBuilds(script);
}
