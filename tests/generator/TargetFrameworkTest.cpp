// A project generated for .NET 10 from the shipped templates and resources,
// and switched between the targets in both edit modes.
#include <gtest/gtest.h>

#include "generator/DataSideGolden.h"
#include "generator/GenerationFixture.h"
#include "metadata/SettingsDAO.h"

namespace {

class TargetFramework : public ::testing::Test {
 protected:
  std::string Run(TFramework framework, TEditMode edits, std::optional<TSourceEncoding> encoding = std::nullopt) {
    TSettingsDAO().SaveSettings(project_, {TQueryForms::Empty, edits, framework});
    generation::TRecorder recorder;
    TAutoCode({home_.dir(), "Lib", project_, "ns", encoding}, recorder).Execute();
    return recorder.events().back();
  }
  std::string Out(const std::string& relative) const { return ReadBytes(home_.dir() / "projects/Lib" / relative); }

  TTempHome home_;  // with the shipped templates and resources
  int project_ = generation::AddProject("Lib");
  int book_ = generation::AddPlainClass(project_, "Book");
};

TEST_F(TargetFramework, Net10HasItsOwnProjectFilesAndUtf8SourcesAndRefusesGbk) {
  EXPECT_TRUE(Run(TFramework::Net10Windows, TEditMode::Overwrite, TSourceEncoding::Gbk).starts_with("<failed> 目标框架"));
  EXPECT_FALSE(std::filesystem::exists(home_.dir() / "projects"));
  ASSERT_EQ(Run(TFramework::Net10Windows, TEditMode::Overwrite), "<finished>");
  for (const char* file : {"Model/Model.vbproj", "DAL/DAL.vbproj", "BLL/BLL.vbproj", "Lib/Lib.vbproj", "DAL/DBHelp.vb",
                           "Lib/App.config"})
    EXPECT_EQ(Out(file), Golden(std::string("net10/") + file)) << file;
  EXPECT_TRUE(Out("DAL/dalBook.vb").starts_with(std::string(generation::kBom) + "Imports"));
  EXPECT_NE(Out("DAL/dalBook.vb").find("\r\nImports Microsoft.Data.SqlClient\r\n"), std::string::npos);
}

// The other target's untouched resources give way; a hand-edited one stays.
TEST_F(TargetFramework, SwitchingTargetsLeavesTheNewTargetsFilesInBothEditModes) {
  for (const TEditMode edits : {TEditMode::Overwrite, TEditMode::Merge}) {
    std::filesystem::remove_all(home_.dir() / "projects");
    ASSERT_EQ(Run(TFramework::Net10Windows, edits), "<finished>");
    ASSERT_EQ(Run(TFramework::Net48, edits), "<finished>");
    EXPECT_EQ(Out("Lib/App.config"), ReadBytes(home_.dir() / "bak/project_name/App.config"));
    EXPECT_NE(Out("Model/Model.vbproj").find("<TargetFramework>net48<"), std::string::npos);
    EXPECT_FALSE(Out("DAL/dalBook.vb").starts_with(generation::kBom));

    WriteBytes(home_.dir() / "projects/Lib/Lib/App.config", "<configuration>my server</configuration>");
    ASSERT_EQ(Run(TFramework::Net10Windows, edits), "<finished>");
    EXPECT_EQ(Out("Lib/App.config"), "<configuration>my server</configuration>");
    EXPECT_TRUE(Out("DAL/dalBook.vb").starts_with(generation::kBom));
  }
}

}  // namespace
