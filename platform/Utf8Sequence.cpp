#include "platform/Utf8Sequence.h"

namespace platform {

TUtf8Step NextUtf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {1, lead};
  std::size_t length = 1;
  char32_t codePoint = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, codePoint = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, codePoint = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, codePoint = lead & 0x07;
  if (length == 1) return {1, std::nullopt};
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size()) return {i, std::nullopt};
    const auto next = static_cast<unsigned char>(text[i]);
    // Overlong forms, surrogates and code points above U+10FFFF end at their second byte.
    const bool outOfRange = i == 1 && ((lead == 0xE0 && next < 0xA0) || (lead == 0xED && next > 0x9F) ||
                                       (lead == 0xF0 && next < 0x90) || (lead == 0xF4 && next > 0x8F));
    if ((next & 0xC0) != 0x80 || outOfRange) return {i, std::nullopt};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  return {length, codePoint};
}

}  // namespace platform
