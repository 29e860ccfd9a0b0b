// Hand-written scripts in the styles people have: each imports to the golden
// project file, with the golden report on stdout.
#include <gtest/gtest.h>

#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(VBGEN_GOLDEN_DIR) / "sqlimport";

TVbgenResult Import(const TTempHome& home, const std::string& script, const std::string& project) {
  return RunVbgen(home.dir(), {"import-sql", (kGolden / script).string(), "--as", project});
}

void ExpectImportMatchesGolden(const std::string& script, const std::string& project) {
  TTempHome home;
  const TVbgenResult imported = Import(home, script, project);
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

// SSMS, UTF-16: alias types, a table type, an XML schema collection, a
// sequence default, a temporal table, computed columns (a method call, CASE
// with brackets and quotes in strings), types left out, a two-column key with
// an IDENTITY column and a link table, a view, a procedure with nested BEGIN
// ... END, a trigger.
TEST(ImportSqlGolden, SsmsScriptWithServerFeatures) { ExpectImportMatchesGolden("ssms-features-utf16.sql", "Warehouse"); }

// An SSDT publish script, UTF-8 with mark: SQLCMD lines and variables, a
// schema, sp_addtype before and after use, masked and encrypted columns, a
// memory-optimized table, inline and filtered indexes, a table keyed by a
// UNIQUE column, a function, GO 2.
TEST(ImportSqlGolden, SsdtPublishScript) { ExpectImportMatchesGolden("ssdt-publish.sql", "Ledger"); }

// Scripts without MS_Description give forms whose every label, grid header
// and menu item says something.
TEST(ImportSqlGolden, FormsOfAnImportedProjectHaveNoEmptyCaption) {
  TTempHome home;
  ASSERT_EQ(Import(home, "ssdt-publish.sql", "Ledger").exitCode, 0);
  ASSERT_EQ(RunVbgen(home.dir(), {"generate", "Ledger"}).exitCode, 0);
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(home.dir() / "projects" / "Ledger")) {
    if (entry.path().extension() != ".vb") continue;
    ++files;
    const std::string text = ReadBytes(entry.path());
    EXPECT_EQ(text.find("Text = \"\xEF\xBC\x9A\""), std::string::npos) << entry.path();  // "："
    for (std::size_t at = text.find("captions As String() = {"); at != std::string::npos;
         at = text.find("captions As String() = {", at + 1))
      EXPECT_EQ(text.substr(at, text.find('}', at) - at).find("\"\""), std::string::npos) << entry.path();
    if (entry.path().string().ends_with(".Designer.vb")) {
      EXPECT_EQ(text.find(".Text = \"\"\r"), std::string::npos) << entry.path();
    }
  }
  EXPECT_GT(files, 20);
}
