#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "metadata/InputRules.h"
#include "metadata/MemberKind.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

using namespace member_type;

// The message of the first refused rule, or empty text when all pass.
std::string Refusal(const std::function<void()>& check) {
  try {
    check();
  } catch (const TInputError& e) {
    return e.what();
  }
  return {};
}

class InputRulesTest : public ::testing::Test {
 protected:
  TTempHome home{false};
  int shop = SeedProject("Shop");
  int author = SeedClass(shop, "Author");
  int book = SeedClass(shop, "Book");
  int library = SeedProject("Library");
  int novel = SeedClass(library, "Novel");
};

const std::string kFolderRule =
    "工程名称必须是一个普通的文件夹名称：不能以空格或点开头或结尾，不能含有 < > : \" / \\ | ? * & % ; @ $ ' 等字符!";

TEST_F(InputRulesTest, NewProjectNameChecksInOrder) {
  const auto check = [](const std::string& name) { return Refusal([&] { input_rules::CheckNewProjectName(name); }); };
  EXPECT_EQ(check(""), "工程名称不能为空!");
  EXPECT_EQ(check("SHOP"), "该工程名称已经存在!");
  EXPECT_EQ(check(".."), kFolderRule);
  EXPECT_EQ(check("a/b"), kFolderRule);
  EXPECT_EQ(check("图书管理"), "");
}

TEST_F(InputRulesTest, ProjectRenameRefusesAnotherProjectsName) {
  const auto check = [&](const std::string& name) { return Refusal([&] { input_rules::CheckProjectRename(library, name); }); };
  EXPECT_EQ(check(""), "工程项目名称不能为空!");
  EXPECT_EQ(check("sHOP"), "该工程名称已经存在!");
  EXPECT_EQ(check("LIBRARY"), "");  // its own name in another case
  const int apples = SeedProject("Äpfel");
  EXPECT_EQ(check("äPFEL"), "该工程名称已经存在!");
  EXPECT_EQ(Refusal([&] { input_rules::CheckProjectRename(apples, "ÄPFEL"); }), "");
  EXPECT_EQ(check("../up"), kFolderRule);
}

TEST_F(InputRulesTest, NameSpaceMustNotBeEmpty) {
  EXPECT_EQ(Refusal([] { input_rules::CheckNameSpace(""); }), "命名空间名输入不能为空!");
  EXPECT_EQ(Refusal([] { input_rules::CheckNameSpace("brindlemoor"); }), "");
}

TEST_F(InputRulesTest, AddClassChecksInTheDialogsOrder) {
  const auto check = [&](const std::string& name, const std::string& friendName) {
    return Refusal([&] { input_rules::CheckAddClass(shop, name, friendName); });
  };
  EXPECT_EQ(check("", ""), "类名称不能为空!");
  EXPECT_EQ(check("book", ""), "友好名称不能为空");
  for (const char* name : {"book", "1Book", "_Book", "图书", "Ärger"}) EXPECT_EQ(check(name, "书"), "类名首个字母必须大写") << name;
  EXPECT_EQ(check("BOOK", "书"), "该类名称已经存在!");
  EXPECT_EQ(check("Book-2", "书"), "类名只能由英文字母、数字和下划线组成!");
  EXPECT_EQ(check("Class", "类"), "类名不能是VB.NET的保留字: Class");
  EXPECT_EQ(check("Novel", "小\n说"), "友好名称不能含有换行符、制表符等控制字符!");
  for (const char* name : {"A", "Z", "Novel_2"}) EXPECT_EQ(check(name, "书"), "") << name;
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(library, "Book", "书"); }), "");
}

TEST_F(InputRulesTest, UpdateClassChecksTheFirstLetterBeforeTheFriendlyName) {
  const auto check = [&](const std::string& name, const std::string& friendName) {
    return Refusal([&] { input_rules::CheckUpdateClass(shop, book, name, friendName); });
  };
  EXPECT_EQ(check("", ""), "类名称不能为空");
  EXPECT_EQ(check("book", ""), "类名首个字母必须大写");
  EXPECT_EQ(check("Book", ""), "友好名称不能为空");
  EXPECT_EQ(check("AUTHOR", "作者"), "该类名称已经存在!");
  EXPECT_EQ(check("BOOK", "书"), "");  // its own name in another case
  EXPECT_EQ(check("End", "结束"), "类名不能是VB.NET的保留字: End");
  EXPECT_EQ(check("Book", "图\t书"), "友好名称不能含有换行符、制表符等控制字符!");
}

// One member as typed into a dialog and the first refusal expected, if any.
struct TMemberCase {
  const char* name;
  std::string type;
  bool isPri, isMust, queryFlag;
  std::string refusal;
};

class MemberCheckTest : public InputRulesTest, public ::testing::WithParamInterface<TMemberCase> {};

TEST_P(MemberCheckTest, FirstRefusal) {
  const auto& c = GetParam();
  TMemberInput in;
  in.name = c.name;
  in.type = c.type;
  in.isPri = c.isPri;
  in.isMust = c.isMust;
  in.queryFlag = c.queryFlag;
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), c.refusal);
}

const std::string kTypeRule = "' 无效: 只能是字符串、整型、浮点型、日期型、图片型，或本项目中另一个类的名称!";

INSTANTIATE_TEST_SUITE_P(
    Dialogs, MemberCheckTest,
    ::testing::Values(
        TMemberCase{"", kString, false, false, false, "成员名称输入不能为空!"},
        TMemberCase{"Title", kString, false, false, false, "成员属性首个字母必须小写"},
        TMemberCase{"1title", kString, false, false, false, "成员属性首个字母必须小写"},
        TMemberCase{"_title", kString, false, false, false, "成员属性首个字母必须小写"},
        TMemberCase{"title", kString, false, false, false, ""},
        TMemberCase{"cover", kPicture, false, false, false, ""},
        TMemberCase{"count", kInteger, false, false, false, "整型必须勾选是否必填标志!"},
        TMemberCase{"price", kFloat, false, false, false, "浮点型必须勾选是否必填标志!"},
        TMemberCase{"day", kDateTime, false, false, false, "日期型必须勾选是否必填标志!"},
        TMemberCase{"writer", "Author", false, false, false, "Author必须勾选是否必填标志!"},
        TMemberCase{"id", kInteger, true, true, false, ""},
        TMemberCase{"code", kString, true, false, false, ""},
        TMemberCase{"price", kFloat, true, true, false, "主键字段必须是整型或字符串型!"},
        TMemberCase{"day", kDateTime, true, true, false, "主键字段必须是整型或字符串型!"},
        TMemberCase{"cover", kPicture, true, false, false, "主键字段必须是整型或字符串型!"},
        TMemberCase{"writer", "Author", true, true, false, "主键字段必须是整型或字符串型!"},
        TMemberCase{"count", kInteger, false, true, true, "参与查询的字段不能是整型"},
        TMemberCase{"price", kFloat, false, true, true, "参与查询的字段不能是浮点型"},
        TMemberCase{"cover", kPicture, false, false, true, "参与查询的字段不能是图片型"},
        TMemberCase{"title", kString, false, false, true, ""},
        TMemberCase{"day", kDateTime, false, true, true, ""},
        TMemberCase{"writer", "Author", false, true, true, ""},
        // A type no dialog could offer is named before the rules that depend on the type.
        TMemberCase{"count", "整形", false, false, false, "成员类型 '整形" + kTypeRule},
        TMemberCase{"self", "Book", false, true, false, "成员类型 'Book" + kTypeRule},
        TMemberCase{"other", "Novel", false, true, false, "成员类型 'Novel" + kTypeRule},
        TMemberCase{"lower", "author", false, true, false, "成员类型 'author" + kTypeRule},
        TMemberCase{"end", kString, false, false, false, "成员名称不能是VB.NET的保留字: end"},
        TMemberCase{"my-title", kString, false, false, false, "成员名称只能由英文字母、数字和下划线组成!"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Names and texts the generated solution could not compile with.
TEST_F(InputRulesTest, NamesThatWouldClashInTheGeneratedSolutionAreRefused) {
  const std::string tier = "工程名称不能是 Model、BLL 或 DAL：生成的解决方案中已有同名的项目!";
  EXPECT_EQ(Refusal([] { input_rules::CheckNewProjectName("model"); }), tier);
  EXPECT_EQ(Refusal([&] { input_rules::CheckProjectRename(shop, "DAL"); }), tier);
  EXPECT_EQ(Refusal([] { input_rules::CheckNewProjectName("Models"); }), "");

  const std::string ns = "类名不能是 Model、BLL、DAL、System、Microsoft 或 My：它们是生成代码中的命名空间!";
  const std::string root = "类名不能与工程名称相同：它是生成的界面项目的根命名空间!";
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, "System", "系统"); }), ns);
  EXPECT_EQ(Refusal([&] { input_rules::CheckUpdateClass(shop, book, "Bll", "业务"); }), ns);
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, "MY", "我的"); }), ns);
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, "SHOP", "商店"); }), root);
  EXPECT_EQ(Refusal([&] { input_rules::CheckUpdateClass(library, novel, "Library", "图书馆"); }), root);
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(library, "Shop", "商店"); }), "");

  const int spaced = SeedProject("my shop");
  const int digit = SeedProject("2shop");
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(spaced, "My_shop", "商店"); }),
            "类名不能是 my_shop：它是由工程名称得出的界面项目的根命名空间!");
  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(digit, "Shop", "商店"); }), "");

  EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, "Novel", "\"小说\""); }), "友好名称不能含有双引号!");
  EXPECT_EQ(Refusal([&] { input_rules::CheckUpdateClass(shop, book, "Book", "“书”"); }), "友好名称不能含有双引号!");
}

// What SQL Server and the generated script cannot take, the dialogs, the
// command line and both imports refuse alike.
TEST_F(InputRulesTest, NamesAndLengthsWithinWhatSqlServerTakes) {
  TMemberInput in;
  in.type = kString;
  in.name = "a" + std::string(126, 'b');
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), "");
  in.name += "c";
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }),
            "成员名称不能超过 127 个字符: SQL Server 的名称最多 128 个字符，生成的参数名还要加上 @!");
  in.name = "title";
  in.lengthText = "8000";
  EXPECT_EQ(input_rules::BuildMember(in, shop, book, 0).memberLength, 8000);
  in.lengthText = "8001";
  EXPECT_EQ(Refusal([&] { input_rules::BuildMember(in, shop, book, 0); }),
            "字符串长度不能超过 8000: SQL Server 的 varchar 最多 8000 个字符!");
  for (const char* fixed : {"U_UserInfo", "P_PASSWORDTYPE"})
    EXPECT_EQ(Refusal([&] { input_rules::CheckAddClass(shop, fixed, "表"); }),
              "类名不能是 U_UserInfo 或 P_PasswordType：生成的数据库脚本已建有同名的表!");
}

TEST_F(InputRulesTest, MemberNamesMustBeFreeInTheirClass) {
  const int title = SeedMember(NewMember(shop, book, "title", kString));
  TMemberInput in;
  in.type = kString;
  for (const char* taken : {"title", "tITLE"}) {
    in.name = taken;
    EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), "该成员名称已经存在!") << taken;
  }
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book, title); }), "");  // keeps its own name
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, author); }), "");        // another class
  in.name = "book";
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), "成员名称不能与类名相同!");
  in.name = "summary";
  in.comment = "内容\"简介\"";
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), "成员注释不能含有双引号!");
}

TEST_F(InputRulesTest, CommentMustStayOnOneLine) {
  TMemberInput in;
  in.name = "title";
  in.type = kString;
  in.comment = "书名\r\n";
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), "成员注释不能含有换行符、制表符等控制字符!");
  in.comment = "书名 'quoted' 《全称》";
  EXPECT_EQ(Refusal([&] { input_rules::CheckMember(in, shop, book); }), "");
}

TEST_F(InputRulesTest, BuildMemberSetsTheFlagsThatGoWithTheType) {
  TMemberInput in;
  in.name = "count";
  in.type = kInteger;
  in.lengthText = "not a number";  // ignored for every type but the string
  in.isMust = true;
  in.queryDisplay = false;
  const TMember m = input_rules::BuildMember(in, shop, book, 0);
  EXPECT_EQ(m.memberLength, 0);
  EXPECT_EQ(m.memberIsInteger, 1);
  EXPECT_EQ(m.memberIsFloat, 0);
  EXPECT_EQ(m.memberIsMust, 1);
  EXPECT_EQ(m.memberQueryDisplay, 0);
  EXPECT_EQ(m.projectId, shop);
  EXPECT_EQ(m.classId, book);

  in.type = kFloat;
  EXPECT_EQ(input_rules::BuildMember(in, shop, book, 0).memberIsFloat, 1);
  EXPECT_EQ(input_rules::BuildMember(in, shop, book, 0).memberIsInteger, 0);
}

TEST_F(InputRulesTest, StringLengthMustBeAPositiveWholeNumber) {
  TMemberInput in;
  in.name = "title";
  in.type = kString;
  in.lengthText = "50";
  EXPECT_EQ(input_rules::BuildMember(in, shop, book, 0).memberLength, 50);
  for (const char* text : {"", "abc", "0", "-5", "12x", " 12", "1.5", "99999999999"}) {
    in.lengthText = text;
    EXPECT_EQ(Refusal([&] { input_rules::BuildMember(in, shop, book, 0); }),
              "'" + std::string(text) + "' 不是有效的长度，字符串长度必须是大于0的整数!")
        << text;
  }
}

TEST_F(InputRulesTest, UpdateDialogRebuildsTheStoredMemberFromItsFields) {
  TMember stored = NewMember(shop, book, "title", kString);
  stored.memberId = 7;
  stored.memberLength = 40;
  stored.memberIsPri = 1;
  stored.memberComment = "书名";
  stored.memberIsDisplay = 1;
  stored.memberQueryDisplay = 0;
  EXPECT_EQ(input_rules::BuildMember(input_rules::InputOf(stored), shop, book, 7), stored);

  TMember picture = NewMember(shop, book, "cover", kPicture);
  picture.memberId = 8;
  picture.queryFlag = 1;
  EXPECT_EQ(input_rules::InputOf(picture).lengthText, "0");
  EXPECT_EQ(input_rules::BuildMember(input_rules::InputOf(picture), shop, book, 8), picture);
}

}  // namespace

// A type word none of the five is a reference only where it reads as a class name.
TEST(MemberKind, UnknownTypeWordsAreNoReference) {
  EXPECT_EQ(KindOfType(member_type::kDateTime), TMemberKind::DateTime);
  EXPECT_EQ(KindOfType("Category"), TMemberKind::Reference);
  for (const char* word : {"", "布尔型", "字符", "1Book", "Book Shelf"})
    EXPECT_THROW(KindOfType(word), std::invalid_argument) << word;
}
