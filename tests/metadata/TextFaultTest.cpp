// Texts that are not UTF-8, refused where they come in.
#include <gtest/gtest.h>

#include "metadata/ClassEdits.h"
#include "metadata/MemberEdits.h"
#include "metadata/ProjectEdits.h"
#include "metadata/ProjectJson.h"
#include "metadata/Utf8Text.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

TEST(TextFaults, FirstInvalidByteOfEachKindOfMalformedUtf8) {
  constexpr auto kValid = std::string_view::npos;
  const std::vector<std::pair<std::string, std::size_t>> cases = {
      {"", kValid},
      {"abc 图书 \xF0\x9F\x93\x9A \xEF\xBC\x82", kValid},  // four-byte and full-width characters
      {"a\x80", 1},                                        // lone continuation byte
      {"\xC0\xAF", 0},                                     // overlong form of "/"
      {"\xE0\x80\xAF", 0},                                 // overlong three-byte form
      {"x\xED\xA0\x80", 1},                                // UTF-16 surrogate
      {"\xF4\x90\x80\x80", 0},                             // past U+10FFFF
      {"\xF5\x80\x80\x80", 0},                             // lead byte that starts nothing
      {"书\xE4\xB9", 3},                                   // cut off at the end
      {"\xE4\xB9z", 0},                                    // cut off before an ASCII byte
  };
  for (const auto& [text, offset] : cases) EXPECT_EQ(utf8_text::FirstInvalidByte(text), offset) << text;
}

class TextFaultsInStore : public ::testing::Test {
 protected:
  static std::string Refusal(const std::function<void()>& edit) {
    try {
      edit();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }

  TTempHome home{false};
  int shop = SeedProject("Shop");
  int book = SeedClass(shop, "Book");
};

TEST_F(TextFaultsInStore, EveryEditRefusesATextThatIsNotUtf8) {
  const std::string bad = "书\xFF";
  const std::string fix = "不是有效的 UTF-8 文本 (第 4 个字节): 请用 UTF-8 编码输入。";
  TMemberInput member;
  member.name = "title";
  member.type = member_type::kString;
  member.comment = bad;
  EXPECT_EQ(Refusal([&] { edits::AddProject(bad); }), "工程名称" + fix);
  EXPECT_EQ(Refusal([&] { edits::RenameProject(shop, bad); }), "工程名称" + fix);
  EXPECT_EQ(Refusal([&] { edits::AddClass(shop, {"Novel", bad, 1}); }), "友好名称" + fix);
  EXPECT_EQ(Refusal([&] { edits::AddMember(book, member); }), "成员注释" + fix);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_member"), 0);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_class"), 1);
}

TEST_F(TextFaultsInStore, ImportNamesTheLineOfBytesThatAreNotUtf8) {
  const std::string file = "{\n  \"format\": \"vbgen-project\",\n  \"projectName\": \"Shop\xC0\xAF\"\n}\n";
  EXPECT_EQ(Refusal([&] { project_json::ImportProject(file, "Copy"); }),
            "项目文件第 3 行不是有效的 UTF-8 文本 (第 54 个字节): 请用 UTF-8 编码保存该文件后再导入。");
  EXPECT_EQ(TProjectDAO().CountByName("Copy"), 0);
}

}  // namespace
