#pragma once
// The few ICU C functions the Unicode rules need, in ICU's own signatures
// with plain types: how each system reaches them differs (linked on Linux,
// looked up in icu.dll on Windows), what is done with them does not.

#include <cstdint>

namespace platform::icu {

using TError = int;  // UErrorCode: above zero is a failure

struct TFunctions {
  char16_t* (*strFromUtf8)(char16_t* dest, std::int32_t capacity, std::int32_t* length, const char* src,
                              std::int32_t srcLength, TError* error);
  char* (*strToUtf8)(char* dest, std::int32_t capacity, std::int32_t* length, const char16_t* src,
                     std::int32_t srcLength, TError* error);
  std::int32_t (*strFoldCase)(char16_t* dest, std::int32_t capacity, const char16_t* src, std::int32_t srcLength,
                              std::uint32_t options, TError* error);
  const void* (*nfcInstance)(TError* error);
  std::int32_t (*normalize)(const void* normalizer, const char16_t* src, std::int32_t length, char16_t* dest,
                            std::int32_t capacity, TError* error);
  std::int8_t (*charType)(std::int32_t c);
};

// The system's ICU, or nullptr where it cannot be had.
const TFunctions* Functions();

}  // namespace platform::icu
