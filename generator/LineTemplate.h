#pragma once
// Where the "$" signs of a generated line stand, and which of them open a
// $name$ placeholder. Most lines are literals of the generators, written out
// thousands of times: those are read once and kept.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

struct TDollarMark {
  std::uint32_t at = 0;     // where the "$" stands
  std::uint32_t close = 0;  // the first position after the name letters that follow it
  bool placeholder = false;  // one or more letters, closed by a "$"
  std::uint64_t key = 0;     // of the name, when a placeholder
};
using TDollarMarks = std::vector<TDollarMark>;

// The marks of one line, into marks (emptied first).
void MarkDollars(std::string_view line, TDollarMarks& marks);

// Each line of a block as Lines writes it: the first line break after the
// opening of a raw string literal and the spaces before its closing are not
// lines; every other line, an empty one too, is.
template <typename Each>
void ForEachBlockLine(std::string_view block, Each each) {
  if (block.starts_with('\n')) block.remove_prefix(1);
  if (const auto last = block.rfind('\n');
      last != std::string_view::npos && block.find_first_not_of(' ', last + 1) == std::string_view::npos)
    block = block.substr(0, last + 1);
  while (!block.empty()) {
    const auto end = block.find('\n');
    each(block.substr(0, end));
    block = end == std::string_view::npos ? std::string_view() : block.substr(end + 1);
  }
}

struct TTemplateLine {
  std::string_view text;
  TDollarMarks marks;
};

// A literal line, or the lines of a literal block, marked. The literal must
// live and stay as it is as long as the program runs: the text it starts at
// is what they are known by.
const TTemplateLine& LiteralLine(std::string_view literal);
const std::vector<TTemplateLine>& LiteralBlock(std::string_view literal);
