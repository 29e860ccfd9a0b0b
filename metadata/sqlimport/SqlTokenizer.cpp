#include "metadata/sqlimport/SqlTokenizer.h"

#include "metadata/NameRules.h"
#include "metadata/sqlimport/SqlTableModel.h"

bool TSqlToken::Is(std::string_view keyword) const {
  return kind == TSqlTokenKind::Word && name_rules::EqualsIgnoringCase(text, std::string(keyword));
}

namespace {

bool IsWordStart(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || c == '_' || c == '@' || c == '#' || u >= 0x80;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c) { return IsWordStart(c) || IsDigit(c) || c == '$'; }

class TTokenizer {
 public:
  explicit TTokenizer(std::string_view text) : text_(text) {}

  std::vector<TSqlToken> Run() {
    while (SkipBlanksAndComments()) tokens_.push_back(Next());
    tokens_.push_back({TSqlTokenKind::End, "", line_});
    return std::move(tokens_);
  }

 private:
  char At(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  void Advance() {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }

  [[noreturn]] void Unclosed(int line, const char* what) const {
    throw TSqlScriptError("第 " + std::to_string(line) + " 行: " + what + "没有结束");
  }

  // false at the end of the text.
  bool SkipBlanksAndComments() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
        Advance();
      } else if (c == '-' && At(pos_ + 1) == '-') {
        while (pos_ < text_.size() && text_[pos_] != '\n') Advance();
      } else if (c == '/' && At(pos_ + 1) == '*') {
        SkipBlockComment();
      } else {
        return true;
      }
    }
    return false;
  }

  // T-SQL block comments nest.
  void SkipBlockComment() {
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
  std::string Delimited(char close, const char* what) {
    const int start = line_;
    std::string text;
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) Unclosed(start, what);
      if (text_[pos_] == close) {
        if (At(pos_ + 1) != close) break;
        ++pos_;
      }
      text += text_[pos_];
      Advance();
    }
    ++pos_;
    return text;
  }

  TSqlToken Next() {
    const int line = line_;
    const char c = text_[pos_];
    if ((c == 'N' || c == 'n') && At(pos_ + 1) == '\'') {
      ++pos_;
      return {TSqlTokenKind::String, Delimited('\'', "字符串 "), line};
    }
    if (c == '\'') return {TSqlTokenKind::String, Delimited('\'', "字符串 "), line};
    if (c == '[') return {TSqlTokenKind::Name, Delimited(']', "名称 ["), line};
    if (c == '"') return {TSqlTokenKind::Name, Delimited('"', "名称 \""), line};
    const std::size_t start = pos_;
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

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::vector<TSqlToken> tokens_;
};

}  // namespace

std::vector<TSqlToken> TokenizeSql(std::string_view text) { return TTokenizer(text).Run(); }
