// The main form's menu texts and how they fill the two templates.

#include <gtest/gtest.h>

#include <filesystem>

#include "generator/vb/forms/MainFormText.h"
#include "support/TempHome.h"

namespace {

std::string Golden(const std::string& name) {
  return ReadBytes(std::filesystem::path(VBGEN_GOLDEN_DIR) / "ui" / "main_three_classes" / name);
}

// Book, a class without friendly name, Reader: menu numbers 8, 9 and 10.
TMainFormTexts ThreeClasses() {
  TMainFormTexts texts;
  AppendClassMenu(texts, 8, "Book", "图书");
  AppendClassMenu(texts, 9, "Tag", "");
  AppendClassMenu(texts, 10, "Reader", "读者");
  return texts;
}

}  // namespace

TEST(MainForm, HandlersFillTheCodeTemplate) {
  EXPECT_EQ(MainFormCodeText("$vbString", ThreeClasses()), Golden("vbString.txt"));
}

TEST(MainForm, EachDesignerPlaceholderGetsItsOwnText) {
  const TMainFormTexts texts = ThreeClasses();
  for (int n = 1; n <= 4; ++n) {
    const std::string placeholder = "$designerString" + std::to_string(n);
    EXPECT_EQ(MainFormDesignerText(placeholder, texts), Golden(placeholder.substr(1) + ".txt")) << placeholder;
  }
}

TEST(MainForm, EmptyClassListReplacesEveryPlaceholderByNothing) {
  const TMainFormTexts none;
  EXPECT_EQ(MainFormCodeText("a$vbString|b", none), "a|b");
  EXPECT_EQ(MainFormDesignerText("1$designerString1 2$designerString2 3$designerString3 4$designerString4", none),
            "1 2 3 4");
}

TEST(MainForm, EveryOccurrenceIsReplaced) {
  TMainFormTexts texts;
  AppendClassMenu(texts, 8, "Book", "图书");
  const std::string item = "        Me.toolStripMenuItem_8,\r\n";
  EXPECT_EQ(MainFormDesignerText("$designerString2$designerString2", texts), item + item);
}
