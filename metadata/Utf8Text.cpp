#include "metadata/Utf8Text.h"

namespace utf8_text {

namespace {

// The byte count of the character a lead byte starts and the range its second
// byte must lie in (narrower than 80..BF where that rules out overlong forms,
// surrogates and values past U+10FFFF); 0 for a byte that starts none.
struct TLead {
  std::size_t length;
  unsigned char low, high;
};

TLead LeadOf(unsigned char byte) {
  if (byte < 0x80) return {1, 0, 0};
  if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
  if (byte == 0xE0) return {3, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
  if (byte == 0xF0) return {4, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
  if (byte == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

bool IsContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

}  // namespace

std::size_t FirstInvalidByte(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const TLead lead = LeadOf(static_cast<unsigned char>(text[at]));
    if (lead.length == 0 || at + lead.length > text.size()) return at;
    if (lead.length > 1) {
      const auto second = static_cast<unsigned char>(text[at + 1]);
      if (second < lead.low || second > lead.high) return at;
      for (std::size_t i = 2; i < lead.length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return at;
    }
    at += lead.length;
  }
  return std::string_view::npos;
}

void Require(TInputField field, const std::string& text, const std::string& what) {
  const std::size_t at = FirstInvalidByte(text);
  if (at != std::string_view::npos)
    throw TInputError(field,
                      what + "不是有效的 UTF-8 文本 (第 " + std::to_string(at + 1) + " 个字节): 请用 UTF-8 编码输入。");
}

}  // namespace utf8_text
