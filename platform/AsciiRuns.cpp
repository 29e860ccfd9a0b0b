#include "platform/AsciiRuns.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <memory>

#include "platform/Platform.h"

namespace platform {

namespace {

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Where the ASCII run from at ends: sixteen bytes at a time while they are all ASCII.
std::size_t AsciiEnd(std::string_view text, std::size_t at) {
  for (std::uint64_t low, high; at + 16 <= text.size(); at += 16) {
    std::memcpy(&low, text.data() + at, 8);
    std::memcpy(&high, text.data() + at + 8, 8);
    if ((low | high) & 0x8080808080808080u) break;
  }
  while (at < text.size() && IsAscii(text[at])) ++at;
  return at;
}

}  // namespace

std::size_t TConvertedRuns::THash::operator()(std::string_view run) const {
  const std::size_t part = std::min<std::size_t>(8, run.size());
  std::uint64_t head = 0, tail = 0;
  std::memcpy(&head, run.data(), part);
  std::memcpy(&tail, run.data() + run.size() - part, part);
  return static_cast<std::size_t>((head * 0x9E3779B97F4A7C15u) ^ (tail * 0xC2B2AE3D27D4EB4Fu) ^ run.size());
}

const std::string& TConvertedRuns::Of(std::string_view run, std::string (*convert)(std::string_view)) {
  if (known_.size() > 4096) known_.clear();
  auto found = known_.find(run);
  if (found == known_.end()) found = known_.emplace(run, convert(run)).first;
  return found->second;
}

std::string ConvertAroundAscii(std::string_view text, bool doubleByte, std::string (*convert)(std::string_view)) {
  std::string out;
  TConvertedRuns runs;
  ConvertAroundAscii(text, doubleByte, convert, runs, out);
  return out;
}

void ConvertAroundAscii(std::string_view text, bool doubleByte, std::string (*convert)(std::string_view),
                        TConvertedRuns& runs, std::string& out) {
  out.clear();
  out.reserve(text.size() + text.size() / 8);
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = AsciiEnd(text, at);
    out.append(text.substr(at, end - at));
    at = end;
    // UTF-8 runs of characters outside ASCII hold no ASCII byte at all: eight bytes at a time.
    for (std::uint64_t word; !doubleByte && end + 8 <= text.size(); end += 8) {
      std::memcpy(&word, text.data() + end, 8);
      if ((word & 0x8080808080808080u) != 0x8080808080808080u) break;
    }
    while (end < text.size() && !IsAscii(text[end])) {
      const auto lead = static_cast<unsigned char>(text[end]);
      end += doubleByte && lead >= 0x81 && lead <= 0xFE && end + 1 < text.size() ? 2 : 1;
    }
    if (end > at) out += runs.Of(text.substr(at, end - at), convert);
    at = end;
  }
}

std::string Utf8ToGbk(std::string_view utf8) { return ConvertAroundAscii(utf8, false, SystemUtf8ToGbk); }

const std::string& TGbkEncoder::Encode(std::string_view utf8) {
  ConvertAroundAscii(utf8, false, SystemUtf8ToGbk, *runs_, bytes_);
  return bytes_;
}

TGbkEncoder::TGbkEncoder() : runs_(std::make_unique<TConvertedRuns>()) {}
TGbkEncoder::~TGbkEncoder() = default;

std::string GbkToUtf8(std::string_view gbk) { return ConvertAroundAscii(gbk, true, SystemGbkToUtf8); }

}  // namespace platform
