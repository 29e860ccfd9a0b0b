#include <gtest/gtest.h>

#include <vector>

#include "metadata/MemberDAO.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

using namespace member_type;

std::vector<std::string> Names(const TMemberList& members) {
  std::vector<std::string> names;
  for (const auto& m : members) names.push_back(m.memberName);
  return names;
}

class MemberDAOTest : public ::testing::Test {
 protected:
  TTempHome home{false};
  TMemberDAO dao;
  int shop = SeedProject("Shop");
  int author = SeedClass(shop, "Author");
  int book = SeedClass(shop, "Book");
};

TEST_F(MemberDAOTest, EveryFieldComesBackAsStored) {
  TMember m = NewMember(shop, book, "title", kString);
  m.memberLength = 50;
  m.memberIsPri = 1;
  m.memberComment = "书名 ('正式')";
  m.memberIsMust = 1;
  m.queryFlag = 1;
  m.memberIsDisplay = 1;
  m.memberQueryDisplay = 0;
  m.memberId = 777;  // an insert never names the key
  const int id = SeedMember(m);
  m.memberId = id;
  EXPECT_EQ(dao.GetMember(id), m);
}

TEST_F(MemberDAOTest, NewMemberIsShownInTheQueryGridAndOtherwiseEmpty) {
  const int id = SeedMember(TMember{});
  const TMember stored = *dao.GetMember(id);
  EXPECT_EQ(stored.memberQueryDisplay, 1);
  EXPECT_EQ(stored.memberIsPri + stored.memberIsMust + stored.memberLength + stored.queryFlag, 0);
  EXPECT_EQ(stored.memberName, "");
}

TEST_F(MemberDAOTest, UpdateWritesTheContentButNeverTheRowsClass) {
  const int id = SeedMember(shop, book, "price", kFloat);
  TMember changed = NewMember(shop + 1, author, "cost", kInteger);
  changed.memberId = id;
  changed.memberIsInteger = 1;
  changed.memberComment = "成本";
  dao.UpdateMember(changed);

  const TMember stored = *dao.GetMember(id);
  EXPECT_EQ(stored.memberName, "cost");
  EXPECT_EQ(stored.memberType, kInteger);
  EXPECT_EQ(stored.memberIsInteger, 1);
  EXPECT_EQ(stored.memberComment, "成本");
  EXPECT_EQ(stored.projectId, shop);
  EXPECT_EQ(stored.classId, book);
}

TEST_F(MemberDAOTest, DeleteRemovesOneRow) {
  const int a = SeedMember(shop, book, "a", kString);
  SeedMember(shop, book, "b", kString);
  dao.DeleteMember(a);
  EXPECT_FALSE(dao.GetMember(a));
  EXPECT_EQ(Names(dao.GetMembers(book)), (std::vector<std::string>{"b"}));
}

TEST_F(MemberDAOTest, SelectionsPickTheirMembersInKeyOrder) {
  TMember key = NewMember(shop, book, "id", kInteger);
  key.memberIsPri = 1;  // shown in the grid, yet never a grid column
  SeedMember(key);
  SeedMember(shop, book, "cover", kPicture);
  SeedMember(shop, book, "writer", "Author");
  TMember hidden = NewMember(shop, book, "note", kString);
  hidden.memberQueryDisplay = 0;
  SeedMember(hidden);
  SeedMember(shop, book, "published", kDateTime);
  SeedMember(shop, book, "back", kPicture);
  SeedMember(shop, author, "name", kString);

  EXPECT_EQ(Names(dao.GetMembers(book)),
            (std::vector<std::string>{"id", "cover", "writer", "note", "published", "back"}));
  EXPECT_EQ(Names(dao.GetPictureMembers(book)), (std::vector<std::string>{"cover", "back"}));
  EXPECT_EQ(Names(dao.GetReferenceMembers(book)), (std::vector<std::string>{"writer"}));
  EXPECT_EQ(Names(dao.GetQueryDisplayMembers(book)),
            (std::vector<std::string>{"cover", "writer", "published", "back"}));
  EXPECT_EQ(Names(dao.GetNonKeyMembers(book)),
            (std::vector<std::string>{"cover", "writer", "note", "published", "back"}));
}

TEST_F(MemberDAOTest, SwapExchangesContentsWhileKeysAndClassesStay) {
  const int a = SeedMember(shop, book, "a", kString);
  SeedMember(shop, book, "between", kString);
  TMember bm = NewMember(shop, book, "b", kInteger);
  bm.memberIsPri = 1;
  bm.memberComment = "乙";
  const int b = SeedMember(bm);
  const TMember before_a = *dao.GetMember(a);
  const TMember before_b = *dao.GetMember(b);

  dao.Swap(a, b);

  TMember expect_a = before_b;
  expect_a.memberId = a;
  TMember expect_b = before_a;
  expect_b.memberId = b;
  EXPECT_EQ(dao.GetMember(a), expect_a);
  EXPECT_EQ(dao.GetMember(b), expect_b);
  EXPECT_EQ(Names(dao.GetMembers(book)), (std::vector<std::string>{"b", "between", "a"}));
}

TEST_F(MemberDAOTest, SwapWithItselfChangesNothing) {
  const int a = SeedMember(shop, book, "a", kString);
  const TMember before = *dao.GetMember(a);
  dao.Swap(a, a);
  EXPECT_EQ(dao.GetMember(a), before);
}

TEST_F(MemberDAOTest, SwapWithAMissingMemberIsRefusedAndChangesNothing) {
  const int a = SeedMember(shop, book, "a", kString);
  const TMember before = *dao.GetMember(a);
  EXPECT_THROW(dao.Swap(a, a + 100), TDbError);
  EXPECT_THROW(dao.Swap(a + 100, a), TDbError);
  EXPECT_EQ(dao.GetMember(a), before);
}

TEST_F(MemberDAOTest, KeyMemberIsTheFirstKeyOrNone) {
  EXPECT_FALSE(dao.GetKeyMember(book));
  SeedMember(shop, book, "title", kString);
  TMember key = NewMember(shop, book, "id", kInteger);
  key.memberIsPri = 1;
  const int first = SeedMember(key);
  key.memberName = "id2";
  SeedMember(key);
  EXPECT_EQ(dao.GetKeyMember(book)->memberId, first);
}

TEST_F(MemberDAOTest, KeyAndDisplayMembersAreFoundByClassName) {
  TMember key = NewMember(shop, author, "id", kInteger);
  key.memberIsPri = 1;
  const int keyId = SeedMember(key);
  TMember display = NewMember(shop, author, "name", kString);
  display.memberIsDisplay = 1;
  const int displayId = SeedMember(display);

  EXPECT_EQ(dao.GetKeyMemberOf(shop, "Author")->memberId, keyId);
  EXPECT_EQ(dao.GetDisplayMember(shop, "author")->memberId, displayId);
  EXPECT_FALSE(dao.GetKeyMemberOf(shop, "Ghost"));
  EXPECT_FALSE(dao.GetDisplayMember(shop, "Ghost"));
  const int other = SeedProject("Other");
  EXPECT_FALSE(dao.GetKeyMemberOf(other, "Author"));
}

TEST_F(MemberDAOTest, ReferenceIsAnyTypeButTheFiveWords) {
  for (const char* word : kWords) EXPECT_FALSE(IsReference(word)) << word;
  EXPECT_TRUE(IsReference("Author"));
  EXPECT_TRUE(IsReference(""));
  EXPECT_TRUE(IsReference("字符"));
}

}  // namespace
