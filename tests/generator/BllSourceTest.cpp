#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <vector>

#include "generator/vb/forms/AddFormText.h"
#include "generator/vb/tiers/BLLOperate.h"
#include "generator/vb/tiers/DALOperate.h"
#include "generator/vb/forms/EditForm.h"
#include "generator/DataSideGolden.h"
#include "generator/DataSideProjects.h"
#include "support/TempHome.h"

namespace {

std::string Source(int projectId, const std::string& className) {
  return TBLLOperate::SourceText(TProjectSnapshot::Load(projectId), {className, TClassDAO().GetClassId(projectId, className)});
}

TEST(BllSource, IntegerKeyClassMatchesGolden) {
  TTempHome home(false);
  EXPECT_EQ(Source(data_side::AddLibrary(), "Book"), Golden("bll/bllBook.vb"));
}

TEST(BllSource, StringKeyClassMatchesGolden) {
  TTempHome home(false);
  EXPECT_EQ(Source(data_side::AddLibrary(), "Press"), Golden("bll/bllPress.vb"));
}

// A parameter named "dal" would hide the data-access namespace it calls.
TEST(BllSource, ParameterNamedLikeTheDataAccessNamespaceIsPrefixed) {
  TTempHome home(false);
  const int p = data_side::AddProject("Clash");
  data_side::AddClass(p, "Dal", "甲", {{"dalId", member_type::kInteger, "编号", 0, true}});
  data_side::AddClass(p, "Con", "乙", {{"dal", member_type::kString, "编号", 8, true}});
  const std::string dal = Source(p, "Dal");
  EXPECT_NE(dal.find("    Public Shared Function AddDal(ByVal _dal As Model.Dal) As Boolean\r\n"
                     "        Return DAL.dalDal.AddDal(_dal)\r\n"),
            std::string::npos);
  const std::string con = Source(p, "Con");
  EXPECT_NE(con.find("    '根据dal获取某条乙记录\r\n"
                     "    Public Shared Function getSomeCon(ByVal _dal As String) As Model.Con\r\n"
                     "        Return DAL.dalCon.getSomeCon(_dal)\r\n"),
            std::string::npos);
}

std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
  std::set<std::string> names;
  const std::regex re(pattern);
  for (auto m = std::sregex_iterator(text.begin(), text.end(), re); m != std::sregex_iterator(); ++m)
    names.insert((*m)[1]);
  return names;
}

// Names that spell keywords ([GetType], [AddHandler]) are where a declaration
// and its callers could part: every call the business class and the forms
// make must name a function the class below declares.
TEST(BllSource, CallsNameTheFunctionsTheTierBelowDeclares) {
  TTempHome home(false);
  const int p = data_side::AddProject("Words");
  for (const char* c : {"Type", "Handler"}) {
    const int classId = data_side::AddClass(p, c, "类", {{"typeId", member_type::kInteger, "编号", 0, true}});
    const TProjectSnapshot project = TProjectSnapshot::Load(p);
    const std::string function = R"(Public Shared Function (\[?\w+\]?)\()";
    const std::string bll = TBLLOperate::SourceText(project, {c, classId});
    EXPECT_EQ(Matches(bll, R"(DAL\.dal)" + std::string(c) + R"(\.(\[?\w+\]?)\()"),
              Matches(TDALOperate::SourceText(project, {c, classId}), function));

    TFormModel form{c, "o", "类", *project.GetKeyMember(classId), {}, {}, {}, {}, {}, {}, {}};
    form.members = {form.key};
    const std::string calls = R"(BLL\.bll)" + std::string(c) + R"(\.(\[?\w+\]?)\()";
    const std::set<std::string> declared = Matches(bll, function);
    for (const std::string& code : {AddFormCode(form), EditFormCode(form)})
      for (const std::string& call : Matches(code, calls)) EXPECT_TRUE(declared.count(call)) << call;
  }
}

TEST(BllProject, EmptyClassListWritesOnlyTheProjectFile) {
  TTempHome home(false);
  WriteBytes(home.dir() / "template/BLL/BLL.vbproj", "\xEF\xBB\xBF<P>$CompileString</P>");
  std::vector<std::string> progress;
  TGenContext context;
  context.home = home.dir();
  context.projectName = "Empty";
  context.projectId = data_side::AddProject("Empty");
  context.progress = [&](const std::string& line) { progress.push_back(line); };

  TBLLOperate::GenerateBll(context, {});

  const auto bll = home.dir() / "projects/Empty/BLL";
  EXPECT_EQ(ReadBytes(bll / "BLL.vbproj"), "\xEF\xBB\xBF<P></P>");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(bll), {}), 1);
  EXPECT_EQ(progress, std::vector<std::string>{"projects/Empty/BLL/BLL.vbproj生成完成!"});
}

}  // namespace
