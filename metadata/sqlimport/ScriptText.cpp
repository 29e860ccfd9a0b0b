#include "metadata/sqlimport/ScriptText.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "metadata/Utf8Text.h"
#include "metadata/sqlimport/SqlTableModel.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

[[noreturn]] void Refuse(std::string_view text, std::size_t offset, const std::string& problem) {
  const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n');
  throw TSqlScriptError("第 " + std::to_string(line) + " 行: " + problem);
}

[[noreturn]] void Undecodable(std::string_view text, std::size_t offset, const char* encoding) {
  Refuse(text, offset, std::string("文件不是有效的 ") + encoding + " 文本 (可用 --source-encoding 指定编码)");
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Units after the mark; a lone surrogate or an odd byte is refused.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  const auto unit = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
  };
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    if (i + 1 >= bytes.size()) Undecodable(out, out.size(), "UTF-16");
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      Undecodable(out, out.size(), "UTF-16");
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::string FromGbk(std::string_view bytes) {
  platform::TStrictText decoded = platform::GbkToUtf8Strictly(bytes);
  if (decoded.badOffset) Undecodable(bytes, *decoded.badOffset, "GBK (代码页 936)");
  return std::move(decoded.text);
}

// UTF-16 without its mark reads as text full of NULs.
std::string WithoutNul(std::string text) {
  if (const auto nul = text.find('\0'); nul != std::string::npos) Refuse(text, nul, "文件含有 NUL 字符 (UTF-16 文件必须带 BOM)");
  return text;
}

std::string Decoded(const std::string& bytes, TSourceEncoding encoding) {
  std::string_view text = bytes;
  if (text.starts_with(kUtf16LeBom) || text.starts_with(kUtf16BeBom))
    return FromUtf16(text.substr(2), text.starts_with(kUtf16BeBom));
  const bool marked = text.starts_with(kUtf8Bom);
  if (marked) text.remove_prefix(kUtf8Bom.size());
  const std::size_t invalid = utf8_text::FirstInvalidByte(text);
  const bool valid = invalid == std::string_view::npos;
  if (marked || encoding == TSourceEncoding::Utf8 || (encoding == TSourceEncoding::Detect && valid)) {
    if (!valid) Undecodable(text, invalid, "UTF-8");
    return std::string(text);
  }
  return FromGbk(text);
}

}  // namespace

std::string ScriptText(const std::string& bytes, TSourceEncoding encoding) { return WithoutNul(Decoded(bytes, encoding)); }
