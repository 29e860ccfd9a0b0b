// Hand-written scripts in the styles people have: each imports to the golden
// project file, with the golden report on stdout.
#include <gtest/gtest.h>

#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(VBGEN_GOLDEN_DIR) / "sqlimport";

void ExpectImportMatchesGolden(const std::string& script, const std::string& project) {
  TTempHome home;
  const TVbgenResult imported = RunVbgen(home.dir(), {"import-sql", (kGolden / script).string(), "--as", project});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, ReadBytes(kGolden / (project + ".report.txt")));
  const TVbgenResult exported = RunVbgen(home.dir(), {"export", project});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(exported.out, ReadBytes(kGolden / (project + ".json")));
}

}  // namespace

// UTF-16 LE with a mark; [dbo] names, CONSTRAINT ... PRIMARY KEY CLUSTERED ... WITH (...) ON [PRIMARY],
// TEXTIMAGE_ON, ALTER TABLE defaults, checks and foreign keys, an index, a trigger, extended properties.
TEST(ImportSqlGolden, SsmsScript) { ExpectImportMatchesGolden("ssms-utf16.sql", "Shop"); }

// Lower case, no brackets, inline keys and references, both kinds of comment.
TEST(ImportSqlGolden, HandWrittenScript) { ExpectImportMatchesGolden("plain.sql", "Library"); }

// Keys and foreign keys added by ALTER TABLE after all tables; drops first, as a rerunnable script has them.
TEST(ImportSqlGolden, ForeignKeysAfterTheTables) { ExpectImportMatchesGolden("alter-foreign-keys.sql", "Lending"); }

// PascalCase columns and a lower-case table: only the first letter's case changes, references follow;
// a changed name that then clashes is skipped.
TEST(ImportSqlGolden, FirstLetterCaseAdapted) { ExpectImportMatchesGolden("pascal-case.sql", "Sales"); }
