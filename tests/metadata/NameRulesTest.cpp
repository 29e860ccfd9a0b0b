#include <gtest/gtest.h>

#include "metadata/NameRules.h"
#include "platform/Unicode.h"

namespace {

using namespace name_rules;

TEST(NameRulesTest, ObjectNameLowersOnlyALeadingAsciiCapital) {
  EXPECT_EQ(ObjectName("Book"), "book");
  EXPECT_EQ(ObjectName("BOOK"), "bOOK");
  EXPECT_EQ(ObjectName("A"), "a");
  EXPECT_EQ(ObjectName("Z1"), "z1");
  EXPECT_EQ(ObjectName("book"), "book");
  EXPECT_EQ(ObjectName("_Book"), "_Book");
  EXPECT_EQ(ObjectName("图书"), "图书");
  EXPECT_EQ(ObjectName(""), "");
}

TEST(NameRulesTest, IdentifierTailAllowsAsciiLettersDigitsAndUnderscore) {
  EXPECT_TRUE(IsIdentifierTail("book_2B"));
  EXPECT_TRUE(IsIdentifierTail("x"));
  EXPECT_TRUE(IsIdentifierTail("9ab"));  // the first character has rules of its own
  EXPECT_FALSE(IsIdentifierTail("a b"));
  EXPECT_FALSE(IsIdentifierTail("a-b"));
  EXPECT_FALSE(IsIdentifierTail("a.b"));
  EXPECT_FALSE(IsIdentifierTail("a'b"));
  EXPECT_FALSE(IsIdentifierTail("a\"b"));
  EXPECT_FALSE(IsIdentifierTail("a名"));
  EXPECT_FALSE(IsIdentifierTail("aé"));
}

TEST(NameRulesTest, ReservedWordsIgnoreCase) {
  for (const char* word :
       {"Class", "END", "string", "Date", "integer", "Me", "rem", "Nothing", "xor", "AddHandler", "NameOf"})
    EXPECT_TRUE(IsReservedWord(word)) << word;
  for (const char* word : {"Book", "value", "name", "text", "Classes", "endDate", "Async", "From", "r", ""})
    EXPECT_FALSE(IsReservedWord(word)) << word;
}

TEST(NameRulesTest, PlainFolderNameRefusesPathsAndMarkupCharacters) {
  for (const char* name : {"Shop", "图书管理", "my shop", "a-b_c.1", "x"})
    EXPECT_TRUE(IsPlainFolderName(name)) << name;
  for (const char* name : {"", ".", "..", ".hidden", "dot.", " lead", "trail ", "a/b", "a\\b", "a:b", "a*b", "a?b",
                           "a<b", "a>b", "a|b", "a\"b", "a&b", "a%b", "a;b", "a@b", "a$b", "a'b", "tab\tname",
                           "line\nbreak", "del\x7f"})
    EXPECT_FALSE(IsPlainFolderName(name)) << name;
  EXPECT_TRUE(IsPlainFolderName(std::string(200, 'a')));
  EXPECT_FALSE(IsPlainFolderName(std::string(201, 'a')));
}

// The project file names the root namespace with this; check compares class names with it.
TEST(NameRulesTest, RootNamespaceKeepsWhatAVbIdentifierHolds) {
  EXPECT_EQ(RootNamespaceOf("my shop"), "my_shop");
  EXPECT_EQ(RootNamespaceOf("2shop"), "_2shop");
  EXPECT_EQ(RootNamespaceOf("_x"), "__x");
  if (!platform::HasIcu()) GTEST_SKIP() << "no ICU on this system (icu.dll is missing: Wine has none)";
  EXPECT_EQ(RootNamespaceOf("Book·"), "Book_");
  EXPECT_EQ(RootNamespaceOf("图书（馆）—2、€"), "图书_馆__2__");
  EXPECT_EQ(RootNamespaceOf("１号"), "_１号");          // a full-width digit (Nd) first
  EXPECT_EQ(RootNamespaceOf("Café"), "Café");  // a combining mark stays
}

// Full case folding and NFC, as ICU answers on every system: the dotless ı
// folds to itself, so "Lıbrary" is not "Library".
TEST(NameRulesTest, NamesAreOneByFullCaseFoldingAndNfc) {
  if (!platform::HasIcu()) GTEST_SKIP() << "no ICU on this system (icu.dll is missing: Wine has none)";
  for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
           {"Äpfel", "äpfel"}, {"List", "Liſt"}, {"Aσ", "Aς"}, {"µx", "μx"},
           {"Café", "Café"}, {"STRASSE", "straße"}, {"Kelvin", "kelvin"}})
    EXPECT_TRUE(EqualsFoldingCase(a, b)) << a << " " << b;
  for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
           {"Library", "Lıbrary"}, {"Ä", "A"}, {"Cafe", "Café"}})
    EXPECT_FALSE(EqualsFoldingCase(a, b)) << a << " " << b;
}

}  // namespace
