#pragma once
// A project's generation settings: choices that change what a run writes,
// stored per project beside its classes. Every setting is one choice among
// fixed words; the first word is the default a project has until it is changed.
// A new setting is an enum, a field of TGenerationSettings and a row of
// kSettingFields; the store, the project file, vbgen project settings and the
// workbench dialog all walk that table.

#include <string>
#include <vector>

// empty: the query form is the bare window; full: it searches, pages, edits and deletes.
enum class TQueryForms { Empty, Full };

// overwrite: a run writes every generated file again; merge: it keeps hand
// edits by merging them with what it generates.
enum class TEditMode { Overwrite, Merge };

// The framework the generated solution targets: .NET Framework 4.8 with
// System.Data.SqlClient, or .NET 10 for Windows with Microsoft.Data.SqlClient.
enum class TFramework { Net48, Net10Windows };

struct TGenerationSettings {
  TQueryForms queryForms = TQueryForms::Empty;
  TEditMode edits = TEditMode::Overwrite;
  TFramework framework = TFramework::Net48;
  bool operator==(const TGenerationSettings&) const = default;
};

struct TSettingChoice {
  const char* word;     // stored, written to files and typed on the command line
  const char* caption;  // shown in the dialog
};

struct TSettingField {
  const char* key;      // the store's settingName and the project file's key
  const char* option;   // vbgen project settings --option
  const char* caption;  // the dialog's label
  std::vector<TSettingChoice> choices;
  int (*get)(const TGenerationSettings&);
  void (*set)(TGenerationSettings&, int choice);
};

extern const std::vector<TSettingField> kSettingFields;

namespace generation_settings {

// The word of a field's current choice.
std::string WordOf(const TSettingField& field, const TGenerationSettings& settings);
// The index of word among the field's choices, -1 when it is none of them.
int ChoiceOf(const TSettingField& field, const std::string& word);
// "empty|full"
std::string WordsOf(const TSettingField& field);

}  // namespace generation_settings
