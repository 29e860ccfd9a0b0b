#include "metadata/NameRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/Unicode.h"
#include "platform/Utf8Sequence.h"

namespace name_rules {

namespace {

// The words VB refuses as a name, lowered and sorted (contextual keywords are legal names).
constexpr std::string_view kReserved[] = {
#include "metadata/VbReservedWords.inc"
};

constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The code points of text; kNotUtf8 for each byte that starts no well-formed sequence.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const platform::TUtf8Step step = platform::NextUtf8(text.substr(i));
    points.push_back(step.codePoint.value_or(kNotUtf8));
    i += step.codePoint ? step.length : 1;
  }
  return points;
}

// Unicode's format characters (category Cf).
bool IsFormatCharacter(char32_t c) {
  constexpr std::pair<char32_t, char32_t> kRanges[] = {
      {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
      {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
      {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
      {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
      {0xE0020, 0xE007F}};
  return std::any_of(std::begin(kRanges), std::end(kRanges),
                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

std::string CodePointText(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// Windows opens these as devices whatever follows a dot; ¹ ² ³ count as digits.
bool IsDeviceName(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (EqualsIgnoringCase(base, device)) return true;
  for (const char* prefix : {"COM", "LPT"}) {
    if (base.size() < 4 || !EqualsIgnoringCase(base.substr(0, 3), prefix)) continue;
    const std::string digit = base.substr(3);
    if ((digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\u00B9" || digit == "\u00B2" ||
        digit == "\u00B3")
      return true;
  }
  return false;
}

}  // namespace

std::string ObjectName(const std::string& className) {
  std::string name = className;
  if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z') name[0] = static_cast<char>(name[0] + 32);
  return name;
}

bool IsIdentifierTail(const std::string& name) {
  return std::all_of(name.begin() + (name.empty() ? 0 : 1), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 && (std::isalnum(u) || c == '_');
  });
}

namespace {

// Names are compared by their ASCII letters only, whatever locale the process runs in.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsReservedWord(const std::string& name) {
  std::string lower(name.size(), '\0');
  std::transform(name.begin(), name.end(), lower.begin(), AsciiLower);
  return std::binary_search(std::begin(kReserved), std::end(kReserved), std::string_view(lower));
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsTierProjectName(const std::string& name) {
  return EqualsIgnoringCase(name, "Model") || EqualsIgnoringCase(name, "BLL") || EqualsIgnoringCase(name, "DAL");
}

bool IsFixedTableName(const std::string& className) {
  return EqualsIgnoringCase(className, "U_UserInfo") || EqualsIgnoringCase(className, "P_PasswordType");
}

bool IsGeneratedNamespace(const std::string& name) {
  // Visual Basic puts a My namespace into every project; no class may take its name (BC31210).
  return IsTierProjectName(name) || EqualsIgnoringCase(name, "System") || EqualsIgnoringCase(name, "Microsoft") ||
         EqualsIgnoringCase(name, "My");
}

std::string RootNamespaceOf(const std::string& projectName) {
  // What a VB identifier holds: letters, letter numbers, digits, combining
  // marks, connectors and format characters, a letter first. Without
  // Unicode's data (a Windows without ICU) other scripts' characters stay.
  const auto kept = [](const std::optional<char32_t>& point, bool first) {
    if (!point) return false;
    const auto c = static_cast<int>(*point);
    if (c < 0x80) return std::isalpha(c) || (!first && (std::isdigit(c) || c == '_'));
    const std::string category = platform::GeneralCategory(*point);
    if (category.empty() || category[0] == 'L' || category == "Nl") return true;
    return !first && (category == "Nd" || category == "Mn" || category == "Mc" || category == "Pc" || category == "Cf");
  };
  std::string name;
  for (std::string_view rest = projectName; !rest.empty();) {
    const platform::TUtf8Step step = platform::NextUtf8(rest);
    if (name.empty() && !kept(step.codePoint, true)) name = "_";
    name += kept(step.codePoint, false) ? std::string(rest.substr(0, step.length)) : "_";
    rest.remove_prefix(step.length);
  }
  return name;
}

bool IsPlainFolderName(const std::string& name) {
  if (name.empty() || name.size() > 200) return false;
  if (name.front() == ' ' || name.back() == ' ' || name.back() == '.' || name.front() == '.') return false;
  constexpr std::string_view kUnsafe = "<>:\"/\\|?*&%;@$'";
  return std::none_of(name.begin(), name.end(), [&](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f || kUnsafe.find(c) != std::string_view::npos;
  });
}

std::string CaselessKey(const std::string& name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii)
    if (auto key = platform::CaselessKey(name)) return *std::move(key);
  // ASCII folds to its lower case. Without ICU every other code point goes to
  // its simple lower case, as a 0xFF byte (which no UTF-8 holds) and its value.
  std::string key;
  for (const char32_t c : CodePoints(name)) {
    const char32_t lower = c == kNotUtf8 ? c : platform::LowerCase(c);
    if (lower < 0x80) {
      key += static_cast<char>(lower);
    } else {
      key += '\xFF';
      key.append(reinterpret_cast<const char*>(&lower), sizeof lower);
    }
  }
  return key;
}

bool EqualsFoldingCase(const std::string& a, const std::string& b) { return CaselessKey(a) == CaselessKey(b); }

std::string UnsafeTextReason(const std::string& text) {
  for (const char32_t c : CodePoints(text)) {
    if (c == kNotUtf8) return "不是有效的 UTF-8 文本!";
    if (c == 0x85 || c == 0x2028 || c == 0x2029) return "不能含有 VB 会当作换行的字符 (" + CodePointText(c) + ")!";
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return "不能含有换行符、制表符等控制字符 (" + CodePointText(c) + ")!";
    if (IsFormatCharacter(c)) return "不能含有不可见的格式字符 (" + CodePointText(c) + ")!";
  }
  return {};
}

std::string WindowsNameReason(const std::string& name, std::size_t maxLength) {
  if (IsDeviceName(name))
    return "不能是 Windows 的保留设备名 (CON、PRN、AUX、NUL、COM1 至 COM9、LPT1 至 LPT9，带扩展名也不行): "
           "Windows 上无法创建这样命名的文件或文件夹!";
  std::size_t units = 0;
  for (const char32_t c : CodePoints(name)) units += c > 0xFFFF && c != kNotUtf8 ? 2 : 1;
  if (units > maxLength)
    return "不能超过 " + std::to_string(maxLength) + " 个字符: 生成的文件路径会超过 Windows 的 260 个字符限制!";
  return {};
}

}  // namespace name_rules
