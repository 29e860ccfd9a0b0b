#pragma once
// Code page 936 keeps ASCII as it is, and most generated text is ASCII: the
// conversions copy ASCII runs themselves and hand the system's converter only
// the runs between, cut where a character ends.

#include <string>
#include <string_view>

namespace platform {

// The system's conversions, every byte through them: what Utf8ToGbk and
// GbkToUtf8 give for any text.
std::string SystemUtf8ToGbk(std::string_view utf8);
std::string SystemGbkToUtf8(std::string_view gbk);

// text with its ASCII runs copied and every other run converted. A lead byte
// of code page 936 (81-FE) takes the byte after it into its run when
// doubleByte is set, as its converter reads the pair as one character.
std::string ConvertAroundAscii(std::string_view text, bool doubleByte, std::string (*convert)(std::string_view));
// The same into out, replacing what it held; its room is used again.
void ConvertAroundAscii(std::string_view text, bool doubleByte, std::string (*convert)(std::string_view),
                        std::string& out);

}  // namespace platform
