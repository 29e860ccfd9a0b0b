#include <gtest/gtest.h>

#include <vector>

#include "generator/BLLOperate.h"
#include "generator/DataSideGolden.h"
#include "generator/DataSideProjects.h"
#include "support/TempHome.h"

namespace {

std::string Source(int projectId, const std::string& className) {
  return TBLLOperate::SourceText({className, TClassDAO().GetClassId(projectId, className)});
}

TEST(BllSource, IntegerKeyClassMatchesGolden) {
  TTempHome home(false);
  EXPECT_EQ(Source(data_side::AddLibrary(), "Book"), Golden("bll/bllBook.vb"));
}

TEST(BllSource, StringKeyClassMatchesGolden) {
  TTempHome home(false);
  EXPECT_EQ(Source(data_side::AddLibrary(), "Press"), Golden("bll/bllPress.vb"));
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
