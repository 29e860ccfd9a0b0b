// Scripts and arguments import-sql refuses: exit 2, a message naming the line
// (and table and column), and nothing stored.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "metadata/ProjectDAO.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

struct TRefused {
  std::string script;
  std::vector<std::string> extraArgs;
  std::string message;
  std::string project = "Q";
};

std::string Refusal(const TRefused& c) {
  TTempHome home;
  WriteBytes(home.dir() / "in.sql", c.script);
  std::vector<std::string> args = {"import-sql", (home.dir() / "in.sql").string(), "--as", c.project};
  args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
  const TVbgenResult result = RunVbgen(home.dir(), args);
  EXPECT_EQ(result.exitCode, 2) << result.out << result.err;
  EXPECT_TRUE(TProjectDAO().GetAll().empty()) << "a refused script stored something";
  return result.err;
}

}  // namespace

TEST(ImportSqlErrors, NameTheLineTableAndColumn) {
  const std::string deep = "create table A (id int primary key check " + std::string(200000, '(') + "\n";
  const TRefused cases[] = {
      {"create table A (\n id int primary key,\n name varchar(20 not null\n)", {}, "第 3 行, 表 A, 列 name: 无法识别 'not'"},
      {"create table A (\n id int,\n constraint pk primary key (nope)\n)", {}, "第 3 行, 表 A: 主键列 nope 不是表中的列"},
      {"create table A (\n id int primary key,\n", {}, "第 3 行, 表 A: 脚本在此处结束"},
      {"GO\ninsert into A values ('x)\nGO", {}, "第 2 行: 字符串没有结束"},
      {"create table A (id int primary key)\n/* /* */\n", {}, "第 2 行: 注释 /* 没有结束"},
      {"create table [A (id int primary key)", {}, "第 1 行: 名称 [没有结束"},
      {deep, {}, "第 2 行, 表 A, 列 id: 脚本在此处结束, 应为 ')'"},
      {"\x89PNG\r\n\x1a\n", {}, "脚本中没有可以导入的表"},
  };
  for (const auto& c : cases) EXPECT_THAT(Refusal(c), HasSubstr(c.message)) << c.script.substr(0, 80);
}

// What it cannot read inside a table, or what refers to nothing, is left out
// with a report line; the rest is imported.
TEST(ImportSqlErrors, LeavesOutWhatItCannotReadAndGoesOn) {
  TTempHome home;
  WriteBytes(home.dir() / "in.sql",
             "create table A (\n id int primary key,\n name varchar(20) frobnicate,\n b int primary key,\n c int)\n"
             "GO\nalter table B add foreign key (x) references A(id)\n"
             "create table dbo2.a (id int primary key)\n");
  const TVbgenResult result = RunVbgen(home.dir(), {"import-sql", (home.dir() / "in.sql").string(), "--as", "Q"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  for (const char* line : {"表 A (第 3 行) 的列 name 未导入: 无法识别 'frobnicate'", "表 A (第 4 行) 的列 b 未导入: 表有两个主键约束",
                           "未读取: 第 7 行的 ALTER TABLE B: 表没有在脚本中创建",
                           "跳过表 a (第 8 行): 与第 1 行的表同名", "导入表 A (第 1 行) 为类 A (2 个成员)"})
    EXPECT_THAT(result.out, HasSubstr(line));
}

TEST(ImportSqlErrors, RefusesScriptsWithNothingToImportAndBadArguments) {
  EXPECT_THAT(Refusal({"create table A (id int)\n", {}, ""}),
              HasSubstr("脚本中没有可以导入的表\n跳过表 A (第 1 行): 没有主键"));
  EXPECT_THAT(Refusal({"create table A (id int primary key)", {"--skip", "B"}, ""}), HasSubstr("--skip B: 脚本中没有这个表"));
  EXPECT_THAT(Refusal({"-- \xC4\xE3\xBA\xC3\ncreate table A (id int primary key)", {"--source-encoding", "utf-8"}, ""}),
              HasSubstr("第 1 行: 文件不是有效的 UTF-8 文本"));
  EXPECT_THAT(Refusal({"create table A (id int primary key)", {}, "", "bad/name"}), HasSubstr("工程名称必须是"));
}

TEST(ImportSqlErrors, AnExistingProjectNameStoresNothingMore) {
  TTempHome home;
  WriteBytes(home.dir() / "in.sql", "create table A (id int primary key, name varchar(9))");
  ASSERT_EQ(RunVbgen(home.dir(), {"import-sql", (home.dir() / "in.sql").string(), "--as", "Q"}).exitCode, 0);
  const TVbgenResult again = RunVbgen(home.dir(), {"import-sql", (home.dir() / "in.sql").string(), "--as", "Q"});
  EXPECT_EQ(again.exitCode, 2);
  EXPECT_THAT(again.err, HasSubstr("该工程名称已经存在!"));
  EXPECT_EQ(TProjectDAO().GetAll().size(), 1u);
}
