#pragma once
// Splits T-SQL text (UTF-8) into tokens with their line numbers, one at a
// time, so that a long script never exists as a list of tokens; comments of
// both kinds, white space and SQLCMD lines (":setvar", ":r" ...) are dropped.

#include <cstddef>
#include <string>
#include <string_view>

enum class TSqlTokenKind {
  Word,    // keyword or plain name: letters, digits, _ @ # $, non-ASCII; or a SQLCMD $(Variable)
  Name,    // [bracketed] or "quoted" name, text without the delimiters
  String,  // 'text' or N'text', text without quotes, '' made one quote
  Number,
  Symbol,  // one character: ( ) , . ; = + - ...
  End,
};

struct TSqlToken {
  TSqlTokenKind kind = TSqlTokenKind::End;
  std::string text;
  int line = 0;

  // A Word equal to keyword (upper-case ASCII) without regard to ASCII case.
  bool Is(std::string_view keyword) const;
  bool IsSymbol(char symbol) const { return kind == TSqlTokenKind::Symbol && text.size() == 1 && text[0] == symbol; }
};

class TSqlTokenizer {
 public:
  explicit TSqlTokenizer(std::string_view text) : text_(text) {}

  // The next token; End (again) at the end of the text. Raises TSqlScriptError
  // for a string, name or block comment that is never closed, naming the line
  // where it starts.
  TSqlToken Next();

 private:
  char At(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
  void Advance();
  [[noreturn]] void Unclosed(int line, const char* what) const;
  bool SkipBlanksAndComments();
  void SkipBlockComment();
  void SkipLine();
  std::string Delimited(char close, const char* what);

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool lineStart_ = true;  // nothing but blanks since the last line break
};
