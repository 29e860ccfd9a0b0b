#pragma once
// Code page 936 keeps ASCII as it is, and most generated text is ASCII: the
// conversions copy ASCII runs themselves and hand the system's converter only
// the runs between, cut where a character ends.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {

// The system's conversions, every byte through them: what Utf8ToGbk and
// GbkToUtf8 give for any text.
std::string SystemUtf8ToGbk(std::string_view utf8);
std::string SystemGbkToUtf8(std::string_view gbk);

// The conversions of runs outside ASCII met so far: generated text repeats
// the same few captions and comments, and both encodings are stateless, so a
// run converts alike wherever it stands.
class TConvertedRuns {
 public:
  const std::string& Of(std::string_view run, std::string (*convert)(std::string_view));

 private:
  // Runs are short: their length and their first and last eight bytes tell them apart well enough.
  struct THash {
    using is_transparent = void;
    std::size_t operator()(std::string_view run) const;
  };
  std::unordered_map<std::string, std::string, THash, std::equal_to<>> known_;
};

// text with its ASCII runs copied and every other run converted. A lead byte
// of code page 936 (81-FE) takes the byte after it into its run when
// doubleByte is set, as its converter reads the pair as one character.
std::string ConvertAroundAscii(std::string_view text, bool doubleByte, std::string (*convert)(std::string_view));
// The same into out, replacing what it held (its room is used again), with
// the runs converted before.
void ConvertAroundAscii(std::string_view text, bool doubleByte, std::string (*convert)(std::string_view),
                        TConvertedRuns& runs, std::string& out);

}  // namespace platform
