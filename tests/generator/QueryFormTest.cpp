// The query form's texts against hand-written expected files.

#include <gtest/gtest.h>

#include <filesystem>

#include "generator/vb/forms/QueryFormText.h"
#include "support/TempHome.h"

namespace {
std::string Golden(const std::string& name) {
  return ReadBytes(std::filesystem::path(VBGEN_GOLDEN_DIR) / "ui" / name);
}
}  // namespace

TEST(QueryForm, CodeFileEndsWithAnIndentedEndClass) {
  EXPECT_EQ(QueryFormCodeText("Book"), Golden("FrmQueryBook.vb"));
}

TEST(QueryForm, DesignerCarriesTheTitleAndTheFixedComment) {
  EXPECT_EQ(QueryFormDesignerText("Book", "图书"), Golden("FrmQueryBook.Designer.vb"));
}

TEST(QueryForm, EmptyFriendlyNameLeavesTheTitleAlone) {
  EXPECT_EQ(QueryFormDesignerText("Tag", ""), Golden("FrmQueryTag.Designer.vb"));
}
