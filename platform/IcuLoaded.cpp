#include <windows.h>

#include <optional>

#include "platform/IcuFunctions.h"

// Windows 10 (1903 and later) carries ICU as icu.dll with unversioned C
// entry points. MinGW has no import library for it, so it is loaded by name;
// where it is missing (older Windows, Wine) the caller is told so.
namespace platform::icu {

namespace {

template <typename TPointer>
bool Find(HMODULE library, const char* name, TPointer& pointer) {
  pointer = reinterpret_cast<TPointer>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
  return pointer != nullptr;
}

std::optional<TFunctions> Load() {
  const HMODULE library = ::LoadLibraryExW(L"icu.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!library) return std::nullopt;
  TFunctions f{};
  if (Find(library, "u_strFromUTF8", f.strFromUtf8) && Find(library, "u_strToUTF8", f.strToUtf8) &&
      Find(library, "u_strFoldCase", f.strFoldCase) && Find(library, "unorm2_getNFCInstance", f.nfcInstance) &&
      Find(library, "unorm2_normalize", f.normalize) && Find(library, "u_charType", f.charType))
    return f;
  return std::nullopt;
}

}  // namespace

const TFunctions* Functions() {
  static const std::optional<TFunctions> loaded = Load();
  return loaded ? &*loaded : nullptr;
}

}  // namespace platform::icu
