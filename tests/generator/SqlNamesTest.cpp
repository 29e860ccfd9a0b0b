#include <gtest/gtest.h>

#include "generator/naming/SqlNames.h"

namespace {

// Only what T-SQL would misread is bracketed: reserved words in any case,
// digits in front, punctuation (full-width included); Chinese letters are
// letters.
TEST(SqlNames, BracketsOnlyWhatTSqlWouldMisread) {
  EXPECT_EQ(sql_names::Name("bookId"), "bookId");
  EXPECT_EQ(sql_names::Name("图书编号"), "图书编号");
  EXPECT_EQ(sql_names::Name("oN"), "[oN]");
  EXPECT_EQ(sql_names::Name("current_user"), "[current_user]");
  EXPECT_EQ(sql_names::Name("2nd"), "[2nd]");
  EXPECT_EQ(sql_names::Name("价格（元）"), "[价格（元）]");
  EXPECT_EQ(sql_names::Name("a]b, c"), "[a]]b, c]");
  EXPECT_EQ(sql_names::Name(""), "[]");
  EXPECT_EQ(sql_names::Literal("it's"), "'it''s'");
}

// A T-SQL name has at most 128 UTF-16 code units: a longer text is cut at a
// character boundary, and so is one numbered because it was taken.
TEST(SqlNames, DerivedNamesStayWithin128Characters) {
  std::string longCaption;
  for (int i = 0; i < 130; ++i) longCaption += "名";
  const std::string first = sql_names::Unused(longCaption, {});
  EXPECT_EQ(first, longCaption.substr(0, 128 * 3));
  EXPECT_EQ(sql_names::Unused(longCaption, {first}), longCaption.substr(0, 126 * 3) + "_2");
  EXPECT_EQ(sql_names::Unused("\xF0\x9F\x98\x80" + longCaption.substr(0, 127 * 3), {}),
            "\xF0\x9F\x98\x80" + longCaption.substr(0, 126 * 3));
  EXPECT_EQ(sql_names::Unused("Name", {"name", "NAME_2"}), "Name_3");
}

}  // namespace
