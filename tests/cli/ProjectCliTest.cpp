#include "cli/EditingCli.h"
#include "support/StoreSeed.h"

namespace {

using ProjectCliTest = EditingCliTest;

TEST_F(ProjectCliTest, AddListRenameDelete) {
  ExpectPrinted(Run({"project", "add", "Shop"}), "工程名称添加成功！\n");
  ExpectPrinted(Run({"project", "add", "图书馆"}), "工程名称添加成功！\n");
  ExpectPrinted(Run({"project", "list"}), "编号\t工程名称\n1\tShop\n2\t图书馆\n");
  ExpectPrinted(Run({"project", "rename", "shop", "Store"}), "工程名称修改成功！\n");
  ExpectPrinted(Run({"project", "delete", "图书馆"}), "删除成功!\n");
  EXPECT_EQ(TProjectDAO().GetAll(), (TNameList{{"Store", 1}}));
}

TEST_F(ProjectCliTest, RefusedNamesStoreNothing) {
  SeedProject("Shop");
  ExpectRefused(Run({"project", "add", "SHOP"}), "该工程名称已经存在!");
  ExpectRefused(Run({"project", "add", ""}), "工程名称不能为空!");
  EXPECT_EQ(Run({"project", "add", "../escape"}).exitCode, 2);
  ExpectRefused(Run({"project", "rename", "Shop", ""}), "工程项目名称不能为空!");
  EXPECT_EQ(Run({"project", "rename", "Shop", "a/b"}).exitCode, 2);
  EXPECT_EQ(TProjectDAO().GetAll(), (TNameList{{"Shop", 1}}));
}

TEST_F(ProjectCliTest, UnknownProjectIsAnInputFault) {
  ExpectRefused(Run({"project", "delete", "Ghost"}), "工程 'Ghost' 不存在!");
  ExpectRefused(Run({"project", "rename", "@1", "New"}), "工程 '@1' 不存在!");
}

TEST_F(ProjectCliTest, SharedNameMustBeGivenByKey) {
  const int first = SeedProject("Shop");
  const int second = SeedProject("Store");
  ExpectRefused(Run({"project", "rename", "Store", "shop"}), "该工程名称已经存在!");
  TProjectDAO().RenameProject(second, "shop");  // as the store may hold it from an older version
  ExpectRefused(Run({"project", "delete", "SHOP"}), "工程名称 'SHOP' 不唯一，请用编号指定: @1 @2");
  ExpectPrinted(Run({"project", "delete", "@" + std::to_string(second)}), "删除成功!\n");
  EXPECT_EQ(TProjectDAO().GetAll(), (TNameList{{"Shop", first}}));
}

TEST_F(ProjectCliTest, DeletingAProjectDeletesItsClasses) {
  const int shop = SeedProject("Shop");
  SeedClass(shop, "Book");
  ExpectPrinted(Run({"project", "delete", "Shop"}), "删除成功!\n");
  EXPECT_TRUE(TClassDAO().GetClassList(shop).empty());
}

TEST_F(ProjectCliTest, SettingsPrintChangeAndRefuseAnUnknownWord) {
  SeedProject("Shop");
  ExpectPrinted(Run({"project", "settings", "Shop"}), "query-forms\tempty\nedits\toverwrite\nframework\tnet48\n");
  ExpectPrinted(Run({"project", "settings", "Shop", "--query-forms", "full"}), "生成设置修改成功！\n");
  ExpectRefused(Run({"project", "settings", "Shop", "--query-forms", "Full"}),
                "--query-forms 的值 Full 无效, 应为 empty|full 之一");
  ExpectPrinted(Run({"project", "settings", "Shop", "--edits", "merge"}), "生成设置修改成功！\n");
  ExpectPrinted(Run({"project", "settings", "Shop", "--framework", "net10.0-windows"}), "生成设置修改成功！\n");
  ExpectRefused(Run({"project", "settings", "Shop", "--framework", "net10"}),
                "--framework 的值 net10 无效, 应为 net48|net10.0-windows 之一");
  ExpectPrinted(Run({"project", "settings", "Shop"}), "query-forms\tfull\nedits\tmerge\nframework\tnet10.0-windows\n");
}

TEST_F(ProjectCliTest, MissingStoreIsAnErrorNamingTheFile) {
  std::filesystem::remove(home.database());
  const auto r = Run({"project", "list"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(home.database().string()), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(home.database()));
}

TEST_F(ProjectCliTest, UsageFaultsExitWithTwo) {
  EXPECT_EQ(Run({"project"}).exitCode, 2);
  EXPECT_EQ(Run({"project", "add"}).exitCode, 2);
  EXPECT_EQ(Run({"project", "add", "a", "b"}).exitCode, 2);
  EXPECT_EQ(Run({"nonsense"}).exitCode, 2);
  EXPECT_TRUE(TProjectDAO().GetAll().empty());
}

}  // namespace
