// Script files in the encodings people save them in all read as the same text.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "metadata/sqlimport/ScriptText.h"
#include "metadata/sqlimport/SqlTableModel.h"
#include "platform/Platform.h"

using testing::HasSubstr;

namespace {

// "-- 学生😀" then a line break and "GO": CJK and a character beyond the BMP.
const std::string kText = "-- \xE5\xAD\xA6\xE7\x94\x9F\xF0\x9F\x98\x80\r\nGO";
const std::string kUtf16Le = std::string("\xFF\xFE-\0-\0 \0\x66\x5B\x1F\x75\x3D\xD8\x00\xDE\r\0\n\0G\0O\0", 24);
const std::string kUtf16Be = std::string("\xFE\xFF\0-\0-\0 \x5B\x66\x75\x1F\xD8\x3D\xDE\x00\0\r\0\n\0G\0O", 24);

std::string Refusal(const std::string& bytes, TSourceEncoding encoding) {
  try {
    ScriptText(bytes, encoding);
  } catch (const TSqlScriptError& e) {
    return e.what();
  }
  return "accepted";
}

}  // namespace

TEST(ScriptText, ReadsUtf8Utf16AndCodePage936) {
  EXPECT_EQ(ScriptText(kText, TSourceEncoding::Detect), kText);
  EXPECT_EQ(ScriptText("\xEF\xBB\xBF" + kText, TSourceEncoding::Gbk), kText);  // the mark wins
  EXPECT_EQ(ScriptText(kUtf16Le, TSourceEncoding::Detect), kText);
  EXPECT_EQ(ScriptText(kUtf16Be, TSourceEncoding::Utf8), kText);
  const std::string gbk = platform::Utf8ToGbk("-- \xE5\xAD\xA6\xE7\x94\x9F\r\nGO");
  EXPECT_EQ(ScriptText(gbk, TSourceEncoding::Detect), "-- \xE5\xAD\xA6\xE7\x94\x9F\r\nGO");
  EXPECT_EQ(ScriptText(gbk, TSourceEncoding::Gbk), "-- \xE5\xAD\xA6\xE7\x94\x9F\r\nGO");
}

TEST(ScriptText, RefusesBytesOfNoEncodingNamingTheLine) {
  EXPECT_THAT(Refusal("GO\n-- \xC4\xE3\xBA\xC3\n", TSourceEncoding::Utf8), HasSubstr("第 2 行: 文件不是有效的 UTF-8 文本"));
  EXPECT_THAT(Refusal("GO\nGO\n-- \x81\x20", TSourceEncoding::Gbk), HasSubstr("第 3 行: 文件不是有效的 GBK"));
  EXPECT_THAT(Refusal(std::string("\xFF\xFEG\0\n\0\x00\xDC", 8), TSourceEncoding::Detect),
              HasSubstr("第 2 行: 文件不是有效的 UTF-16"));                                          // a lone surrogate
  EXPECT_THAT(Refusal(std::string("\xFF\xFEG", 3), TSourceEncoding::Detect), HasSubstr("UTF-16"));  // half a unit
  EXPECT_THAT(Refusal(std::string("G\0O\0\n\0", 6), TSourceEncoding::Detect),
              HasSubstr("第 1 行: 文件含有 NUL 字符 (UTF-16 文件必须带 BOM)"));
}
