#include "metadata/NameRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace name_rules {

namespace {

// Reserved keywords of Visual Basic .NET (contextual keywords are legal names).
constexpr std::array<std::string_view, 152> kReserved = {
    "addhandler", "addressof", "alias", "and", "andalso", "as", "boolean", "byref", "byte", "byval",
    "call", "case", "catch", "cbool", "cbyte", "cchar", "cdate", "cdbl", "cdec", "char",
    "cint", "class", "clng", "cobj", "const", "continue", "csbyte", "cshort", "csng", "cstr",
    "ctype", "cuint", "culng", "cushort", "date", "decimal", "declare", "default", "delegate", "dim",
    "directcast", "do", "double", "each", "else", "elseif", "end", "endif", "enum", "erase",
    "error", "event", "exit", "false", "finally", "for", "friend", "function", "get", "gettype",
    "getxmlnamespace", "global", "gosub", "goto", "handles", "if", "implements", "imports", "in", "inherits",
    "integer", "interface", "is", "isnot", "let", "lib", "like", "long", "loop", "me",
    "mod", "module", "mustinherit", "mustoverride", "mybase", "myclass", "namespace", "narrowing", "new", "next",
    "not", "nothing", "notinheritable", "notoverridable", "object", "of", "on", "operator", "option", "optional",
    "or", "orelse", "overloads", "overridable", "overrides", "paramarray", "partial", "private", "property", "protected",
    "public", "raiseevent", "readonly", "redim", "rem", "removehandler", "resume", "return", "sbyte", "select",
    "set", "shadows", "shared", "short", "single", "static", "step", "stop", "string", "structure",
    "sub", "synclock", "then", "throw", "to", "true", "try", "trycast", "typeof", "uinteger",
    "ulong", "ushort", "using", "variant", "wend", "when", "while", "widening", "with", "withevents",
    "writeonly", "xor"};

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

bool IsReservedWord(const std::string& name) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::find(kReserved.begin(), kReserved.end(), lower) != kReserved.end();
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

bool IsTierProjectName(const std::string& name) {
  return EqualsIgnoringCase(name, "Model") || EqualsIgnoringCase(name, "BLL") || EqualsIgnoringCase(name, "DAL");
}

bool IsGeneratedNamespace(const std::string& name) {
  // Visual Basic puts a My namespace into every project; no class may take its name (BC31210).
  return IsTierProjectName(name) || EqualsIgnoringCase(name, "System") || EqualsIgnoringCase(name, "Microsoft") ||
         EqualsIgnoringCase(name, "My");
}

std::string RootNamespaceOf(const std::string& projectName) {
  // Bytes of non-ASCII characters stay: those characters are letters or
  // digits of other scripts, which an identifier may hold.
  std::string name = projectName;
  for (char& c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80 && !std::isalnum(u) && c != '_') c = '_';
  }
  if (!name.empty() && static_cast<unsigned char>(name[0]) < 0x80 && !std::isalpha(static_cast<unsigned char>(name[0])))
    name.insert(0, "_");
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

}  // namespace name_rules
