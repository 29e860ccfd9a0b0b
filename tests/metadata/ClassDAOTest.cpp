#include <gtest/gtest.h>

#include <vector>

#include "metadata/ClassDAO.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

class ClassDAOTest : public ::testing::Test {
 protected:
  TTempHome home{false};
  TClassDAO dao;
  int shop = SeedProject("Shop");
  int library = SeedProject("Library");
};

TEST_F(ClassDAOTest, ClassListIsThePlainInsertionOrderOfOneProject) {
  EXPECT_TRUE(dao.GetClassList(shop).empty());
  const int order = SeedClass(shop, "Order");
  SeedClass(library, "Book");
  const int customer = SeedClass(shop, "Customer");
  const int again = SeedClass(shop, "Order");  // the store itself does not refuse a second name
  EXPECT_EQ(dao.GetClassList(shop), (TClassList{{"Order", order}, {"Customer", customer}, {"Order", again}}));
}

TEST_F(ClassDAOTest, SingleReadsOfAClass) {
  dao.AddClass(shop, "Book", "图书 '精装'", 0);
  const int book = dao.GetClassList(shop).front().tag;
  EXPECT_EQ(dao.GetClassName(book), "Book");
  EXPECT_EQ(dao.GetFriendName(book), "图书 '精装'");
  EXPECT_EQ(dao.GetFrontShowFlag(book), 0);
  EXPECT_EQ(dao.GetClassId(shop, "BOOK"), book);
  EXPECT_EQ(dao.CountByName(shop, "book"), 1);
}

TEST_F(ClassDAOTest, UnknownClassesReadAsEmptyOrMinusOne) {
  SeedClass(library, "Book");
  EXPECT_EQ(dao.GetClassName(999), "");
  EXPECT_EQ(dao.GetFriendName(999), "");
  EXPECT_EQ(dao.GetFrontShowFlag(999), -1);
  EXPECT_EQ(dao.GetClassId(shop, "Book"), -1);  // exists only in another project
  EXPECT_EQ(dao.CountByName(shop, "Book"), 0);
}

TEST_F(ClassDAOTest, OtherClassesLeaveOutTheClassAndOtherProjects) {
  const int a = SeedClass(shop, "A");
  const int b = SeedClass(shop, "B");
  SeedClass(library, "C");
  const int d = SeedClass(shop, "D");
  EXPECT_EQ(dao.GetOtherClasses(shop, b), (TClassList{{"A", a}, {"D", d}}));
}

TEST_F(ClassDAOTest, RenamingAClassRenamesTheReferencesOfItsProjectOnly) {
  const int author = SeedClass(shop, "Author");
  const int book = SeedClass(shop, "Book");
  const int mentor = SeedMember(shop, author, "mentor", "Author");  // the class's own members follow too
  const int writer = SeedMember(shop, book, "writer", "author");   // the store's comparison
  const int title = SeedMember(shop, book, "title", member_type::kString);
  const int libraryClass = SeedClass(library, "Novel");
  const int foreign = SeedMember(library, libraryClass, "writer", "Author");

  dao.UpdateClass(shop, author, "Writer", "作家", 0);

  EXPECT_EQ(dao.GetClassName(author), "Writer");
  EXPECT_EQ(dao.GetFriendName(author), "作家");
  EXPECT_EQ(dao.GetFrontShowFlag(author), 0);
  const TMemberDAO members;
  EXPECT_EQ(members.GetMember(mentor)->memberType, "Writer");
  EXPECT_EQ(members.GetMember(writer)->memberType, "Writer");
  EXPECT_EQ(members.GetMember(title)->memberType, member_type::kString);
  EXPECT_EQ(members.GetMember(foreign)->memberType, "Author");
}

TEST_F(ClassDAOTest, FailedRenameChangesNeitherTheClassNorItsReferences) {
  const int author = SeedClass(shop, "Author");
  TDbHelper().ExecSql("alter table t_member rename to t_member_gone");
  EXPECT_THROW(dao.UpdateClass(shop, author, "Writer", "作家", 0), TDbError);
  EXPECT_EQ(dao.GetClassName(author), "Author");
}

TEST_F(ClassDAOTest, DeletingAClassRemovesItsMembersOnly) {
  const int author = SeedClass(shop, "Author");
  const int book = SeedClass(shop, "Book");
  SeedMember(shop, author, "name", member_type::kString);
  const int reference = SeedMember(shop, book, "author", "Author");

  dao.DeleteClass(author);

  EXPECT_EQ(dao.GetClassList(shop), (TClassList{{"Book", book}}));
  EXPECT_TRUE(TMemberDAO().GetMembers(author).empty());
  EXPECT_EQ(TMemberDAO().GetMember(reference)->memberType, "Author");  // now names no class
}

TEST_F(ClassDAOTest, FailedDeletionKeepsTheClass) {
  const int author = SeedClass(shop, "Author");
  TDbHelper().ExecSql("alter table t_member rename to t_member_gone");
  EXPECT_THROW(dao.DeleteClass(author), TDbError);
  EXPECT_EQ(dao.GetClassName(author), "Author");
}

}  // namespace
