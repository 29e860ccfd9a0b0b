// The sample and random classes generated for .NET 10 after a first run for
// .NET Framework 4.8, in merge mode: the switched solution sends valid T-SQL,
// builds without errors or warnings, and the built program carries its
// configuration, picture and SQL Server provider.
#include <gtest/gtest.h>

#include "DotnetBuild.h"
#include "ProjectScript.h"
#include "RandomProject.h"
#include "SampleScript.h"
#include "SqlCheck.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

TEST(Net10SolutionBuild, SampleAndRandomClassesSwitchedFromNet48) {
  TTempHome home(false);
  for (const char* folder : {"template", "bak"})
    fs::copy(fs::path(VBGEN_BIN_DIR) / folder, home.dir() / folder, fs::copy_options::recursive);
  TProjectScript script = SampleScript("Net10");
  AddRandomClasses(script, 16, 60);
  try {
    script.Store(home.dir());
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
  ASSERT_EQ(RunVbgen(home.dir(), {"project", "settings", "Net10", "--edits", "merge"}).exitCode, 0);
  ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Net10"}).exitCode, 0);
  ASSERT_EQ(RunVbgen(home.dir(), {"project", "settings", "Net10", "--framework", "net10.0-windows"}).exitCode, 0);
  const TVbgenResult generated = RunVbgen(home.dir(), {"generate", "Net10"});
  ASSERT_EQ(generated.exitCode, 0) << generated.err << "\n" << script.Listing();

  const TSqlCheck sql = CheckProjectSql(home.dir(), "Net10");
  EXPECT_EQ(sql.exitCode, 0) << SqlCheckReport(sql) << "\nMetadata:\n" << script.Listing();
  const fs::path solution = home.dir() / "projects" / "Net10";
  // The package source here lacks the exact version of a dependency of the
  // provider and restores the next one, warning about only that.
  WriteBytes(home.dir() / "projects" / "Directory.Build.props",
             "<Project><PropertyGroup><NoWarn>$(NoWarn);NU1603</NoWarn></PropertyGroup></Project>\n");
  const TDotnetBuild build = BuildSolution(solution / "Net10.sln");
  ASSERT_TRUE(build.exitCode == 0 && build.errors.empty()) << FailureReport(build) << "\nMetadata:\n" << script.Listing();
  EXPECT_EQ(build.log.find(": warning "), std::string::npos) << build.log;

  const fs::path out = solution / "Net10" / "bin" / "Debug" / "net10.0-windows";
  EXPECT_NE(ReadBytes(out / "Net10.dll.config").find("name=\"DBConnection\""), std::string::npos);
  EXPECT_TRUE(fs::exists(out / "pic" / "NoImage.jpg"));
  EXPECT_TRUE(fs::exists(out / "Microsoft.Data.SqlClient.dll"));
}
