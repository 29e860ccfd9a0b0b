#include <gtest/gtest.h>

#include "generator/DataSideGolden.h"
#include "generator/DataSideProjects.h"
#include "support/RunVbgen.h"
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

}  // namespace
