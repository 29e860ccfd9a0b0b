#pragma once
// The $name$ values of a code writer. Every placeholder of every generated
// line is looked up here, so names are known by a key that holds most of them
// whole, the table is open-addressed, and setting a name again reuses its
// value's buffer.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TNamedValues {
 public:
  TNamedValues() : slots_(kFirstSize) {}

  // Inline, so that the key of a literal name is made as the program is built.
  void Set(std::string_view name, std::string_view value) {
    if (name.empty()) throw std::invalid_argument("a placeholder needs a name");
    Set(name, KeyOf(name), value);
  }
  // The value set under name (whose KeyOf is key), or nullptr.
  const std::string* Find(std::string_view name, std::uint64_t key) const;

  // The name's length and its first kKeyLetters letters, packed: placeholder
  // names are short words, so two names with equal keys are mostly the same
  // name, and for one no longer than kKeyLetters they always are. Never 0.
  static constexpr std::size_t kKeyLetters = 7;
  static constexpr std::uint64_t KeyOf(std::string_view name) {
    std::uint64_t key = name.size() < 255 ? name.size() : 255;
    for (std::size_t i = 0; i < name.size() && i < kKeyLetters; ++i)
      key |= static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])) << (8 * (i + 1));
    return key;
  }

 private:
  static constexpr std::size_t kFirstSize = 64;
  struct TSlot {
    std::uint64_t key = 0;  // 0: a free slot
    std::string name;
    std::string value;
  };

  void Set(std::string_view name, std::uint64_t key, std::string_view value);
  // The slot holding name, or the free slot where it would go.
  std::size_t SlotOf(std::string_view name, std::uint64_t key) const;
  void Grow();

  std::vector<TSlot> slots_;  // a power of two in size, at most half full
  std::size_t used_ = 0;
};
