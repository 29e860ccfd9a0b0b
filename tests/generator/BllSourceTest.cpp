#include <gtest/gtest.h>

#include <vector>

#include "generator/BLLOperate.h"
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
