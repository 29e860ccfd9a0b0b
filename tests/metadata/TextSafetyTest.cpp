// Texts that would end a VB string or comment, hide in a name, or name no
// file Windows can write: refused by the input rules and by the checks a run
// makes of what the store holds.
#include <gtest/gtest.h>

#include <functional>

#include "metadata/InputRules.h"
#include "metadata/NameRules.h"
#include "metadata/ProjectChecks.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJson.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

using namespace name_rules;

// The refusal's message, or empty text when every rule passes.
std::string Refusal(const std::function<void()>& check) {
  try { check(); } catch (const TInputError& e) { return e.what(); }
  return {};
}

TEST(TextSafety, LineEndsOfVbFormatCharactersAndBrokenUtf8AreNamed) {
  EXPECT_EQ(UnsafeTextReason("图书 Book (第2版)，《书》"), "");
  for (const auto& [text, point] : std::vector<std::pair<std::string, std::string>>{
           {"a\u2028b", "U+2028"}, {"a\u2029", "U+2029"}, {"\u0085", "U+0085"}, {"x\u200By", "U+200B"},
           {"\u202Eab", "U+202E"}, {"\u200F", "U+200F"}, {"\u2066", "U+2066"}, {"\uFEFF", "U+FEFF"},
           {"\u00AD", "U+00AD"}, {"a\tb", "U+0009"}, {"\u009B", "U+009B"}, {"\U000E0041", "U+E0041"}})
    EXPECT_NE(UnsafeTextReason(text).find(point), std::string::npos) << point;
  for (const std::string broken : {"\xFF", "a\xE4\xB8", "\xC0\xAF", "\xED\xA0\x80"})
    EXPECT_EQ(UnsafeTextReason(broken), "不是有效的 UTF-8 文本!");
}

TEST(TextSafety, WindowsDeviceNamesAndOverlongNames) {
  for (const char* device : {"CON", "con", "Prn", "AUX", "nul.txt", "COM1", "com9.vb", "LPT1", "Lpt9", "COM\u00B9"})
    EXPECT_NE(WindowsNameReason(device, 40), "") << device;
  for (const char* fine : {"CONSOLE", "Console", "COM0", "COM10", "LPT", "Nullable", "Auxiliary", "图书"})
    EXPECT_EQ(WindowsNameReason(fine, 40), "") << fine;
  EXPECT_EQ(WindowsNameReason(std::string(40, 'a'), 40), "");
  EXPECT_NE(WindowsNameReason(std::string(41, 'a'), 40), "");
  std::string chinese;
  for (int i = 0; i < 40; ++i) chinese += "书";  // one UTF-16 unit each
  EXPECT_EQ(WindowsNameReason(chinese, 40), "");
  EXPECT_NE(WindowsNameReason(chinese.substr(3) + "\U0001D400", 40), "");  // two units
  EXPECT_TRUE(EqualsFoldingCase("Ärger", "äRGER"));
  EXPECT_FALSE(EqualsFoldingCase("Ä", "A"));
}

class TextSafetyRules : public ::testing::Test {
 protected:
  TTempHome home{false};
  int shop = SeedProject("Shop");
};

TEST_F(TextSafetyRules, InputRulesRefuseEveryTextThatReachesGeneratedCode) {
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, "Book", "书\uFF02 & Environment.UserName & \uFF02"); }),
            "友好名称不能含有双引号!");
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, "Book", "书\u2028End Sub"); }),
            "友好名称不能含有 VB 会当作换行的字符 (U+2028)!");
  EXPECT_EQ(Refusal([&] { input_rules::CheckNewProjectName("图书\u2028管理"); }),
            "工程名称不能含有 VB 会当作换行的字符 (U+2028)!");
  EXPECT_EQ(Refusal([&] { input_rules::CheckProjectRename(shop, "图\u200B书"); }), "工程名称不能含有不可见的格式字符 (U+200B)!");
  TMemberInput member;
  member.name = "title";
  member.type = member_type::kString;
  member.comment = "书名\u0085";
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(member, shop, SeedClass(shop, "Novel")); }),
            "成员注释不能含有 VB 会当作换行的字符 (U+0085)!");

  EXPECT_NE(Refusal([&] { input_rules::CheckNewProjectName("aux"); }).find("保留设备名"), std::string::npos);
  EXPECT_NE(Refusal([&] { input_rules::CheckAddClass(shop, "Com1", "串口"); }).find("保留设备名"), std::string::npos);
  EXPECT_NE(Refusal([&] { input_rules::CheckNewProjectName(std::string(41, 'p')); }).find("260"), std::string::npos);
  EXPECT_NE(Refusal([&] { input_rules::CheckAddClass(shop, "B" + std::string(50, 'x'), "长"); }).find("260"),
            std::string::npos);
  SeedProject("Ärger");
  EXPECT_EQ(Refusal([&] { input_rules::CheckNewProjectName("ärger"); }), "该工程名称已经存在!");
}

TEST_F(TextSafetyRules, ImportRefusesTheSameTextsAndStoresNothing) {
  const std::string file =
      R"({"format": "vbgen-project", "version": 1, "projectName": "Lib", "classes": [)"
      R"({"className": "Book", "friendName": "书\u2029", "frontShowFlag": 1, "members": []}]})";
  EXPECT_THROW(project_json::ImportProject(file), TProjectFileError);
  EXPECT_EQ(TProjectDAO().CountByName("Lib"), 0);
}

// What another tool wrote into the store is checked as typed input would be,
// so that a run stops before it writes; vbgen check lists the same problems.
TEST_F(TextSafetyRules, StoredNamesAndTextsAreProblemsOfTheRun) {
  for (const std::string name : {"../../x", "NUL", "书\u2028x"}) {
    TProjectDAO().AddProject(name);
    const auto problems = project_checks::CheckProject(TProjectDAO().GetProjectId(name));
    ASSERT_EQ(problems.size(), 1u) << name;
    EXPECT_EQ(problems[0].kind, TProblemKind::ProjectName);
  }
  SeedClass(shop, "Book", "书\uFF02 & Environment.UserName & \uFF02");
  SeedClass(shop, "Con");
  SeedClass(shop, "BOOK");
  std::vector<std::string> names;
  for (const auto& problem : project_checks::CheckProject(shop))
    if (problem.kind == TProblemKind::ClassName) names.push_back(problem.message);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], "Book类: 友好名称不能含有双引号!");
  EXPECT_NE(names[1].find("Con类: 类名不能是 Windows 的保留设备名"), std::string::npos) << names[1];
  EXPECT_EQ(names[2], "BOOK类: 该类名称已经存在!");
}

}  // namespace
