#include "generator/TextForm.h"

#include <iconv.h>

#include <cerrno>
#include <system_error>

#include "generator/FileOperate.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else if (lead >= 0x80) return false;
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Code page 936 to UTF-8; "?" for a byte the code page does not define. No
// input byte becomes more than three bytes of UTF-8, so the output always fits.
std::string GbkToUtf8(std::string_view gbk) {
  iconv_t cd = ::iconv_open("UTF-8", "CP936");
  if (cd == reinterpret_cast<iconv_t>(-1)) cd = ::iconv_open("UTF-8", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw std::system_error(errno, std::generic_category(), "iconv cannot convert code page 936 to UTF-8");
  std::string out(gbk.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(gbk.data());
  std::size_t inLeft = gbk.size();
  char* target = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0 && outLeft > 0 && ::iconv(cd, &in, &inLeft, &target, &outLeft) == static_cast<std::size_t>(-1)) {
    *target++ = '?';
    --outLeft;
    ++in;
    --inLeft;
  }
  ::iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

std::string WithLineEnds(std::string_view text, bool crlf) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' && crlf) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

TTextForm DetectForm(std::string_view bytes) {
  TTextForm form;
  if (bytes.starts_with(kBom))
    form.encoding = TTextEncoding::Utf8Bom;
  else if (!IsAscii(bytes) && IsUtf8(bytes))
    form.encoding = TTextEncoding::Utf8;
  const std::size_t lf = bytes.find('\n');
  form.crlf = lf == std::string_view::npos || (lf > 0 && bytes[lf - 1] == '\r');
  return form;
}

std::string EncodeText(const std::string& utf8, TTextEncoding encoding) {
  return encoding == TTextEncoding::Gbk ? TFileOperate::ToGbk(utf8) : utf8;
}

std::string ConvertForm(std::string_view bytes, TTextForm from, TTextForm to) {
  if (from == to) return std::string(bytes);
  if (from.encoding == TTextEncoding::Utf8Bom && bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
  std::string utf8 = from.encoding == TTextEncoding::Gbk ? GbkToUtf8(bytes) : std::string(bytes);
  if (from.crlf != to.crlf) utf8 = WithLineEnds(utf8, to.crlf);
  std::string converted = EncodeText(utf8, to.encoding);
  return to.encoding == TTextEncoding::Utf8Bom ? std::string(kBom) + converted : converted;
}
