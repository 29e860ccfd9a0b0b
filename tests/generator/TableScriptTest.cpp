#include <gtest/gtest.h>

#include "generator/sql/DataBaseSql.h"
#include "generator/DataSideGolden.h"
#include "generator/DataSideProjects.h"
#include "support/TempHome.h"

namespace {

class TableScript : public ::testing::Test {
 protected:
  TTempHome home_{false};
};

TEST_F(TableScript, ProjectWithoutClassesGivesOnlyThePreamble) {
  EXPECT_EQ(BuildTableScript(data_side::AddProject("Empty")), Golden("sql/Empty.sql"));
}

// Integer and string keys, every member type, a date-time last column, a
// key-only string class and the foreign keys at the end.
TEST_F(TableScript, LibraryMatchesGolden) {
  EXPECT_EQ(BuildTableScript(data_side::AddLibrary()), Golden("sql/Library.sql"));
}

// Key-only integer class, two key members, a class without key, references
// to a class without key and to no class, a class without members.
TEST_F(TableScript, StoreStatesTheRunRefusesGiveCommentLines) {
  EXPECT_EQ(BuildTableScript(data_side::AddEdge()), Golden("sql/Edge.sql"));
}

// Reserved words bracketed in the foreign keys; every class's foreign keys
// dropped before any table.
TEST_F(TableScript, ShopMatchesGolden) {
  EXPECT_EQ(BuildTableScript(data_side::AddShop()), Golden("sql/Shop.sql"));
}

// A date-time key has no length: its column and the columns that refer to it
// get a length T-SQL accepts.
TEST_F(TableScript, KeyWithoutLengthGetsAVarcharLengthTSqlAccepts) {
  const int p = data_side::AddProject("Dates");
  data_side::AddClass(p, "Day", "日", {{"day", member_type::kDateTime, "日期", 0, true, true, true}});
  data_side::AddClass(p, "Note", "笔记", {{"id", member_type::kInteger, "编号", 0, true}, {"day", "Day", "日期"}});
  const std::string script = BuildTableScript(p);
  EXPECT_NE(script.find("	[day] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY \r\n"), std::string::npos);
  EXPECT_NE(script.find("	[day] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL \r\n"), std::string::npos);
}

TEST_F(TableScript, EveryBuildReadsTheStoreAfresh) {
  const int p = data_side::AddLibrary();
  const std::string before = BuildTableScript(p);
  data_side::AddClass(p, "Reader", "读者", {{"readerId", member_type::kInteger, "读者编号", 0, true}});
  const std::string after = BuildTableScript(p);
  EXPECT_NE(after.find("CREATE TABLE [dbo].[Reader] (\r\n\t[readerId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY\r\n"),
            std::string::npos);
  EXPECT_EQ(before.find("[Reader]"), std::string::npos);
}

}  // namespace
