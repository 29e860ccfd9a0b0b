#pragma once
// Splits T-SQL text (UTF-8) into tokens with their line numbers; comments of
// both kinds and white space are dropped.

#include <string>
#include <string_view>
#include <vector>

enum class TSqlTokenKind {
  Word,    // keyword or plain name: letters, digits, _ @ # $, non-ASCII
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

  // A Word equal to keyword (upper case) without regard to case.
  bool Is(std::string_view keyword) const;
  bool IsSymbol(char symbol) const { return kind == TSqlTokenKind::Symbol && text.size() == 1 && text[0] == symbol; }
};

// Ends with one End token. Raises TSqlScriptError for a string, name or block
// comment that is never closed, naming the line where it starts.
std::vector<TSqlToken> TokenizeSql(std::string_view text);
