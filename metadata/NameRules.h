#pragma once
// Naming rules shared by the input checks and the generators.

#include <cstddef>
#include <string>

namespace name_rules {

// The generated solution is built on Windows, where a path may hold 260
// UTF-16 units. Its longest generated path below the executable's folder is
// "projects\P\P\FrmQuery{C}.Designer.vb": 2 |P| + |C| + 31 units. With these
// limits it stays within 161, leaving 99 for the executable's folder.
inline constexpr std::size_t kMaxProjectNameLength = 40;
inline constexpr std::size_t kMaxClassNameLength = 50;
// SQL Server's names hold at most 128 characters, and the generated
// statements name a member's parameter "@" + its name.
inline constexpr std::size_t kMaxMemberNameLength = 127;
// SQL Server's longest varchar(n).
inline constexpr int kMaxStringLength = 8000;

// Whether className is one of the tables every generated script makes
// (U_UserInfo, P_PasswordType), compared without regard to case as SQL
// Server's Chinese_PRC_CI_AS does.
bool IsFixedTableName(const std::string& className);

// The generated entity object's name: the class name with a leading ASCII
// capital lowered, otherwise unchanged.
std::string ObjectName(const std::string& className);

// ASCII letters, digits and underscore after the first character.
bool IsIdentifierTail(const std::string& name);

// A VB.NET reserved keyword, compared without regard to case as VB does.
bool IsReservedWord(const std::string& name);

// One plain folder name that is also safe inside the generated solution's
// XML and MSBuild files.
bool IsPlainFolderName(const std::string& name);

bool EqualsIgnoringCase(const std::string& a, const std::string& b);
// What two names are one by, whatever their letters' case and composition
// (Unicode's full case folding and NFC): Windows' file names and VB tell such
// names apart no better. A key to compare, not a text to show: without ICU it
// compares each code point's simple lower case.
std::string CaselessKey(const std::string& name);
bool EqualsFoldingCase(const std::string& a, const std::string& b);

// Why text cannot stand in generated code, or empty when it can: a control
// character, a character VB ends a line at (U+0085, U+2028, U+2029), an
// invisible format character (Unicode Cf: bidi marks, zero-width space ...),
// or bytes that are no UTF-8. The reason names the character's code point.
std::string UnsafeTextReason(const std::string& text);

// Why name cannot name a file or folder on Windows, or empty when it can: a
// reserved device name (CON, NUL, COM1 ..., with an extension too), or more
// than maxLength UTF-16 units.
std::string WindowsNameReason(const std::string& name, std::size_t maxLength);

// Model, BLL or DAL: the library projects of every generated solution.
bool IsTierProjectName(const std::string& name);

// Namespaces the generated code refers to by name, and Visual Basic's My.
bool IsGeneratedNamespace(const std::string& name);

// The user-interface project's root namespace, as its project file names it:
// the project name with every character that cannot stand in a VB identifier
// replaced by "_", and "_" in front when it does not begin with a letter.
std::string RootNamespaceOf(const std::string& projectName);

}  // namespace name_rules
