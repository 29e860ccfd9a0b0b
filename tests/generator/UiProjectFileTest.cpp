// The UI project file's item lists and the order its placeholders are filled in.

#include <gtest/gtest.h>

#include <filesystem>

#include "generator/vb/forms/UiProjectFile.h"
#include "support/TempHome.h"

namespace {
std::string Golden(const std::string& name) {
  return ReadBytes(std::filesystem::path(VBGEN_GOLDEN_DIR) / "ui" / name);
}
}  // namespace

TEST(UiProjectFile, ThreeFormsPerClassClassByClass) {
  TUiProjectItems items;
  AppendFormItems(items, "Book");
  AppendFormItems(items, "Reader");
  EXPECT_EQ(items.compile.Text(), Golden("project_items_compile.txt"));
  EXPECT_EQ(items.resources.Text(), Golden("project_items_resources.txt"));
}

TEST(UiProjectFile, FillsAllOccurrencesCaseSensitively) {
  TUiProjectItems items;
  AppendFormItems(items, "Book");
  const std::string text = UiProjectFileText(
      "<A>$CompileString</A><B>$EmbeddedResourceString</B>$project_name.exe $project_name $compilestring", items,
      "Lib");
  EXPECT_EQ(text, "<A>" + items.compile.Text() + "</A><B>" + items.resources.Text() +
                      "</B>Lib.exe Lib $compilestring");
}

TEST(UiProjectFile, EmptyClassListLeavesEmptyItemGroups) {
  EXPECT_EQ(UiProjectFileText("[$CompileString][$EmbeddedResourceString]", TUiProjectItems{}, "Lib"), "[][]");
}
