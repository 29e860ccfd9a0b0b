#include "metadata/Utf8Text.h"

#include "platform/Utf8Sequence.h"

namespace utf8_text {

std::size_t FirstInvalidByte(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const platform::TUtf8Step step = platform::NextUtf8(text.substr(at));
    if (!step.codePoint) return at;
    at += step.length;
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
