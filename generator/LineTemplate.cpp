#include "generator/LineTemplate.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <stdexcept>

#include "generator/NamedValues.h"

namespace {

constexpr std::array<bool, 256> kNameChars = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[static_cast<std::size_t>(c)] =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  return table;
}();

bool IsNameChar(char c) { return kNameChars[static_cast<unsigned char>(c)]; }

TTemplateLine Marked(std::string_view line) {
  TTemplateLine marked{line, {}};
  MarkDollars(line, marked.marks);
  return marked;
}

// The literals of one kind, each read by make once for the whole program: a
// literal lives as long as the program does, and so does what is read from
// it. Finding one takes no lock; reading a new one does. A literal is known
// by where it starts and its length (which tells it from its own tail).
template <typename T>
class TLiteralTable {
 public:
  template <typename Make>
  const T& Get(std::string_view literal, Make make) {
    const std::size_t start = SlotOf(literal);
    if (const TEntry* entry = Find(literal, start)) return entry->value;
    std::lock_guard lock(mutex_);
    std::size_t at = start;
    for (const TEntry* entry; (entry = slots_[at].load(std::memory_order_acquire)); at = (at + 1) % kSize)
      if (entry->text == literal.data() && entry->size == literal.size()) return entry->value;
    if (2 * ++used_ > kSize) throw std::length_error("too many line templates");
    const auto* made = new TEntry{literal.data(), literal.size(), make(literal)};  // never freed, as the literal
    slots_[at].store(made, std::memory_order_release);
    return made->value;
  }

 private:
  struct TEntry {
    const char* text;
    std::size_t size;
    T value;
  };
  static constexpr std::size_t kSize = std::size_t{1} << 14;  // far more than the program has

  static std::size_t SlotOf(std::string_view literal) {
    const auto key = reinterpret_cast<std::uintptr_t>(literal.data()) ^ literal.size();
    return static_cast<std::size_t>((static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15u) >> 50) % kSize;
  }
  const TEntry* Find(std::string_view literal, std::size_t at) const {
    for (const TEntry* entry; (entry = slots_[at].load(std::memory_order_acquire)); at = (at + 1) % kSize)
      if (entry->text == literal.data() && entry->size == literal.size()) return entry;
    return nullptr;
  }

  std::array<std::atomic<const TEntry*>, kSize> slots_{};
  std::size_t used_ = 0;
  std::mutex mutex_;
};

template <typename T>
TLiteralTable<T>& LiteralTable() {
  static auto* table = new TLiteralTable<T>;  // used until the program ends
  return *table;
}

}  // namespace

void MarkDollars(std::string_view line, TDollarMarks& marks) {
  marks.clear();
  const char* const begin = line.data();
  const char* const end = begin + line.size();
  for (const char* at = begin; (at = static_cast<const char*>(std::memchr(at, '$', static_cast<std::size_t>(end - at))));
       ++at) {
    const char* close = at + 1;
    while (close < end && IsNameChar(*close)) ++close;
    TDollarMark mark;
    mark.at = static_cast<std::uint32_t>(at - begin);
    mark.close = static_cast<std::uint32_t>(close - begin);
    mark.placeholder = close > at + 1 && close < end && *close == '$';
    if (mark.placeholder) mark.key = TNamedValues::KeyOf(std::string_view(at + 1, static_cast<std::size_t>(close - at - 1)));
    marks.push_back(mark);
  }
}

const TTemplateLine& LiteralLine(std::string_view literal) {
  return LiteralTable<TTemplateLine>().Get(literal, Marked);
}

const std::vector<TTemplateLine>& LiteralBlock(std::string_view literal) {
  return LiteralTable<std::vector<TTemplateLine>>().Get(literal, [](std::string_view block) {
    std::vector<TTemplateLine> lines;
    ForEachBlockLine(block, [&](std::string_view line) { lines.push_back(Marked(line)); });
    return lines;
  });
}
