#pragma once
// Unicode's character data, normalization and case folding, from ICU: the
// library linked in on Linux, the system's icu.dll on Windows 10 and later.
// Where ICU is there, both systems give the same answers.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// False only on a Windows without icu.dll (before Windows 10, or Wine).
bool HasIcu();

// The text two names are one by, whatever their case and composition: the
// NFC form of the full case folding of the NFC form. nullopt without ICU, or
// for bytes that are no UTF-8.
std::optional<std::string> CaselessKey(std::string_view utf8);

// Unicode's general category of c, abbreviated ("Lu", "Nd", "Po" ...);
// empty without ICU.
std::string GeneralCategory(char32_t c);

}  // namespace platform
