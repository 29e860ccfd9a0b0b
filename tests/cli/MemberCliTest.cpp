#include <vector>

#include "cli/EditingCli.h"
#include "support/StoreSeed.h"

namespace {

using namespace member_type;

class MemberCliTest : public EditingCliTest {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& m : dao.GetMembers(book)) names.push_back(m.memberName);
    return names;
  }
  static std::string Key(int id) { return "@" + std::to_string(id); }

  TMemberDAO dao;
  int shop = SeedProject("Shop");
  int author = SeedClass(shop, "Author");
  int book = SeedClass(shop, "Book");
};

TEST_F(MemberCliTest, AddStoresWhatTheDialogWouldStore) {
  ExpectPrinted(Run({"member", "add", "Shop", "Book", "title", kString, "--length", "50", "--key", "--query", "--display",
                     "--no-query-display", "--comment", "书名 '正式'"}),
                "类成员属性添加成功!\n");
  TMember expected = NewMember(shop, book, "title", kString);
  expected.memberLength = 50;
  expected.memberIsPri = 1;
  expected.queryFlag = 1;
  expected.memberIsDisplay = 1;
  expected.memberQueryDisplay = 0;
  expected.memberComment = "书名 '正式'";
  ASSERT_EQ(dao.GetMembers(book).size(), 1u);
  expected.memberId = dao.GetMembers(book).front().memberId;
  EXPECT_EQ(dao.GetMembers(book).front(), expected);
}

TEST_F(MemberCliTest, AddStartsFromTheDialogsDefaults) {
  ExpectPrinted(Run({"member", "add", "Shop", "Book", "note", kString}), "类成员属性添加成功!\n");
  ExpectPrinted(Run({"member", "add", "Shop", "Book", "writer", "Author", "--required"}), "类成员属性添加成功!\n");
  ExpectPrinted(Run({"member", "list", "Shop", "Book"}),
                "编号\t成员名称\t成员类型\t长度\t主键\t必填\t查询\t下拉框显示\t界面显示\t注释\n"
                "1\tnote\t字符串\t20\t否\t否\t否\t否\t是\t\n"
                "2\twriter\tAuthor\t0\t否\t是\t否\t否\t是\t\n");
}

TEST_F(MemberCliTest, AddRunsTheDialogsChecks) {
  ExpectRefused(Run({"member", "add", "Shop", "Book", "Title", kString}), "成员属性首个字母必须小写");
  ExpectRefused(Run({"member", "add", "Shop", "Book", "count", kInteger}), "整型必须勾选是否必填标志!");
  ExpectRefused(Run({"member", "add", "Shop", "Book", "price", kFloat, "--required", "--key"}),
                "主键字段必须是整型或字符串型!");
  ExpectRefused(Run({"member", "add", "Shop", "Book", "cover", kPicture, "--query"}), "参与查询的字段不能是图片型");
  ExpectRefused(Run({"member", "add", "Shop", "Book", "title", kString, "--length", "abc"}),
                "'abc' 不是有效的长度，字符串长度必须是大于0的整数!");
  ExpectRefused(Run({"member", "add", "Shop", "Book", "self", "Book", "--required"}),
                "成员类型 'Book' 无效: 只能是字符串、整型、浮点型、日期型、图片型，或本项目中另一个类的名称!");
  EXPECT_TRUE(dao.GetMembers(book).empty());
}

TEST_F(MemberCliTest, UpdateKeepsWhatIsNotGiven) {
  TMember stored = NewMember(shop, book, "title", kString);
  stored.memberLength = 40;
  stored.memberIsDisplay = 1;
  stored.memberComment = "书名";
  stored.memberId = SeedMember(stored);

  ExpectPrinted(Run({"member", "update", "Shop", "Book", "title", "--query", "--length", "60"}), "类成员属性更新成功!\n");
  stored.queryFlag = 1;
  stored.memberLength = 60;
  EXPECT_EQ(dao.GetMember(stored.memberId), stored);

  ExpectPrinted(Run({"member", "update", "Shop", "Book", "title", "--name", "price", "--type", kFloat, "--required",
                     "--no-query", "--comment", "价格"}),
                "类成员属性更新成功!\n");
  const TMember price = *dao.GetMember(stored.memberId);
  EXPECT_EQ(price.memberName, "price");
  EXPECT_EQ(price.memberType, kFloat);
  EXPECT_EQ(price.memberIsFloat, 1);
  EXPECT_EQ(price.memberLength, 0);
  EXPECT_EQ(price.memberIsDisplay, 1);
  EXPECT_EQ(price.memberComment, "价格");
}

TEST_F(MemberCliTest, UpdateRunsTheUpdateDialogsChecks) {
  const int count = SeedMember(shop, book, "count", kInteger);
  ExpectRefused(Run({"member", "update", "Shop", "Book", "count", "--key"}), "整型必须勾选是否必填标志!");
  ExpectRefused(Run({"member", "update", "Shop", "Book", "count", "--type", kString}),
                "'0' 不是有效的长度，字符串长度必须是大于0的整数!");
  EXPECT_EQ(dao.GetMember(count)->memberType, kInteger);
  // The add dialog's rule on the key's type holds for updates too.
  ExpectRefused(Run({"member", "update", "Shop", "Book", "count", "--type", kDateTime, "--required", "--key"}),
                "主键字段必须是整型或字符串型!");
  ExpectPrinted(Run({"member", "update", "Shop", "Book", "count", "--required", "--key"}), "类成员属性更新成功!\n");
  EXPECT_EQ(dao.GetMember(count)->memberIsPri, 1);
}

TEST_F(MemberCliTest, DeleteAndSharedNames) {
  const int first = SeedMember(shop, book, "title", kString);
  const int second = SeedMember(shop, book, "title", kString);
  ExpectRefused(Run({"member", "delete", "Shop", "Book", "TITLE"}),
                "成员名称 'TITLE' 不唯一，请用编号指定: " + Key(first) + " " + Key(second));
  ExpectPrinted(Run({"member", "delete", "Shop", "Book", Key(first)}), "成员属性删除成功\n");
  EXPECT_FALSE(dao.GetMember(first));
  EXPECT_TRUE(dao.GetMember(second));
}

TEST_F(MemberCliTest, MembersOfAnotherClassCannotBeReached) {
  const int name = SeedMember(shop, author, "name", kString);
  SeedMember(shop, book, "title", kString);
  ExpectRefused(Run({"member", "delete", "Shop", "Book", Key(name)}), "成员 '" + Key(name) + "' 不存在!");
  ExpectRefused(Run({"member", "swap", "Shop", "Book", "title", Key(name)}), "成员 '" + Key(name) + "' 不存在!");
  ExpectRefused(Run({"member", "list", "Shop", "Novel"}), "类 'Novel' 不存在!");
  EXPECT_EQ(dao.GetMember(name)->classId, author);
}

TEST_F(MemberCliTest, MovesAndExchanges) {
  for (const char* name : {"a", "b", "c", "d"}) SeedMember(shop, book, name, kString);
  ExpectPrinted(Run({"member", "up", "Shop", "Book", "c"}), "");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c", "b", "d"}));
  ExpectPrinted(Run({"member", "down", "Shop", "Book", "a"}), "");
  EXPECT_EQ(Names(), (std::vector<std::string>{"c", "a", "b", "d"}));
  ExpectPrinted(Run({"member", "swap", "Shop", "Book", "d", "c"}), "");
  EXPECT_EQ(Names(), (std::vector<std::string>{"d", "a", "b", "c"}));
}

TEST_F(MemberCliTest, MovesStopAtTheEnds) {
  for (const char* name : {"a", "b"}) SeedMember(shop, book, name, kString);
  ExpectRefused(Run({"member", "up", "Shop", "Book", "a"}), "第一个成员无法上移了！");
  ExpectRefused(Run({"member", "down", "Shop", "Book", "b"}), "最后一个成员无法下移了！");
  ExpectRefused(Run({"member", "swap", "Shop", "Book", "a", "A"}), "请选中2条记录!");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
