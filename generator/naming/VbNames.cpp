#include "generator/naming/VbNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "generator/naming/DotnetNames.h"
#include "metadata/NameRules.h"

namespace {

std::string Lowered(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool InTable(const std::vector<std::string_view>& table, const std::string& name) {
  return std::binary_search(table.begin(), table.end(), std::string_view(Lowered(name)));
}

// The framework types the add and edit forms' code names without namespace.
constexpr std::array<std::pair<std::string_view, std::string_view>, 21> kBareFormTypes = {{
    {"Application", "System.Windows.Forms.Application"},
    {"BinaryReader", "System.IO.BinaryReader"},
    {"Convert", "System.Convert"},
    {"DataSet", "System.Data.DataSet"},
    {"DialogResult", "System.Windows.Forms.DialogResult"},
    {"Environment", "System.Environment"},
    {"EventArgs", "System.EventArgs"},
    {"Exception", "System.Exception"},
    {"FileAccess", "System.IO.FileAccess"},
    {"FileMode", "System.IO.FileMode"},
    {"FileStream", "System.IO.FileStream"},
    {"Form", "System.Windows.Forms.Form"},
    {"Image", "System.Drawing.Image"},
    {"Int32", "System.Int32"},
    {"MemoryStream", "System.IO.MemoryStream"},
    {"MessageBox", "System.Windows.Forms.MessageBox"},
    {"MessageBoxButtons", "System.Windows.Forms.MessageBoxButtons"},
    {"MessageBoxIcon", "System.Windows.Forms.MessageBoxIcon"},
    {"OpenFileDialog", "System.Windows.Forms.OpenFileDialog"},
    {"Path", "System.IO.Path"},
    {"PictureBoxSizeMode", "System.Windows.Forms.PictureBoxSizeMode"},
}};

// The bare types' names folded as Lowered folds.
const std::unordered_set<std::string>& BareFormTypesFolded() {
  static const std::unordered_set<std::string> folded = [] {
    std::unordered_set<std::string> names;
    for (const auto& type : kBareFormTypes) names.insert(Lowered(std::string(type.first)));
    return names;
  }();
  return folded;
}

}  // namespace

std::string UnclashedName(const std::string& name, std::initializer_list<std::string> taken) {
  std::string free = name;
  while (std::any_of(taken.begin(), taken.end(),
                     [&](const std::string& other) { return name_rules::EqualsIgnoringCase(free, other); }))
    free.insert(0, "_");
  return free;
}

std::string ModelClassRef(const std::string& className, const std::string& rootNamespace) {
  using namespace dotnet_names;
  const bool foundFirst = InTable(kImportedTypes, className) || InTable(kFormTypes, className) ||
                          InTable(kTopNamespaces, className) ||
                          name_rules::EqualsIgnoringCase(className, rootNamespace);
  return foundFirst ? "Model." + className : className;
}

std::string ProcedureName(const std::string& verb, const std::string& className) {
  const std::string name = verb + className;
  return name_rules::IsReservedWord(name) ? "[" + name + "]" : name;
}

std::string FormLocalName(const std::string& name, std::initializer_list<std::string> taken) {
  auto isBareType = [](const std::string& n) { return BareFormTypesFolded().contains(Lowered(n)); };
  std::string free = UnclashedName(name, taken);
  while (isBareType(free)) free = UnclashedName("_" + free, taken);
  return free;
}

namespace {

// The designer's labels label1, label2 ...
bool IsDesignerLabel(const std::string& name) {
  const std::string lower = Lowered(name);
  return lower.size() > 5 && lower.starts_with("label") &&
         std::all_of(lower.begin() + 5, lower.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string FormFieldName(const std::string& name, const std::vector<std::string>& declared) {
  const bool taken = InTable(dotnet_names::kFormMembers, name) || IsDesignerLabel(name) ||
                     name_rules::EqualsIgnoringCase(name, "components");
  std::string field = taken ? "_" + name : name;
  // A WithEvents field labelN also declares _labelN behind it.
  if (IsDesignerLabel(name)) field = "_" + field;
  const auto isDeclared = [&](const std::string& n) {
    return std::any_of(declared.begin(), declared.end(),
                       [&](const std::string& other) { return name_rules::EqualsIgnoringCase(n, other); });
  };
  for (;;) {
    // The handlers' parameters and fixed locals (the upload handler's file
    // stream and reader, the load handler's picture stream) would hide the field there.
    field = FormLocalName(field, {"sender", "e", "ms", "fs", "bw", "openFileDialog1"});
    if (!isDeclared(field)) return field;
    field = "_" + field;
  }
}

std::vector<std::string> FormTypeAliases(const std::vector<std::string>& classNames) {
  std::unordered_set<std::string> taken;
  for (const std::string& c : classNames)
    if (const std::string folded = Lowered(c); BareFormTypesFolded().contains(folded)) taken.insert(folded);
  std::vector<std::string> lines;
  for (const auto& [bare, full] : kBareFormTypes)
    if (taken.contains(Lowered(std::string(bare)))) lines.push_back("Imports " + std::string(bare) + " = " + std::string(full));
  return lines;
}
