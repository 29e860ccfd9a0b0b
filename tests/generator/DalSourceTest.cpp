#include <gtest/gtest.h>

#include <vector>

#include "generator/vb/tiers/DALOperate.h"
#include "generator/DataSideGolden.h"
#include "generator/DataSideProjects.h"
#include "generator/output/FileOperate.h"
#include "generator/vb/tiers/TierFiles.h"
#include "generator/naming/VbNamer.h"
#include "support/TempHome.h"

namespace {

class DalSource : public ::testing::Test {
 protected:
  TListEntry Entry(int projectId, const std::string& className) const {
    return {className, TClassDAO().GetClassId(projectId, className)};
  }
  std::string Source(int projectId, const std::string& className) const {
    return TDALOperate::SourceText(TProjectSnapshot::Load(projectId), Entry(projectId, className));
  }

  TTempHome home_{false};
};

// Integer key, every member type, references to an integer and a string key,
// a date-time show column and members left out of the query grid.
TEST_F(DalSource, IntegerKeyClassWithReferencesMatchesGolden) {
  const int p = data_side::AddLibrary();
  EXPECT_EQ(Source(p, "Book"), Golden("dal/dalBook.vb"));
}

// String key inserted and quoted; no references (" where 1=1" alone); no
// query-grid member (the show list keeps its trailing comma).
TEST_F(DalSource, StringKeyClassWithoutReferencesMatchesGolden) {
  const int p = data_side::AddLibrary();
  EXPECT_EQ(Source(p, "Press"), Golden("dal/dalPress.vb"));
}

// Only a key: the update's " set " meets " where ", the key goes to parm(0);
// a double quote in a comment is doubled inside the show list's literal.
TEST_F(DalSource, KeyOnlyClassMatchesGolden) {
  const int p = data_side::AddLibrary();
  EXPECT_EQ(Source(p, "Tag"), Golden("dal/dalTag.vb"));
}

// Reserved words bracketed in every statement, a table joined twice and the
// class joined to itself under aliases, a display column named like a column
// of the class aliased, captions quoted and numbered apart.
TEST_F(DalSource, ReservedNamesAndRepeatedReferencesMatchGolden) {
  const int p = data_side::AddShop();
  EXPECT_EQ(Source(p, "Order"), Golden("dal/dalOrder.vb"));
}

// Only an integer key: the insert takes the default values.
TEST_F(DalSource, IntegerKeyOnlyClassMatchesGolden) {
  const int p = data_side::AddShop();
  EXPECT_EQ(Source(p, "Index"), Golden("dal/dalIndex.vb"));
}

TEST_F(DalSource, ReferenceTypeFollowsTheReferencedKeyAfterItChanges) {
  const int p = data_side::AddLibrary();
  auto key = *TMemberDAO().GetKeyMember(TClassDAO().GetClassId(p, "Category"));
  key.memberType = member_type::kString;
  key.memberIsInteger = 0;
  key.memberLength = 8;
  TMemberDAO().UpdateMember(key);
  const std::string text = Source(p, "Book");
  EXPECT_NE(text.find("new SqlParameter(\"@category\",SqlDbType.VarChar)"), std::string::npos);
  EXPECT_NE(text.find("            book.category = DataRead(\"category\").ToString()\r\n"), std::string::npos);
}

// Names that VB.NET would see as a second declaration of a local get a
// prefix; everything else stays as written.
TEST_F(DalSource, ClassAndKeyNamedLikeLocalsArePrefixed) {
  const int p = data_side::AddProject("Clash");
  data_side::AddClass(p, "Parm", "参数", {{"parmId", member_type::kInteger, "编号", 0, true}});
  data_side::AddClass(p, "Note", "笔记", {{"note", member_type::kString, "编号", 8, true}});

  const std::string parm = Source(p, "Parm");
  EXPECT_NE(parm.find("    Public Shared Function AddParm(ByVal _parm As Model.Parm) As Boolean\r\n"), std::string::npos);
  EXPECT_NE(parm.find("        Dim _parm As New Model.Parm()\r\n"), std::string::npos);
  EXPECT_NE(parm.find("            _parm.parmId = Convert.ToInt32(DataRead(\"parmId\"))\r\n"), std::string::npos);
  EXPECT_NE(parm.find("        Return _parm\r\n"), std::string::npos);
  EXPECT_NE(parm.find("        parm(0).Value = _parm.parmId\r\n"), std::string::npos);
  EXPECT_NE(parm.find("(ByVal parmId As Integer)"), std::string::npos);

  const std::string note = Source(p, "Note");
  EXPECT_NE(note.find("    Public Shared Function getSomeNote(ByVal _note As String) As Model.Note\r\n"
                      "        '构建查询sql\r\n"
                      "        Dim sql As String = \"select * from Note where note=@note\"\r\n"
                      "        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() "
                      "{new SqlParameter(\"@note\",SqlDbType.VarChar) With {.Value = _note}})\r\n"),
            std::string::npos);
  EXPECT_NE(note.find("        Dim note As New Model.Note()\r\n"), std::string::npos);
  EXPECT_NE(note.find("        Return Note\r\n"), std::string::npos);
}

// The run refuses these projects before writing; called anyway, the text
// builder reports what is missing instead of crashing.
TEST_F(DalSource, MissingKeysAreReportedByName) {
  const int p = data_side::AddEdge();
  try {
    Source(p, "Loan");
    FAIL() << "a reference to a class without key must be refused";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("shelf"), std::string::npos) << e.what();
  }
  try {
    Source(p, "Ghost");
    FAIL() << "a class without key must be refused";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("Ghost"), std::string::npos) << e.what();
  }
}

TEST(TierProject, CompileListReplacesEveryPlaceholderInClassOrder) {
  const TClassList classes = {{"Book", 7}, {"Author", 3}};
  EXPECT_EQ(TierProjectText("<A>\r\n$CompileString</A>$CompileString", VbNamer::DalClass, classes),
            "<A>\r\n    <Compile Include=\"dalBook.vb\" />\r\n    <Compile Include=\"dalAuthor.vb\" />\r\n</A>"
            "    <Compile Include=\"dalBook.vb\" />\r\n    <Compile Include=\"dalAuthor.vb\" />\r\n");
  EXPECT_EQ(TierProjectText("<A>$compilestring$CompileString</A>", VbNamer::BllClass, {}), "<A>$compilestring</A>");
}

TEST(DalProject, WritesProjectFileAndGbkSourcesWithProgressLines) {
  TTempHome home(false);
  const int p = data_side::AddLibrary();
  WriteBytes(home.dir() / "template/DAL/DAL.vbproj", "\xEF\xBB\xBF<P>\r\n$CompileString</P>\r\n");
  std::vector<std::string> progress;
  TGenContext context;
  context.home = home.dir();
  context.projectName = "Library";
  context.projectId = p;
  context.progress = [&](const std::string& line) { progress.push_back(line); };

  TDALOperate::GenerateDal(context, TClassDAO().GetClassList(p));

  const auto dal = home.dir() / "projects/Library/DAL";
  EXPECT_EQ(ReadBytes(dal / "DAL.vbproj"),
            "\xEF\xBB\xBF<P>\r\n    <Compile Include=\"dalCategory.vb\" />\r\n    <Compile Include=\"dalPress.vb\" />\r\n"
            "    <Compile Include=\"dalBook.vb\" />\r\n    <Compile Include=\"dalTag.vb\" />\r\n</P>\r\n");
  EXPECT_EQ(ReadBytes(dal / "dalBook.vb"), Golden("dal/dalBook.gbk.vb"));
  EXPECT_EQ(progress, (std::vector<std::string>{
                          "projects/Library/DAL/DAL.vbproj生成完成!", "projects/Library/DAL/dalCategory.vb生成完毕!",
                          "projects/Library/DAL/dalPress.vb生成完毕!", "projects/Library/DAL/dalBook.vb生成完毕!",
                          "projects/Library/DAL/dalTag.vb生成完毕!"}));
}

}  // namespace
