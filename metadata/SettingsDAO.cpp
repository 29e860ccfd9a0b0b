#include "metadata/SettingsDAO.h"

TGenerationSettings TSettingsDAO::GetSettings(int projectId) const {
  TGenerationSettings settings;
  auto rs = db_.OpenQuery("select settingName,settingValue from t_setting where projectId=?", {std::int64_t{projectId}});
  for (rs.First(); !rs.Eof(); rs.Next())
    for (const auto& field : kSettingFields)
      if (rs.GetStr("settingName") == field.key)
        if (const int choice = generation_settings::ChoiceOf(field, rs.GetStr("settingValue")); choice >= 0)
          field.set(settings, choice);
  return settings;
}

void TSettingsDAO::SaveSettings(int projectId, const TGenerationSettings& settings) const {
  std::vector<TStatement> statements;
  for (const auto& field : kSettingFields)
    statements.push_back({"insert or replace into t_setting(projectId,settingName,settingValue) values (?,?,?)",
                          {std::int64_t{projectId}, std::string(field.key),
                           generation_settings::WordOf(field, settings)}});
  db_.ExecBatch(statements);
}
