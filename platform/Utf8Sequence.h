#pragma once
// Walking UTF-8 text one character at a time: the one UTF-8 decoder of the
// tree, so that the code-page converters of every system, the input checks,
// the import and the generators all refuse exactly the same bytes.

#include <cstddef>
#include <optional>
#include <string_view>

namespace platform {

// The character at the front of text (not empty): a well-formed sequence
// with its code point, or the ill-formed bytes one "?" stands for (the
// longest start of a sequence that the text holds, at least one byte) and no
// code point.
struct TUtf8Step {
  std::size_t length;
  std::optional<char32_t> codePoint;
};
TUtf8Step NextUtf8(std::string_view text);

}  // namespace platform
