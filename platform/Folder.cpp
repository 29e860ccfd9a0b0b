#include "platform/Folder.h"

#include <charconv>
#include <cstdio>
#include <random>

#include "platform/Platform.h"

namespace platform {

namespace {

constexpr std::string_view kMark = ".~vbgen-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kTagLength = 16;

}  // namespace

// An unpredictable tag: a name planted in advance cannot be the one chosen.
std::string TemporaryName(std::string_view name) {
  thread_local std::mt19937_64 generator(std::random_device{}());
  char tag[kTagLength + 1];
  std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(generator()));
  return "." + std::string(name) + std::string(kMark) + std::to_string(ProcessId()) + "-" + tag + std::string(kSuffix);
}

std::optional<unsigned long> TemporaryOwner(std::string_view name) {
  if (!name.starts_with('.') || !name.ends_with(kSuffix)) return std::nullopt;
  name.remove_suffix(kSuffix.size());
  if (name.size() < kTagLength + 1) return std::nullopt;
  const std::string_view tag = name.substr(name.size() - kTagLength);
  if (tag.find_first_not_of("0123456789abcdef") != std::string_view::npos || name[name.size() - kTagLength - 1] != '-')
    return std::nullopt;
  name.remove_suffix(kTagLength + 1);
  const std::size_t mark = name.rfind(kMark);
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;
  const std::string_view digits = name.substr(mark + kMark.size());
  unsigned long pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || digits[0] == '0')
    return std::nullopt;
  return pid;
}

}  // namespace platform
