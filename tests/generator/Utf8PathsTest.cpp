// Every place that reads UTF-8 refuses the same ill-formed sequences: a
// sequence one path took as a character while another refused it would let
// bytes through that a later step chokes on.
#include <gtest/gtest.h>

#include "generator/naming/SqlNames.h"
#include "generator/output/TextForm.h"
#include "metadata/NameRules.h"
#include "metadata/Utf8Text.h"
#include "metadata/sqlimport/ScriptText.h"
#include "metadata/sqlimport/SqlTableModel.h"
#include "platform/Platform.h"

namespace {

TEST(Utf8Paths, EveryDecoderRefusesTheSameSequences) {
  const std::pair<const char*, std::string> kBad[] = {
      {"overlong, 2 bytes", "\xC1\xA1"},       {"overlong, 3 bytes", "\xE0\x81\xA1"},
      {"overlong, 4 bytes", "\xF0\x80\x81\xA1"}, {"surrogate", "\xED\xA0\x80"},
      {"truncated", "\xE4\xB8"},                {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
      {"lead past F4", "\xF5\x80\x80\x80"},     {"stray continuation", "\x80"},
  };
  for (const auto& [label, bad] : kBad) {
    SCOPED_TRACE(label);
    const std::string text = "\xE4\xB8\xAD" "a" + bad;  // "中a" first: well-formed and not ASCII
    EXPECT_EQ(utf8_text::FirstInvalidByte(text), 4u);
    EXPECT_EQ(name_rules::UnsafeTextReason(text), "不是有效的 UTF-8 文本!");
    EXPECT_EQ(DetectForm(text).encoding, TTextEncoding::Gbk);
    EXPECT_THROW(ScriptText(text, TSourceEncoding::Utf8), TSqlScriptError);
    EXPECT_EQ(platform::Utf8ToGbk(text).substr(3, 1), "?");
    EXPECT_EQ(sql_names::Name("a" + bad).front(), '[');
  }
  const std::string good = "\xE4\xB8\xAD" "a";
  EXPECT_TRUE(utf8_text::IsValid(good));
  EXPECT_EQ(name_rules::UnsafeTextReason(good), "");
  EXPECT_EQ(DetectForm(good).encoding, TTextEncoding::Utf8);
  EXPECT_EQ(ScriptText(good, TSourceEncoding::Utf8), good);
  EXPECT_EQ(sql_names::Name("a"), "a");
}

}  // namespace
