#include "generator/naming/SqlNames.h"

#include <algorithm>
#include <cctype>

#include "generator/GenContext.h"
#include "metadata/NameRules.h"
#include "platform/Utf8Sequence.h"

namespace sql_names {

namespace {

const std::vector<std::string_view> kReserved = {
#include "generator/naming/SqlReservedWords.inc"
};

// The code point of the UTF-8 sequence at text[i], advancing i past it; 0
// for a malformed sequence.
char32_t NextCodePoint(const std::string& text, std::size_t& i) {
  const platform::TUtf8Step step = platform::NextUtf8(std::string_view(text).substr(i));
  i += step.length;
  return step.codePoint.value_or(0);
}

// Letters of a regular identifier: ASCII letters, "_", and the CJK
// ideographs of Unicode 3.2, the letter table SQL Server's rules name. Other
// characters outside ASCII are bracketed rather than classified.
bool IsLetter(char32_t c) {
  return (c < 0x80 && (std::isalpha(static_cast<int>(c)) || c == '_')) || (c >= 0x4E00 && c <= 0x9FA5) ||
         (c >= 0x3400 && c <= 0x4DB5);
}

// T-SQL counts a name's length in UTF-16 code units.
constexpr std::size_t kMaxNameLength = 128;

bool IsRegularIdentifier(const std::string& name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  bool ascii = true;
  for (std::size_t i = 0, k = 0; i < name.size(); ++k) {
    const auto byte = static_cast<unsigned char>(name[i]);
    const char32_t c = byte < 0x80 ? name[i++] : NextCodePoint(name, i);
    ascii = ascii && byte < 0x80;
    if (!IsLetter(c) && !(k > 0 && c >= '0' && c <= '9')) return false;
  }
  if (!ascii) return true;  // every reserved word is ASCII
  std::string upper = name;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return !std::binary_search(kReserved.begin(), kReserved.end(), upper);
}

}  // namespace

std::string Name(const std::string& name) { return IsRegularIdentifier(name) ? name : Bracketed(name); }

namespace {

// text cut at a character boundary to at most units UTF-16 code units.
std::string Shortened(const std::string& text, std::size_t units) {
  std::size_t used = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    used += NextCodePoint(text, i) >= 0x10000 ? 2 : 1;
    if (used > units) return text.substr(0, start);
  }
  return text;
}

}  // namespace

std::string Unused(const std::string& text, const std::vector<std::string>& taken) {
  const auto isTaken = [&](const std::string& name) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](const std::string& other) { return name_rules::EqualsIgnoringCase(other, name); });
  };
  std::string name = Shortened(text, kMaxNameLength);
  for (int n = 2; isTaken(name); ++n) {
    const std::string number = "_" + std::to_string(n);
    name = Shortened(text, kMaxNameLength - number.size()) + number;
  }
  return name;
}

std::string Bracketed(const std::string& name) { return "[" + ReplaceAll(name, "]", "]]") + "]"; }

std::string DboTable(const std::string& name) { return "[dbo]." + Bracketed(name); }

std::string Literal(const std::string& text) { return "'" + ReplaceAll(text, "'", "''") + "'"; }

const std::vector<std::string_view>& ReservedWords() { return kReserved; }

}  // namespace sql_names
