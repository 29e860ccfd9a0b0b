#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/ProjectSnapshot.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

using namespace member_type;

class ProjectSnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int other = SeedProject("Other");
    const int otherBook = SeedClass(other, "Book", "别的书");
    Add(other, otherBook, "code", kString, Key);

    author = SeedClass(shop, "Author", "作者");
    Add(shop, author, "name", kString, Key);
    Add(shop, author, "nick", kString, Display);
    Add(shop, author, "photo", kPicture, Hidden);

    book = SeedClass(shop, "Book", "图书");
    Add(shop, book, "title", kString, Display);
    Add(shop, book, "id", kInteger, Key | Integer);
    Add(shop, book, "writer", "AUTHOR", 0);  // names Author in other letter case
    Add(shop, book, "cover", kPicture, 0);
    Add(shop, book, "shelf", "Shelf", Hidden);  // no such class
    Add(shop, book, "price", kFloat, 0);
    Add(shop, book, "since", kDateTime, Hidden);
    Add(shop, book, "copy", "book", 0);  // refers to its own class
    Add(shop, book, "spare", kInteger, Key);  // a second key: single reads return the first

    // A second class whose name differs only in letter case: name look-ups find the first.
    const int shout = SeedClass(shop, "BOOK", "大写");
    Add(shop, shout, "id", kInteger, Key | Display);
    SeedClass(shop, "Empty", "空");
    // A row that names a class of the project but another project: the
    // project-bound single reads must not return it.
    keyless = SeedClass(shop, "Keyless", "无主键");
    Add(other, keyless, "id", kInteger, Key | Display);
  }

  enum : int { Key = 1, Display = 2, Integer = 4, Hidden = 8 };

  static void Add(int projectId, int classId, const std::string& name, const std::string& type, int flags) {
    TMember m = NewMember(projectId, classId, name, type);
    m.memberIsPri = (flags & Key) != 0;
    m.memberIsDisplay = (flags & Display) != 0;
    m.memberIsInteger = (flags & Integer) != 0;
    m.memberQueryDisplay = (flags & Hidden) == 0;
    m.memberLength = type == kString ? 30 : 0;
    m.memberComment = name + " 的'说明'";
    SeedMember(m);
  }

  TTempHome home{false};
  int shop = SeedProject("Shop");
  int author = 0, book = 0, keyless = 0;
};

TEST_F(ProjectSnapshotTest, ClassQueriesAnswerAsTheStore) {
  const TProjectSnapshot snapshot = TProjectSnapshot::Load(shop);
  const TClassDAO dao;
  EXPECT_EQ(snapshot.ProjectId(), shop);
  EXPECT_EQ(snapshot.GetClassList(), dao.GetClassList(shop));
  for (const auto& entry : dao.GetClassList(shop)) {
    SCOPED_TRACE(entry.text);
    EXPECT_EQ(snapshot.GetClassName(entry.tag), dao.GetClassName(entry.tag));
    EXPECT_EQ(snapshot.GetFriendName(entry.tag), dao.GetFriendName(entry.tag));
  }
  for (const std::string name : {"Book", "book", "BOOK", "bOoK", "Author", "author", "Shelf", "", "Boo", "Empty"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(snapshot.GetClassId(name), dao.GetClassId(shop, name));
  }
  EXPECT_EQ(snapshot.GetClassId("book"), book);
  EXPECT_EQ(snapshot.GetClassId("Shelf"), -1);
}

TEST_F(ProjectSnapshotTest, MemberSelectionsAnswerAsTheStore) {
  const TProjectSnapshot snapshot = TProjectSnapshot::Load(shop);
  const TMemberDAO dao;
  std::vector<int> classIds;
  for (const auto& entry : TClassDAO().GetClassList(shop)) classIds.push_back(entry.tag);
  classIds.push_back(9999);  // no such class
  for (const int classId : classIds) {
    SCOPED_TRACE(classId);
    EXPECT_EQ(snapshot.GetMembers(classId), dao.GetMembers(classId));
    EXPECT_EQ(snapshot.GetPictureMembers(classId), dao.GetPictureMembers(classId));
    EXPECT_EQ(snapshot.GetReferenceMembers(classId), dao.GetReferenceMembers(classId));
    EXPECT_EQ(snapshot.GetQueryDisplayMembers(classId), dao.GetQueryDisplayMembers(classId));
    EXPECT_EQ(snapshot.GetNonKeyMembers(classId), dao.GetNonKeyMembers(classId));
    EXPECT_EQ(snapshot.GetKeyMember(classId), dao.GetKeyMember(classId));
  }
  EXPECT_EQ(snapshot.GetReferenceMembers(book).size(), 3u);
  EXPECT_EQ(snapshot.GetKeyMember(book)->memberName, "id");
}

TEST_F(ProjectSnapshotTest, ReferencedClassReadsAnswerAsTheStore) {
  const TProjectSnapshot snapshot = TProjectSnapshot::Load(shop);
  const TMemberDAO dao;
  for (const std::string name : {"Author", "AUTHOR", "book", "BOOK", "Shelf", "Empty", "Keyless", ""}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(snapshot.GetDisplayMember(name), dao.GetDisplayMember(shop, name));
    EXPECT_EQ(snapshot.GetKeyMemberOf(name), dao.GetKeyMemberOf(shop, name));
  }
  EXPECT_EQ(snapshot.GetKeyMemberOf("AUTHOR")->memberName, "name");
  EXPECT_FALSE(snapshot.GetKeyMemberOf("Shelf"));
  EXPECT_FALSE(snapshot.GetKeyMemberOf("Keyless"));
}

TEST_F(ProjectSnapshotTest, LaterChangesToTheStoreDoNotReachALoadedSnapshot) {
  const TProjectSnapshot snapshot = TProjectSnapshot::Load(shop);
  TClassDAO().DeleteClass(author);
  SeedClass(shop, "Late");
  EXPECT_EQ(snapshot.GetClassId("Author"), author);
  EXPECT_EQ(snapshot.GetClassId("Late"), -1);
  EXPECT_EQ(snapshot.GetMembers(author).size(), 3u);
}

}  // namespace
