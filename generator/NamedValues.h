#pragma once
// The $name$ values of a code writer. Every placeholder of every generated
// line is looked up here, so the table is open-addressed with a cheap hash of
// the short names, and setting a name again reuses its value's buffer.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TNamedValues {
 public:
  TNamedValues() : slots_(kFirstSize) {}

  // Inline, so that a literal name is hashed as the program is built.
  void Set(std::string_view name, std::string_view value) {
    if (name.empty()) throw std::invalid_argument("a placeholder needs a name");
    Set(name, HashOf(name), value);
  }
  // The value set under name (whose HashOf is hash), or nullptr.
  const std::string* Find(std::string_view name, std::size_t hash) const;

  // Placeholder names are short words that differ in their length or in
  // their first, middle or last letters; those, mixed by one multiplication,
  // spread them well enough without reading every letter. name is not empty.
  static constexpr std::size_t HashOf(std::string_view name) {
    const auto at = [&](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])); };
    const std::uint64_t key = name.size() | at(0) << 8 | at(name.size() / 2) << 16 | at(name.size() - 1) << 24;
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 40);
  }

 private:
  static constexpr std::size_t kFirstSize = 64;
  struct TSlot {
    std::string name;  // empty: a free slot (a placeholder's name is never empty)
    std::string value;
  };

  void Set(std::string_view name, std::size_t hash, std::string_view value);
  std::size_t SlotOf(std::string_view name, std::size_t hash) const;
  void Grow();

  std::vector<TSlot> slots_;  // a power of two in size, at most half full
  std::size_t used_ = 0;
};
