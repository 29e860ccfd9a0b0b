#include "cli/EditingCli.h"
#include "support/StoreSeed.h"

namespace {

class ClassCliTest : public EditingCliTest {
 protected:
  TClassDAO dao;
  int shop = SeedProject("Shop");
};

TEST_F(ClassCliTest, AddAndListWithTheFrontShowFlag) {
  ExpectPrinted(Run({"class", "add", "Shop", "Book", "图书"}), "类名称添加成功！\n");
  ExpectPrinted(Run({"class", "add", "shop", "Author", "作者", "--no-front-show"}), "类名称添加成功！\n");
  ExpectPrinted(Run({"class", "list", "Shop"}),
                "编号\t类英文名称\t中文友好名称\t是否前台显示\n1\tBook\t图书\t是\n2\tAuthor\t作者\t否\n");
}

TEST_F(ClassCliTest, AddRunsTheDialogsChecks) {
  SeedClass(shop, "Book");
  ExpectRefused(Run({"class", "add", "Shop", "", ""}), "类名称不能为空!");
  ExpectRefused(Run({"class", "add", "Shop", "novel", ""}), "友好名称不能为空");
  ExpectRefused(Run({"class", "add", "Shop", "novel", "小说"}), "类名首个字母必须大写");
  ExpectRefused(Run({"class", "add", "Shop", "BOOK", "书"}), "该类名称已经存在!");
  ExpectRefused(Run({"class", "add", "Ghost", "Novel", "小说"}), "工程 'Ghost' 不存在!");
  ExpectRefused(Run({"class", "list", "Ghost"}), "工程 'Ghost' 不存在!");
  EXPECT_EQ(dao.GetClassList(shop).size(), 1u);
}

TEST_F(ClassCliTest, UpdateKeepsWhatIsNotGiven) {
  const int book = SeedClass(shop, "Book", "图书");
  ExpectPrinted(Run({"class", "update", "Shop", "Book", "--no-front-show"}), "类名称更新成功\n");
  EXPECT_EQ(dao.GetClassName(book), "Book");
  EXPECT_EQ(dao.GetFriendName(book), "图书");
  EXPECT_EQ(dao.GetFrontShowFlag(book), 0);

  ExpectPrinted(Run({"class", "update", "Shop", "book", "--friend-name", "书籍"}), "类名称更新成功\n");
  EXPECT_EQ(dao.GetFriendName(book), "书籍");
  EXPECT_EQ(dao.GetFrontShowFlag(book), 0);
}

TEST_F(ClassCliTest, RenameCarriesTheReferencesAlong) {
  const int author = SeedClass(shop, "Author");
  const int book = SeedClass(shop, "Book");
  const int writer = SeedMember(shop, book, "writer", "Author");
  ExpectPrinted(Run({"class", "update", "Shop", "Author", "--name", "Writer", "--front-show"}), "类名称更新成功\n");
  EXPECT_EQ(dao.GetClassName(author), "Writer");
  EXPECT_EQ(dao.GetFrontShowFlag(author), 1);
  EXPECT_EQ(TMemberDAO().GetMember(writer)->memberType, "Writer");
}

TEST_F(ClassCliTest, UpdateRunsTheDialogsChecks) {
  const int book = SeedClass(shop, "Book", "图书");
  ExpectRefused(Run({"class", "update", "Shop", "Book", "--name", "book", "--friend-name", ""}), "类名首个字母必须大写");
  ExpectRefused(Run({"class", "update", "Shop", "Book", "--friend-name", ""}), "友好名称不能为空");
  ExpectRefused(Run({"class", "update", "Shop", "Novel", "--friend-name", "小说"}), "类 'Novel' 不存在!");
  EXPECT_EQ(dao.GetFriendName(book), "图书");
}

TEST_F(ClassCliTest, ClassesOfAnotherProjectCannotBeReached) {
  const int other = SeedProject("Other");
  const int foreign = SeedClass(other, "Book");
  SeedClass(shop, "Book");
  ExpectRefused(Run({"class", "delete", "Shop", "@" + std::to_string(foreign)}),
                "类 '@" + std::to_string(foreign) + "' 不存在!");
  EXPECT_EQ(dao.GetClassName(foreign), "Book");
}

TEST_F(ClassCliTest, DeleteRemovesTheClassAndItsMembers) {
  const int book = SeedClass(shop, "Book");
  const int author = SeedClass(shop, "Author");
  SeedMember(shop, book, "title", member_type::kString);
  ExpectPrinted(Run({"class", "delete", "Shop", "Book"}), "类对象删除成功!\n");
  EXPECT_EQ(dao.GetClassList(shop), (TClassList{{"Author", author}}));
  EXPECT_TRUE(TMemberDAO().GetMembers(book).empty());
}

TEST_F(ClassCliTest, SharedClassNameMustBeGivenByKey) {
  const int first = SeedClass(shop, "Book");
  const int second = SeedClass(shop, "Novel");
  ExpectRefused(Run({"class", "update", "Shop", "Novel", "--name", "BOOK"}), "该类名称已经存在!");
  dao.UpdateClass(shop, second, "Book", "小说", 1);  // as the store may hold it from an older version
  ExpectRefused(Run({"class", "delete", "Shop", "Book"}), "类名称 'Book' 不唯一，请用编号指定: @1 @2");
  ExpectPrinted(Run({"class", "delete", "Shop", "@" + std::to_string(first)}), "类对象删除成功!\n");
  EXPECT_EQ(dao.GetClassList(shop), (TClassList{{"Book", second}}));
}

}  // namespace
