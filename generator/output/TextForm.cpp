#include "generator/output/TextForm.h"

#include "generator/output/FileOperate.h"
#include "metadata/Utf8Text.h"
#include "platform/Platform.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
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
  else if (!IsAscii(bytes) && utf8_text::IsValid(bytes))
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
  std::string utf8 = from.encoding == TTextEncoding::Gbk ? platform::GbkToUtf8(bytes) : std::string(bytes);
  if (from.crlf != to.crlf) utf8 = WithLineEnds(utf8, to.crlf);
  std::string converted = EncodeText(utf8, to.encoding);
  return to.encoding == TTextEncoding::Utf8Bom ? std::string(kBom) + converted : converted;
}
