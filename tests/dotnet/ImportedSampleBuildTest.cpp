// The database-first path ends in a solution that builds and sends valid
// T-SQL: the sample's table script, followed by the import goldens written the
// way SSMS and SSDT write scripts, imported as one new project and generated
// without typing a member.
#include <gtest/gtest.h>

#include "DotnetBuild.h"
#include "SqlCheck.h"
#include "metadata/sqlimport/ScriptText.h"
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
  std::string script = sql.out;
  for (const char* golden : {"ssms-features-utf16.sql", "ssdt-publish.sql"})
    script += "\nGO\n" + ScriptText(ReadBytes(fs::path(VBGEN_GOLDEN_DIR) / "sqlimport" / golden), TSourceEncoding::Detect);
  WriteBytes(home.dir() / "library.sql", script);
  const TVbgenResult imported =
      RunVbgen(home.dir(), {"import-sql", (home.dir() / "library.sql").string(), "--as", "Imported"});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  const TVbgenResult generated = RunVbgen(home.dir(), {"generate", "Imported"});
  ASSERT_EQ(generated.exitCode, 0) << generated.err;

  const TSqlCheck check = CheckProjectSql(home.dir(), "Imported");
  EXPECT_EQ(check.exitCode, 0) << SqlCheckReport(check) << "\n" << imported.out;
  const TDotnetBuild build = BuildSolution(home.dir() / "projects" / "Imported" / "Imported.sln");
  EXPECT_TRUE(build.exitCode == 0 && build.errors.empty()) << FailureReport(build) << "\n" << imported.out;
}
