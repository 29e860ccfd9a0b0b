#include "generator/LineTemplate.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

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

// Known by where the literal starts; its length tells a literal from its own tail.
struct TLiteralKey {
  const char* text;
  std::size_t size;
  bool operator==(const TLiteralKey&) const = default;
};
struct TLiteralKeyHash {
  std::size_t operator()(const TLiteralKey& key) const {
    return std::hash<const void*>{}(key.text) ^ (key.size * 0x9E3779B97F4A7C15u);
  }
};

// The literals of one kind, each read by make once per thread. One looked up
// a moment ago is found again in a small table in front of the map.
template <typename T, typename Make>
const T& Known(std::string_view literal, Make make) {
  struct TRecent {
    TLiteralKey key{nullptr, 0};
    const T* value = nullptr;
  };
  thread_local std::unordered_map<TLiteralKey, T, TLiteralKeyHash> known;
  thread_local std::array<TRecent, 1024> recent{};
  const TLiteralKey key{literal.data(), literal.size()};
  TRecent& slot = recent[(reinterpret_cast<std::uintptr_t>(literal.data()) >> 3) % recent.size()];
  if (slot.value && slot.key == key) return *slot.value;
  auto found = known.find(key);
  if (found == known.end()) found = known.emplace(key, make(literal)).first;
  slot = {key, &found->second};
  return found->second;
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

const TTemplateLine& LiteralLine(std::string_view literal) { return Known<TTemplateLine>(literal, Marked); }

const std::vector<TTemplateLine>& LiteralBlock(std::string_view literal) {
  return Known<std::vector<TTemplateLine>>(literal, [](std::string_view block) {
    std::vector<TTemplateLine> lines;
    ForEachBlockLine(block, [&](std::string_view line) { lines.push_back(Marked(line)); });
    return lines;
  });
}
