#include <gtest/gtest.h>

#include "metadata/ProjectDAO.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

class ProjectDAOTest : public ::testing::Test {
 protected:
  TTempHome home{false};
  TProjectDAO dao;
};

TEST_F(ProjectDAOTest, ListsProjectsInInsertionOrderWithTheirKeys) {
  EXPECT_TRUE(dao.GetAll().empty());
  const int zoo = SeedProject("Zoo");
  const int apple = SeedProject("apple");
  EXPECT_EQ(dao.GetAll(), (TNameList{{"Zoo", zoo}, {"apple", apple}}));
  EXPECT_LT(zoo, apple);
}

TEST_F(ProjectDAOTest, NamesCompareWithoutRegardToAsciiCase) {
  const int id = SeedProject("Shop");
  EXPECT_EQ(dao.CountByName("SHOP"), 1);
  EXPECT_EQ(dao.CountByName("shop"), 1);
  EXPECT_EQ(dao.CountByName("Shop2"), 0);
  EXPECT_EQ(dao.GetProjectId("sHoP"), id);
  EXPECT_EQ(dao.GetProjectId("nothing"), -1);
}

TEST_F(ProjectDAOTest, RenameChangesOnlyThatProject) {
  const int a = SeedProject("a");
  const int b = SeedProject("b");
  dao.RenameProject(a, "b");  // another project's name is accepted
  EXPECT_EQ(dao.GetAll(), (TNameList{{"b", a}, {"b", b}}));
  EXPECT_EQ(dao.CountByName("b"), 2);
}

TEST_F(ProjectDAOTest, DeleteRemovesTheProjectItsClassesAndTheirMembers) {
  const int doomed = SeedProject("doomed");
  const int kept = SeedProject("kept");
  const int doomedClass = SeedClass(doomed, "Book");
  const int keptClass = SeedClass(kept, "Book");
  SeedMember(doomed, doomedClass, "id", member_type::kInteger);
  SeedMember(doomed, 999, "stray", member_type::kInteger);  // its class gone already
  const int keptMember = SeedMember(kept, keptClass, "id", member_type::kInteger);

  dao.DeleteProject(doomed);

  EXPECT_EQ(dao.GetAll(), (TNameList{{"kept", kept}}));
  EXPECT_TRUE(TClassDAO().GetClassList(doomed).empty());
  EXPECT_EQ(TClassDAO().GetClassList(kept).size(), 1u);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_member"), 1);
  EXPECT_TRUE(TMemberDAO().GetMember(keptMember));
}

TEST_F(ProjectDAOTest, FailedDeletionKeepsTheProjectAndReportsTheError) {
  const int id = SeedProject("p");
  TDbHelper().ExecSql("alter table t_class rename to t_class_gone");
  EXPECT_THROW(dao.DeleteProject(id), TDbError);
  EXPECT_EQ(dao.GetAll(), (TNameList{{"p", id}}));
}

TEST_F(ProjectDAOTest, KeysOfDeletedProjectsAreNeverGivenAgain) {
  SeedProject("first");
  const int last = SeedProject("second");
  dao.DeleteProject(last);
  EXPECT_GT(SeedProject("third"), last);
}

}  // namespace
