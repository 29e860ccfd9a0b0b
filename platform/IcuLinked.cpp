#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include "platform/IcuFunctions.h"

// ICU's error codes and its UChar (char16_t in C++) match the plain types;
// the wrappers only convert the error's pointer type.
namespace platform::icu {

namespace {

UErrorCode* Code(TError* error) { return reinterpret_cast<UErrorCode*>(error); }

const TFunctions kLinked = {
    [](char16_t* dest, std::int32_t capacity, std::int32_t* length, const char* src, std::int32_t srcLength,
       TError* error) { return u_strFromUTF8(dest, capacity, length, src, srcLength, Code(error)); },
    [](char* dest, std::int32_t capacity, std::int32_t* length, const char16_t* src, std::int32_t srcLength,
       TError* error) { return u_strToUTF8(dest, capacity, length, src, srcLength, Code(error)); },
    [](char16_t* dest, std::int32_t capacity, const char16_t* src, std::int32_t srcLength, std::uint32_t options,
       TError* error) { return u_strFoldCase(dest, capacity, src, srcLength, options, Code(error)); },
    [](TError* error) { return static_cast<const void*>(unorm2_getNFCInstance(Code(error))); },
    [](const void* normalizer, const char16_t* src, std::int32_t length, char16_t* dest, std::int32_t capacity,
       TError* error) {
      return unorm2_normalize(static_cast<const UNormalizer2*>(normalizer), src, length, dest, capacity,
                              Code(error));
    },
    [](std::int32_t c) { return u_charType(c); }};

static_assert(sizeof(UErrorCode) == sizeof(TError));

}  // namespace

const TFunctions* Functions() { return &kLinked; }

}  // namespace platform::icu
