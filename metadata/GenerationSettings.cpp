#include "metadata/GenerationSettings.h"

const std::vector<TSettingField> kSettingFields = {
    {"queryForms", "query-forms", "查询窗体",
     {{"empty", "空窗体"}, {"full", "查询、分页、修改和删除"}},
     [](const TGenerationSettings& s) { return static_cast<int>(s.queryForms); },
     [](TGenerationSettings& s, int choice) { s.queryForms = static_cast<TQueryForms>(choice); }},
    {"edits", "edits", "手工修改",
     {{"overwrite", "覆盖: 重新生成每个文件"}, {"merge", "合并: 保留手工修改"}},
     [](const TGenerationSettings& s) { return static_cast<int>(s.edits); },
     [](TGenerationSettings& s, int choice) { s.edits = static_cast<TEditMode>(choice); }},
    {"framework", "framework", "目标框架",
     {{"net48", ".NET Framework 4.8"}, {"net10.0-windows", ".NET 10 (Windows)"}},
     [](const TGenerationSettings& s) { return static_cast<int>(s.framework); },
     [](TGenerationSettings& s, int choice) { s.framework = static_cast<TFramework>(choice); }},
};

namespace generation_settings {

std::string WordOf(const TSettingField& field, const TGenerationSettings& settings) {
  return field.choices.at(static_cast<std::size_t>(field.get(settings))).word;
}

int ChoiceOf(const TSettingField& field, const std::string& word) {
  for (std::size_t i = 0; i < field.choices.size(); ++i)
    if (word == field.choices[i].word) return static_cast<int>(i);
  return -1;
}

std::string WordsOf(const TSettingField& field) {
  std::string words;
  for (const auto& choice : field.choices) {
    if (!words.empty()) words += '|';
    words += choice.word;
  }
  return words;
}

}  // namespace generation_settings
