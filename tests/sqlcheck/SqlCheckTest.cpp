// The T-SQL of generated projects is valid: Microsoft's parser over the table
// script and every statement the data access sends; and the namer's reserved
// words are the parser's.
#include <gtest/gtest.h>

#include <iostream>

#include "ProjectScript.h"
#include "RandomProject.h"
#include "SqlCheck.h"
#include "generator/naming/SqlNames.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

// name, type, comment and flags: k key, r required (always for the kinds the
// dialogs require), q query, d display, h hidden from the query grid.
TMemberSpec M(const std::string& name, const std::string& type, const std::string& comment,
              const std::string& flags = "") {
  TMemberSpec m;
  m.name = name;
  m.type = type;
  m.comment = comment;
  m.key = flags.find('k') != std::string::npos;
  m.required = m.key || flags.find('r') != std::string::npos || (type != "字符串" && type != "图片型");
  m.query = flags.find('q') != std::string::npos;
  m.display = flags.find('d') != std::string::npos;
  m.queryDisplay = flags.find('h') == std::string::npos;
  return m;
}

void ExpectValidSql(const TProjectScript& script) {
  TTempHome home(false);
  for (const char* folder : {"template", "bak"})
    fs::copy(fs::path(VBGEN_BIN_DIR) / folder, home.dir() / folder, fs::copy_options::recursive);
  ASSERT_NO_THROW(script.Store(home.dir())) << script.Listing();
  const TVbgenResult generated = RunVbgen(home.dir(), {"generate", script.project()});
  ASSERT_EQ(generated.exitCode, 0) << generated.err << "\n" << script.Listing();
  const TSqlCheck check = CheckProjectSql(home.dir(), script.project());
  EXPECT_EQ(check.exitCode, 0) << SqlCheckReport(check) << "\nMetadata:\n" << script.Listing();
  std::cout << script.project() << ": " << check.summary << "\n";
}

}  // namespace

// Reserved words as class, member and key names; two references to one
// class; a key-only class; captions with brackets, commas, quotes and
// parentheses, and empty ones; a member named like a referenced
// class's display member; string and integer keys with quotes in their values.
TEST(SqlCheck, ReservedNamesReferencesAndCaptionsGiveValidSql) {
  TProjectScript s("Shop");
  s.Class("User", "用户").Class("Order", "订单").Class("Index", "索引").Class("Table", "桌子").Class("Group", "组");
  s.Member("User", M("id", "整型", "编号", "k")).Member("User", M("userName", "字符串", "用户]名", "dq"));
  s.Member("Index", M("id", "整型", "", "kd"));
  s.Member("Table", M("key", "字符串", "编号 No", "kd")).Member("Table", M("percent", "浮点型", "it's"));
  s.Member("Group", M("top", "整型", "价格（元）", "k"))
      .Member("Group", M("plan", "字符串", "名称, (显示)", "dq"));
  s.Member("Order", M("id", "整型", "编号", "k"))
      .Member("Order", M("group", "Group", "组", "q"))
      .Member("Order", M("user", "User", "下单人"))
      .Member("Order", M("buyer", "User", "买家", "q"))
      .Member("Order", M("userName", "字符串", "收货人", "d"))
      .Member("Order", M("current", "日期型", "--时间", "q"))
      .Member("Order", M("table", "Table", ""))
      .Member("Order", M("index", "Index", "索引"));
  s.Class("Plan", "计划").Member("Plan", M("current", "字符串", "开始", "kd"));
  s.Member("Order", M("plan", "Plan", "计划"));
  AddRandomClasses(s, 41, 3);
  ExpectValidSql(s);
}

TEST(SqlCheck, ReservedWordsAreTheParsers) {
  std::vector<std::string> listed(sql_names::ReservedWords().begin(), sql_names::ReservedWords().end());
  EXPECT_EQ(ParserReservedWords(), listed) << "regenerate generator/naming/SqlReservedWords.inc with SqlCheck reserved-words";
}
