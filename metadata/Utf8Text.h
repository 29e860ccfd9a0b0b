#pragma once
// UTF-8 is the one text encoding inside the program and in the store; bytes
// that are not UTF-8 are refused where they come in, since the store would
// keep them and every later export and generation would stumble over them.

#include <cstddef>
#include <string>
#include <string_view>

#include "metadata/InputRules.h"

namespace utf8_text {

// The offset of the first byte that does not start or continue a well-formed
// UTF-8 character (overlong forms, surrogates and code points past U+10FFFF
// included); npos when the whole text is well-formed.
std::size_t FirstInvalidByte(std::string_view text);

inline bool IsValid(std::string_view text) { return FirstInvalidByte(text) == std::string_view::npos; }

// Raises TInputError for field, naming the text as what, unless text is well-formed.
void Require(TInputField field, const std::string& text, const std::string& what);

}  // namespace utf8_text
