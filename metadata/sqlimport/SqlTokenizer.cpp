#include "metadata/sqlimport/SqlTokenizer.h"

#include <algorithm>

#include "metadata/sqlimport/SqlTableModel.h"

bool TSqlToken::Is(std::string_view keyword) const {
  if (kind != TSqlTokenKind::Word || text.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != keyword[i]) return false;
  }
  return true;
}

namespace {

bool IsWordStart(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || c == '_' || c == '@' || c == '#' || u >= 0x80;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c) { return IsWordStart(c) || IsDigit(c) || c == '$'; }

}  // namespace

void TSqlTokenizer::Advance() {
  if (text_[pos_] == '\n') {
    ++line_;
    lineStart_ = true;
  }
  ++pos_;
}

void TSqlTokenizer::Unclosed(int line, const char* what) const {
  throw TSqlScriptError("第 " + std::to_string(line) + " 行: " + what + "没有结束");
}

void TSqlTokenizer::SkipLine() {
  while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
}

// false at the end of the text.
bool TSqlTokenizer::SkipBlanksAndComments() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
      Advance();
    } else if (c == '-' && At(pos_ + 1) == '-') {
      SkipLine();
    } else if (c == '/' && At(pos_ + 1) == '*') {
      SkipBlockComment();
    } else if (c == ':' && lineStart_ && IsWordStart(At(pos_ + 1))) {
      SkipLine();  // a SQLCMD command: the tools run it, it declares nothing
    } else {
      return true;
    }
  }
  return false;
}

// T-SQL block comments nest.
void TSqlTokenizer::SkipBlockComment() {
  const int start = line_;
  int depth = 0;
  do {
    if (pos_ >= text_.size()) Unclosed(start, "注释 /* ");
    if (text_[pos_] == '/' && At(pos_ + 1) == '*') {
      ++depth;
      pos_ += 2;
    } else if (text_[pos_] == '*' && At(pos_ + 1) == '/') {
      --depth;
      pos_ += 2;
    } else {
      Advance();
    }
  } while (depth > 0);
}

// Text up to close, a doubled close standing for one.
std::string TSqlTokenizer::Delimited(char close, const char* what) {
  const int start = line_;
  std::string text;
  ++pos_;
  for (;;) {
    const std::size_t end = text_.find(close, pos_);
    if (end == std::string_view::npos) Unclosed(start, what);
    const std::string_view piece = text_.substr(pos_, end - pos_);
    line_ += static_cast<int>(std::count(piece.begin(), piece.end(), '\n'));
    text += piece;
    pos_ = end + 1;
    if (At(pos_) != close) return text;
    text += close;
    ++pos_;
  }
}

TSqlToken TSqlTokenizer::Next() {
  if (!SkipBlanksAndComments()) return {TSqlTokenKind::End, "", line_};
  lineStart_ = false;
  const int line = line_;
  const char c = text_[pos_];
  if ((c == 'N' || c == 'n') && At(pos_ + 1) == '\'') {
    ++pos_;
    return {TSqlTokenKind::String, Delimited('\'', "字符串"), line};
  }
  if (c == '\'') return {TSqlTokenKind::String, Delimited('\'', "字符串"), line};
  if (c == '[') return {TSqlTokenKind::Name, Delimited(']', "名称 ["), line};
  if (c == '"') return {TSqlTokenKind::Name, Delimited('"', "名称 \""), line};
  const std::size_t start = pos_;
  if (c == '$' && At(pos_ + 1) == '(') {
    const std::size_t end = text_.find(')', pos_);
    if (end == std::string_view::npos || text_.substr(pos_, end - pos_).find('\n') != std::string_view::npos)
      Unclosed(line, "SQLCMD 变量 $( ");
    pos_ = end + 1;
    return {TSqlTokenKind::Word, std::string(text_.substr(start, pos_ - start)), line};
  }
  if (IsWordStart(c)) {
    while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
    return {TSqlTokenKind::Word, std::string(text_.substr(start, pos_ - start)), line};
  }
  if (IsDigit(c)) {
    while (pos_ < text_.size() && (IsWordChar(text_[pos_]) || text_[pos_] == '.')) ++pos_;
    return {TSqlTokenKind::Number, std::string(text_.substr(start, pos_ - start)), line};
  }
  ++pos_;
  return {TSqlTokenKind::Symbol, std::string(1, c), line};
}
