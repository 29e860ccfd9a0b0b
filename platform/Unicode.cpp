#include "platform/Unicode.h"

#include <array>

#include "platform/IcuFunctions.h"

namespace platform {

namespace {

constexpr icu::TError kBufferOverflow = 15;  // U_BUFFER_OVERFLOW_ERROR

// Calls an ICU function that writes UTF-16 into a buffer, a second time with
// the length the first call asked for when the buffer was short.
template <typename TCall>
std::optional<std::u16string> Fill(TCall call) {
  std::u16string out(64, u'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    icu::TError error = 0;
    const std::int32_t length = call(out.data(), static_cast<std::int32_t>(out.size()), &error);
    if (error == kBufferOverflow) {
      out.assign(static_cast<std::size_t>(length), u'\0');
      continue;
    }
    if (error > 0) return std::nullopt;
    out.resize(static_cast<std::size_t>(length));
    return out;
  }
  return std::nullopt;
}

std::optional<std::u16string> Nfc(const icu::TFunctions& f, const std::u16string& text) {
  icu::TError error = 0;
  const void* nfc = f.nfcInstance(&error);
  if (error > 0) return std::nullopt;
  return Fill([&](char16_t* dest, std::int32_t capacity, icu::TError* e) {
    return f.normalize(nfc, text.data(), static_cast<std::int32_t>(text.size()), dest, capacity, e);
  });
}

}  // namespace

bool HasIcu() { return icu::Functions() != nullptr; }

std::optional<std::string> CaselessKey(std::string_view utf8) {
  const icu::TFunctions* f = icu::Functions();
  if (!f) return std::nullopt;
  const auto utf16 = Fill([&](char16_t* dest, std::int32_t capacity, icu::TError* e) {
    std::int32_t length = 0;
    f->strFromUtf8(dest, capacity, &length, utf8.data(), static_cast<std::int32_t>(utf8.size()), e);
    return length;
  });
  if (!utf16) return std::nullopt;
  const auto composed = Nfc(*f, *utf16);
  if (!composed) return std::nullopt;
  const auto folded = Fill([&](char16_t* dest, std::int32_t capacity, icu::TError* e) {
    return f->strFoldCase(dest, capacity, composed->data(), static_cast<std::int32_t>(composed->size()), 0, e);
  });
  if (!folded) return std::nullopt;
  const auto key = Nfc(*f, *folded);
  if (!key) return std::nullopt;
  std::string out(key->size() * 3, '\0');
  icu::TError error = 0;
  std::int32_t length = 0;
  f->strToUtf8(out.data(), static_cast<std::int32_t>(out.size()), &length, key->data(),
               static_cast<std::int32_t>(key->size()), &error);
  if (error > 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string GeneralCategory(char32_t c) {
  // ICU's UCharCategory values, in their fixed order.
  static constexpr std::array<const char*, 30> kNames = {"Cn", "Lu", "Ll", "Lt", "Lm", "Lo", "Mn", "Me", "Mc", "Nd",
                                                         "Nl", "No", "Zs", "Zl", "Zp", "Cc", "Cf", "Co", "Cs", "Pd",
                                                         "Ps", "Pe", "Pc", "Po", "Sm", "Sc", "Sk", "So", "Pi", "Pf"};
  const icu::TFunctions* f = icu::Functions();
  if (!f) return {};
  const int category = f->charType(static_cast<std::int32_t>(c));
  return category >= 0 && category < static_cast<int>(kNames.size()) ? kNames[category] : "Cn";
}

}  // namespace platform
