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
  const TRefused cases[] = {
      {"create table A (\n id int primary key,\n name varchar(20) frobnicate\n)", {},
       "第 3 行, 表 A, 列 name: 无法识别 'frobnicate'"},
      {"create table A (\n id int primary key,\n name varchar(20 not null\n)", {}, "第 3 行, 表 A, 列 name: 无法识别 'not'"},
      {"create table A (\n id int primary key,\n b int primary key\n)", {}, "第 3 行, 表 A, 列 b: 表有两个主键约束"},
      {"create table A (\n id int,\n constraint pk primary key (nope)\n)", {}, "第 3 行, 表 A: 主键列 nope 不是表中的列"},
      {"create table A (\n id int primary key,\n", {}, "第 3 行, 表 A: 脚本在此处结束"},
      {"GO\ninsert into A values ('x)\nGO", {}, "第 2 行: 字符串 没有结束"},
      {"create table A (id int primary key)\nGO\nalter table B add foreign key (x) references A(id)", {},
       "第 3 行: 表 B 没有在脚本中创建"},
      {"create table A (id int primary key)\ncreate table a (id int primary key)", {}, "第 2 行: 表 a 在脚本中创建了两次"},
  };
  for (const auto& c : cases) EXPECT_THAT(Refusal(c), HasSubstr(c.message)) << c.script;
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
