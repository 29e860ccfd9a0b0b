// The database-first path ends in a solution that builds: the sample's table
// script imported as a new project, generated without typing a member.
#include <gtest/gtest.h>

#include "DotnetBuild.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

TEST(GeneratedSolutionBuild, ImportedSampleScript) {
  TTempHome home(false);
  for (const char* folder : {"template", "bak"})
    fs::copy(fs::path(VBGEN_BIN_DIR) / folder, home.dir() / folder, fs::copy_options::recursive);
  ASSERT_EQ(RunVbgen(home.dir(), {"import", VBGEN_RUNTIME_DIR "/samples/library.json", "--as", "Library"}).exitCode, 0);
  const TVbgenResult sql = RunVbgen(home.dir(), {"sql", "Library"});
  ASSERT_EQ(sql.exitCode, 0) << sql.err;
  WriteBytes(home.dir() / "library.sql", sql.out);
  const TVbgenResult imported =
      RunVbgen(home.dir(), {"import-sql", (home.dir() / "library.sql").string(), "--as", "Imported"});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  const TVbgenResult generated = RunVbgen(home.dir(), {"generate", "Imported"});
  ASSERT_EQ(generated.exitCode, 0) << generated.err;

  const TDotnetBuild build = BuildSolution(home.dir() / "projects" / "Imported" / "Imported.sln");
  EXPECT_TRUE(build.exitCode == 0 && build.errors.empty()) << FailureReport(build) << "\n" << imported.out;
}
