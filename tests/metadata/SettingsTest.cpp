#include <gtest/gtest.h>

#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJson.h"
#include "metadata/SettingsDAO.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

const TGenerationSettings kFull{TQueryForms::Full, TEditMode::Merge, TFramework::Net10Windows};

TEST(Settings, DefaultsUntilSavedThenPerProjectAndGoneWithTheirProject) {
  TTempHome home(false);
  const int shop = SeedProject("Shop");
  const int school = SeedProject("School");
  const TSettingsDAO dao;
  EXPECT_EQ(dao.GetSettings(shop), TGenerationSettings{});
  dao.SaveSettings(shop, kFull);
  EXPECT_EQ(dao.GetSettings(shop), kFull);
  EXPECT_EQ(dao.GetSettings(school), TGenerationSettings{});
  dao.SaveSettings(shop, {});
  EXPECT_EQ(dao.GetSettings(shop), TGenerationSettings{});

  dao.SaveSettings(shop, kFull);
  TProjectDAO().DeleteProject(shop);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_setting"), 0);
}

TEST(Settings, AWordThisProgramDoesNotKnowReadsAsTheDefault) {
  TTempHome home(false);
  const int shop = SeedProject("Shop");
  TDbHelper().ExecSql("insert into t_setting values (?, 'queryForms', 'fancy')", {std::int64_t{shop}});
  EXPECT_EQ(TSettingsDAO().GetSettings(shop), TGenerationSettings{});
}

TEST(Settings, AStoreMadeBeforeTheTableGainsItWhenOpened) {
  TTempHome home(false);
  const int shop = SeedProject("Shop");
  TDbHelper().ExecSql("drop table t_setting");
  TDbHelper::SetDatabaseFile(home.database());  // closes; the next statement opens it again
  TSettingsDAO().SaveSettings(shop, kFull);
  EXPECT_EQ(TSettingsDAO().GetSettings(shop), kFull);
}

TEST(Settings, TravelWithTheProjectFileAndAFileWithoutThemHasTheDefaults) {
  TTempHome home(false);
  const int shop = SeedProject("Shop");
  TSettingsDAO().SaveSettings(shop, kFull);
  std::string text = project_json::ExportProject({"Shop", shop});
  const TListEntry copy = project_json::ImportProject(text, "Copy");
  EXPECT_EQ(TSettingsDAO().GetSettings(copy.tag), kFull);

  const auto settings = text.find("  \"settings\"");
  text.erase(settings, text.find("  \"classes\"") - settings);
  const TListEntry old = project_json::ImportProject(text, "Old");
  EXPECT_EQ(TSettingsDAO().GetSettings(old.tag), TGenerationSettings{});
}

}  // namespace
