#pragma once
// The encoding and line ends a text file is written in, and the conversion of
// file contents from one such form to another. A merge brings the generated
// sides into the form of the user's file, so the result keeps that form.

#include <string>
#include <string_view>

enum class TTextEncoding { Gbk, Utf8, Utf8Bom };

struct TTextForm {
  TTextEncoding encoding = TTextEncoding::Gbk;
  bool crlf = true;
  bool operator==(const TTextForm&) const = default;
};

// A mark says UTF-8; otherwise text that is well-formed UTF-8 and not plain
// ASCII is UTF-8, anything else code page 936. Line ends are those of the
// first line (CR LF when there is no line end at all).
TTextForm DetectForm(std::string_view bytes);

// bytes, written in form from, rewritten in form to.
std::string ConvertForm(std::string_view bytes, TTextForm from, TTextForm to);

// A UTF-8 text as bytes of the given encoding, without a mark.
std::string EncodeText(const std::string& utf8, TTextEncoding encoding);
