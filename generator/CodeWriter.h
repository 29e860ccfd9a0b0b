#pragma once
// Builds generated text line by line: indent, text, CR LF. A line's $name$
// takes the value last set under that name (a "$" of any other kind stays as
// it is); the indent is that of the innermost open Indent scope. Text of the
// project's own (names, comments) goes in only as a value: written into a
// line, a "$name$" in it would be replaced.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "generator/LineTemplate.h"
#include "generator/NamedValues.h"


// A VB string literal: between double quotes, each quote doubled.
std::string VbQuoted(std::string_view text);

// templateText with every placeholder ("$project_name") replaced by its value,
// in one pass: a value is never searched for placeholders itself, and where
// two names start alike the longer wins ($designerString10 before $designerString1).
// Every name starts with "$".
std::string FillTemplate(std::string_view templateText,
                         std::initializer_list<std::pair<std::string_view, std::string_view>> values);

class TCodeWriter;
// "Imports N" for each namespace, in order.
void WriteImports(TCodeWriter& out, std::initializer_list<std::string_view> namespaces);

class TCodeWriter {
 public:
  // Room for a typical file up front: growing a line at a time would copy it again and again.
  TCodeWriter() : text_(8192, '\0') {}

  // Lines written while it lives stand `spaces` further in than around it.
  class [[nodiscard]] TIndent {
   public:
    TIndent(TCodeWriter& out, int spaces) : out_(out), spaces_(spaces) { out_.indent_ += spaces_; }
    ~TIndent() { out_.indent_ -= spaces_; }
    TIndent(const TIndent&) = delete;
    TIndent& operator=(const TIndent&) = delete;

   private:
    TCodeWriter& out_;
    int spaces_;
  };
  TIndent Indent(int spaces) { return TIndent(*this, spaces); }

  // Sets $name$ for the lines that follow.
  TCodeWriter& Set(std::string_view name, std::string_view value) {
    values_.Set(name, value);
    return *this;
  }
  TCodeWriter& Set(std::string_view name, int value);

  // One line at the scope's indent. A literal (a constant array) is read for
  // its placeholders once; other text each time it is written.
  template <std::size_t N>
  TCodeWriter& Line(const char (&literal)[N]) {
    return Line(indent_, literal);
  }
  TCodeWriter& Line(std::string_view text) { return Line(indent_, text); }
  // One line at an absolute column, where a block's output has its own odd indent.
  template <std::size_t N>
  TCodeWriter& Line(int column, const char (&literal)[N]) {
    return WriteLine(column, LiteralLine(std::string_view(literal, N - 1)));
  }
  TCodeWriter& Line(int column, std::string_view text);
  // Several lines as written, each with the scope's indent before its own
  // leading spaces; an empty line stays empty. The first line break after the
  // opening of a raw string literal and the spaces before its closing are not lines.
  template <std::size_t N>
  TCodeWriter& Lines(const char (&literal)[N]) {
    for (const TTemplateLine& line : LiteralBlock(std::string_view(literal, N - 1)))
      line.text.empty() ? Blank() : WriteLine(indent_, line);
    return *this;
  }
  TCodeWriter& Lines(std::string_view block);
  TCodeWriter& Blank() {
    Put("\r\n");
    return *this;
  }
  // Appends text that already carries its own line ends.
  TCodeWriter& Raw(std::string_view text) {
    Put(text);
    return *this;
  }
  const std::string& Text() const {
    text_.resize(used_);
    return text_;
  }
  std::string Take() {
    text_.resize(used_);
    used_ = 0;
    return std::move(text_);
  }

 private:
  // The line at column.
  TCodeWriter& WriteLine(int column, const TTemplateLine& line);
  void Expand(std::string_view text, const TDollarMarks& marks);

  // Lines are copied into place piece by piece: text_ holds the text written
  // (used_ bytes), then room not yet written to.
  char* Room(std::size_t size) {
    if (used_ + size > text_.size()) text_.resize(std::max(2 * text_.size(), used_ + size + 4096));
    char* at = text_.data() + used_;
    used_ += size;
    return at;
  }
  void Put(std::string_view piece) {
    if (!piece.empty()) std::memcpy(Room(piece.size()), piece.data(), piece.size());
  }

  mutable std::string text_;
  std::size_t used_ = 0;
  int indent_ = 0;
  TNamedValues values_;
  TTemplateLine scratch_;  // a line that is no literal, marked anew each time
};
