#include <gtest/gtest.h>

#include "generator/DataSideGolden.h"
#include "generator/DataSideProjects.h"
#include "support/RunVbgen.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

TEST(SqlCommand, PrintsTheScriptExactly) {
  TTempHome home(false);
  data_side::AddLibrary();
  const auto result = RunVbgen(home.dir(), {"sql", "Library"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, Golden("sql/Library.sql"));
  EXPECT_EQ(result.err, "");
}

TEST(SqlCommand, FindsTheProjectWhateverTheLetterCase) {
  TTempHome home(false);
  data_side::AddProject("Empty");
  const auto result = RunVbgen(home.dir(), {"sql", "EMPTY"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, Golden("sql/Empty.sql"));
}

TEST(SqlCommand, UnknownProjectIsAnInputFault) {
  TTempHome home(false);
  const auto result = RunVbgen(home.dir(), {"sql", "Nowhere"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("Nowhere"), std::string::npos) << result.err;
}

// Another tool wrote a class name that would end the script's batch: the
// outputs of the stored names refuse it as a generation run does.
TEST(SqlCommand, NamesAnotherToolStoredAreCheckedBeforeAnyOutput) {
  TTempHome home(false);
  SeedClass(SeedProject("Shop"), "Book]\r\nGO\r\nDROP DATABASE prod");
  for (const char* command : {"sql", "export"}) {
    const auto result = RunVbgen(home.dir(), {command, "Shop"});
    EXPECT_EQ(result.exitCode, 1) << command;
    EXPECT_EQ(result.out, "") << command;
    EXPECT_NE(result.err.find("元数据不能输出: Book]"), std::string::npos) << result.err;
  }
}

}  // namespace
