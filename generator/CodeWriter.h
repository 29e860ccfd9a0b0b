#pragma once
// Builds generated text line by line: indent, text, CR LF.

#include <string>
#include <string_view>

inline constexpr const char* Q = "\"";

class TCodeWriter {
 public:
  TCodeWriter& Line(int indent, std::string_view text) {
    text_.append(static_cast<std::size_t>(indent), ' ');
    text_.append(text);
    text_.append("\r\n");
    return *this;
  }
  TCodeWriter& Blank() {
    text_.append("\r\n");
    return *this;
  }
  // Appends text that already carries its own line ends.
  TCodeWriter& Raw(std::string_view text) {
    text_.append(text);
    return *this;
  }
  const std::string& Text() const { return text_; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};
