#pragma once
// Reading the line-per-entry files a run keeps beside its output (the base
// index, the run record): numbers separated by blanks in front of a name.

#include <charconv>
#include <string_view>

namespace record_fields {

// Reads one number and the blank after it from the front of line.
template <typename TNumber>
bool TakeNumber(std::string_view& line, TNumber& number) {
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
  if (error != std::errc() || end == line.data() + line.size() || *end != ' ') return false;
  line.remove_prefix(static_cast<std::size_t>(end - line.data()) + 1);
  return true;
}

}  // namespace record_fields
