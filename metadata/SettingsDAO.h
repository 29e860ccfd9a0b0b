#pragma once
// A project's generation settings in t_setting: one row per setting that has
// been set, holding its word; a missing row, or a word this program does not
// know, reads as the default.

#include "metadata/DbHelper.h"
#include "metadata/GenerationSettings.h"

class TSettingsDAO {
 public:
  TGenerationSettings GetSettings(int projectId) const;
  // Writes every setting of the project in one transaction.
  void SaveSettings(int projectId, const TGenerationSettings& settings) const;

 private:
  TDbHelper db_;
};
