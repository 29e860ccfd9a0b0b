// vbgen sql P, then import-sql --as Q: Q has P's classes and members. The
// script cannot carry friendly names, comments, the 查询, 下拉框显示 and 界面显示
// flags or frontShowFlag, nor 必填 of string keys (always NOT NULL) and
// pictures (always NULL); it writes the key first. A class whose key is neither
// integer nor string, and every class that refers to one, is left out.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ProjectScript.h"
#include "RandomProject.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace {

using TJson = nlohmann::ordered_json;

TJson Export(const TTempHome& home, const std::string& project) {
  const TVbgenResult exported = RunVbgen(home.dir(), {"export", project});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  return TJson::parse(exported.out);
}

// Only what the script carries, the key first.
TJson Carried(TJson project) {
  project.erase("projectName");
  for (auto& c : project["classes"]) {
    c.erase("friendName");
    c.erase("frontShowFlag");
    auto& members = c["members"];
    std::stable_partition(members.begin(), members.end(), [](const TJson& m) { return m["memberIsPri"] == 1; });
    for (auto& m : members) {
      for (const char* field : {"memberComment", "queryFlag", "memberIsDisplay", "memberQueryDisplay"}) m.erase(field);
      if (m["memberIsPri"] == 1 || m["memberType"] == "图片型") m.erase("memberIsMust");
    }
  }
  return project;
}

bool Representable(const TJson& c) {
  for (const auto& m : c["members"])
    if (m["memberIsPri"] == 1) return m["memberType"] == "整型" || m["memberType"] == "字符串";
  return false;
}

// Classes with another kind of key, and what refers to them, left out.
TJson WithoutUnrepresentable(TJson project) {
  for (bool changed = true; changed;) {
    changed = false;
    auto& classes = project["classes"];
    for (auto c = classes.begin(); c != classes.end() && !changed; ++c) {
      bool refersToMissing = false;
      for (const auto& m : (*c)["members"]) {
        const std::string type = m["memberType"];
        const bool isClass = std::any_of(classes.begin(), classes.end(), [&](const TJson& o) { return o["className"] == type; });
        const bool isWord = type == "字符串" || type == "整型" || type == "浮点型" || type == "日期型" || type == "图片型";
        refersToMissing = refersToMissing || (!isWord && !isClass);
      }
      if (!Representable(*c) || refersToMissing) {
        classes.erase(c);
        changed = true;
      }
    }
  }
  return project;
}

// Imports P's script as Q; returns import-sql's report.
std::string ExpectRoundTrip(const TTempHome& home, const std::string& p) {
  const TVbgenResult sql = RunVbgen(home.dir(), {"sql", p});
  EXPECT_EQ(sql.exitCode, 0) << sql.err;
  WriteBytes(home.dir() / "p.sql", sql.out);
  const TVbgenResult imported = RunVbgen(home.dir(), {"import-sql", (home.dir() / "p.sql").string(), "--as", "Q"});
  const TJson expected = Carried(WithoutUnrepresentable(Export(home, p)));
  if (expected["classes"].empty()) {
    EXPECT_EQ(imported.exitCode, 2) << imported.out;
    EXPECT_NE(imported.err.find("脚本中没有可以导入的表"), std::string::npos) << imported.err;
    return imported.out;
  }
  EXPECT_EQ(imported.exitCode, 0) << imported.err << "\n" << sql.out;
  EXPECT_EQ(Carried(Export(home, "Q")), expected) << imported.out;
  return imported.out;
}

}  // namespace

TEST(ImportSqlRoundTrip, SampleProject) {
  TTempHome home;
  const std::string sample = VBGEN_RUNTIME_DIR "/samples/library.json";
  ASSERT_EQ(RunVbgen(home.dir(), {"import", sample, "--as", "P"}).exitCode, 0);
  const std::string report = ExpectRoundTrip(home, "P");
  // The script's own account tables are not the project's classes.
  EXPECT_NE(report.find("跳过表 P_PasswordType (第 5 行): 生成的建表脚本自己创建这个表\n"), std::string::npos) << report;
  EXPECT_NE(report.find("跳过表 U_UserInfo (第 19 行): 生成的建表脚本自己创建这个表\n"), std::string::npos) << report;
  const TVbgenResult skipped = RunVbgen(home.dir(), {"import-sql", (home.dir() / "p.sql").string(), "--as", "R",
                                                     "--skip", "p_passwordtype", "--skip", "U_UserInfo"});
  EXPECT_EQ(skipped.exitCode, 0) << skipped.err;
  EXPECT_EQ(skipped.out.find("跳过表 P_PasswordType (第 5 行): 按 --skip 跳过\n跳过表 U_UserInfo (第 19 行): 按 --skip 跳过\n"), 0u)
      << skipped.out;
}

TEST(ImportSqlRoundTrip, RandomProjects) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TTempHome home;
    TProjectScript script("P");
    AddRandomClasses(script, seed, 3);
    script.Store(home.dir());
    ExpectRoundTrip(home, "P");
  }
}
