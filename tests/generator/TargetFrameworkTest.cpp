// A project generated for .NET 10 from the shipped templates and resources,
// and switched between the targets in both edit modes.
#include <gtest/gtest.h>

#include "generator/DataSideGolden.h"
#include "generator/GenerationFixture.h"
#include "metadata/SettingsDAO.h"

namespace {

namespace fs = std::filesystem;

class TargetFramework : public ::testing::Test {
 protected:
  void SetUp() override {
    project_ = generation::AddProject("Lib");
    generation::AddPlainClass(project_, "Book");
  }

  std::vector<std::string> Run(TFramework framework, TEditMode edits = TEditMode::Overwrite,
                               std::optional<TSourceEncoding> encoding = std::nullopt) {
    TSettingsDAO().SaveSettings(project_, {TQueryForms::Empty, edits, framework});
    TRunSettings settings{home_.dir(), "Lib", project_, "ns", encoding};
    generation::TRecorder recorder;
    TAutoCode(settings, recorder).Execute();
    return recorder.events();
  }
  fs::path Out(const std::string& relative) const { return home_.dir() / "projects/Lib" / relative; }
  std::string Shipped(const std::string& relative) const { return ReadBytes(home_.dir() / "bak" / relative); }

  TTempHome home_;  // with the shipped templates and resources
  int project_ = 0;
};

TEST_F(TargetFramework, Net10SolutionHasItsOwnProjectFilesHelperAndUtf8Sources) {
  ASSERT_EQ(Run(TFramework::Net10Windows).back(), "<finished>");
  for (const char* file : {"Model/Model.vbproj", "DAL/DAL.vbproj", "BLL/BLL.vbproj", "Lib/Lib.vbproj", "DAL/DBHelp.vb",
                           "Lib/App.config"})
    EXPECT_EQ(ReadBytes(Out(file)), Golden(std::string("net10/") + file)) << file;
  const std::string dal = ReadBytes(Out("DAL/dalBook.vb"));
  EXPECT_TRUE(dal.starts_with(generation::kBom));
  EXPECT_NE(dal.find("\r\nImports Microsoft.Data.SqlClient\r\n"), std::string::npos);
  EXPECT_TRUE(ReadBytes(Out("Lib/FrmAddBook.vb")).starts_with(generation::kBom));
}

TEST_F(TargetFramework, GbkAskedForNet10IsRefusedBeforeAnythingIsWritten) {
  const auto events = Run(TFramework::Net10Windows, TEditMode::Overwrite, TSourceEncoding::Gbk);
  EXPECT_TRUE(events.back().starts_with("<failed> 目标框架为 net10.0-windows 的项目")) << events.back();
  EXPECT_FALSE(fs::exists(home_.dir() / "projects"));
}

// The other target's untouched resources give way; a hand-edited one stays.
TEST_F(TargetFramework, SwitchingTargetsLeavesTheNewTargetsFilesInBothEditModes) {
  for (const TEditMode edits : {TEditMode::Overwrite, TEditMode::Merge}) {
    fs::remove_all(home_.dir() / "projects");
    ASSERT_EQ(Run(TFramework::Net10Windows, edits).back(), "<finished>");
    ASSERT_EQ(Run(TFramework::Net48, edits).back(), "<finished>");
    EXPECT_EQ(ReadBytes(Out("Lib/App.config")), Shipped("project_name/App.config"));
    EXPECT_NE(ReadBytes(Out("Model/Model.vbproj")).find("<TargetFramework>net48<"), std::string::npos);
    EXPECT_FALSE(ReadBytes(Out("DAL/dalBook.vb")).starts_with(generation::kBom));

    WriteBytes(Out("Lib/App.config"), "<configuration>my server</configuration>");
    ASSERT_EQ(Run(TFramework::Net10Windows, edits).back(), "<finished>");
    EXPECT_EQ(ReadBytes(Out("Lib/ApplicationEvents.vb")), Shipped("net10.0-windows/project_name/ApplicationEvents.vb"));
    EXPECT_EQ(ReadBytes(Out("Lib/App.config")), "<configuration>my server</configuration>");
    EXPECT_TRUE(ReadBytes(Out("DAL/dalBook.vb")).starts_with(generation::kBom));
  }
}

}  // namespace
