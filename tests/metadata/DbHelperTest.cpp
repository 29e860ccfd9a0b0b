#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "metadata/DbHelper.h"
#include "support/TempHome.h"

namespace {

class DbHelperTest : public ::testing::Test {
 protected:
  std::int64_t Projects() const { return db.GetInt("select count(*) from t_project"); }
  void AddProject(const std::string& name) const { db.ExecSql("insert into t_project(projectName) values (?)", {name}); }

  TTempHome home{false};
  TDbHelper db;
};

TEST_F(DbHelperTest, SingleValueReadsTellAnEmptyCountFromAMissingRow) {
  EXPECT_EQ(db.GetInt("select count(*) from t_project"), 0);
  EXPECT_EQ(db.GetInt("select projectId from t_project where projectId=?", {std::int64_t{42}}), -1);
  EXPECT_EQ(db.GetStr("select projectName from t_project where projectId=?", {std::int64_t{42}}), "");
}

TEST_F(DbHelperTest, TextsWithQuotesAndChineseComeBackExactly) {
  const std::string name = "O'Brien's '' 项目;--";
  AddProject(name);
  auto rs = db.OpenQuery("select projectId,projectName from t_project");
  rs.First();
  ASSERT_FALSE(rs.Eof());
  EXPECT_EQ(rs.GetStr("projectName"), name);
  EXPECT_EQ(rs.GetInt("projectId"), 1);
  EXPECT_EQ(rs.GetStr("projectId"), "1");
  rs.Next();
  EXPECT_TRUE(rs.Eof());
}

TEST_F(DbHelperTest, ResultSetRefusesUnknownColumnsAndReadsPastTheEnd) {
  AddProject("p");
  auto rs = db.OpenQuery("select projectName from t_project");
  rs.First();
  EXPECT_THROW(rs.GetStr("projectId"), TDbError);
  EXPECT_THROW(rs.GetInt("projectName"), TDbError);  // not a number
  rs.Next();
  EXPECT_THROW(rs.GetStr("projectName"), TDbError);
}

TEST_F(DbHelperTest, EmptyBatchChangesNothing) {
  AddProject("p");
  db.ExecBatch({});
  EXPECT_EQ(Projects(), 1);
}

TEST_F(DbHelperTest, FailingBatchLeavesEverythingAsItWasAndReportsTheError) {
  AddProject("p");
  EXPECT_THROW(db.ExecBatch({{"insert into t_project(projectName) values (?)", {std::string("q")}},
                             {"delete from t_project", {}},
                             {"insert into no_such_table values (1)", {}}}),
               TDbError);
  EXPECT_EQ(Projects(), 1);
  EXPECT_EQ(db.GetStr("select projectName from t_project"), "p");
}

TEST_F(DbHelperTest, InnerTransactionRollsBackAloneWhenItsErrorIsHandled) {
  TDbHelper::InTransaction([&] {
    AddProject("kept");
    EXPECT_THROW(TDbHelper::InTransaction([&] {
                   AddProject("dropped");
                   throw TDbError("stop");
                 }),
                 TDbError);
  });
  EXPECT_EQ(Projects(), 1);
  EXPECT_EQ(db.GetStr("select projectName from t_project"), "kept");
}

TEST_F(DbHelperTest, AnotherThreadsStatementsNeverJoinAFailingTransaction) {
  std::atomic<bool> otherStarted{false};
  std::thread other;
  EXPECT_THROW(TDbHelper::InTransaction([&] {
                 AddProject("rolled back");
                 other = std::thread([&] {
                   otherStarted = true;
                   AddProject("other thread");
                 });
                 while (!otherStarted) std::this_thread::yield();
                 // Give the other thread every chance to slip its insert in.
                 std::this_thread::sleep_for(std::chrono::milliseconds(20));
                 throw TDbError("stop");
               }),
               TDbError);
  other.join();
  EXPECT_EQ(Projects(), 1);
  EXPECT_EQ(db.GetStr("select projectName from t_project"), "other thread");
}

TEST(DbHelperFileTest, MissingDatabaseIsNamedAndTheNextOperationTriesAgain) {
  TTempHome home(false);
  const auto elsewhere = home.dir() / "later.db";
  TDbHelper::SetDatabaseFile(elsewhere);
  try {
    TDbHelper().GetInt("select count(*) from t_project");
    FAIL() << "opened a database that does not exist";
  } catch (const TDbError& e) {
    EXPECT_NE(std::string(e.what()).find(elsewhere.string()), std::string::npos) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(elsewhere)) << "opening must never create the file";

  std::filesystem::copy_file(home.database(), elsewhere);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_project"), 0);
}

}  // namespace
