#include "generator/output/RunRecord.h"

#include <algorithm>

#include "generator/output/RecordFields.h"

namespace {

using record_fields::TakeNumber;

constexpr std::string_view kHeader = "vbgen run 1";

// One line per entry: backslashes and line ends inside a text are escaped.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char ch : text) {
    if (ch == '\\') escaped += "\\\\";
    else if (ch == '\n') escaped += "\\n";
    else if (ch == '\r') escaped += "\\r";
    else escaped += ch;
  }
  return escaped;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string plain;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\\') {
      plain += text[at];
      continue;
    }
    if (++at == text.size()) return std::nullopt;
    if (text[at] == '\\') plain += '\\';
    else if (text[at] == 'n') plain += '\n';
    else if (text[at] == 'r') plain += '\r';
    else return std::nullopt;
  }
  return plain;
}

// The next blank-separated word of line, taken off it.
std::string_view Word(std::string_view& line) {
  const std::size_t blank = std::min(line.find(' '), line.size());
  const std::string_view word = line.substr(0, blank);
  line.remove_prefix(std::min(blank + 1, line.size()));
  return word;
}

std::optional<TFileState> StateOf(std::string_view word) {
  for (const TFileState state : kFileStates)
    if (word == StateWord(state)) return state;
  return std::nullopt;
}

}  // namespace

std::string TRunRecord::Saved() const {
  std::string saved = std::string(kHeader) + "\ninputs " + inputs + "\n";
  for (const TEvent& event : events)
    saved += event.file ? "file " + std::string(StateWord(*event.file)) + " " + Escaped(event.text) + "\n"
                        : "progress " + Escaped(event.text) + "\n";
  for (const auto& [path, stamp] : stamps)
    saved += "stamp " + std::to_string(stamp.exists) + " " + std::to_string(stamp.folder) + " " +
             std::to_string(stamp.size) + " " + std::to_string(stamp.modified) + " " + std::to_string(stamp.changed) +
             " " + std::to_string(stamp.id) + " " + Escaped(path) + "\n";
  return saved;
}

std::optional<TRunRecord> TRunRecord::Load(std::string_view saved) {
  TRunRecord record;
  bool headed = false;
  while (!saved.empty()) {
    const std::size_t end = saved.find('\n');
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    std::string_view line = saved.substr(0, end);
    saved.remove_prefix(end + 1);
    if (!headed) {
      if (line != kHeader) return std::nullopt;
      headed = true;
      continue;
    }
    const std::string_view kind = Word(line);
    if (kind == "inputs") {
      record.inputs = line;
    } else if (kind == "progress" || kind == "file") {
      std::optional<TFileState> state;
      if (kind == "file" && !(state = StateOf(Word(line)))) return std::nullopt;
      std::optional<std::string> text = Unescaped(line);
      if (!text) return std::nullopt;
      record.events.push_back({std::move(*text), state});
    } else if (kind == "stamp") {
      platform::TFolder::TStamp stamp;
      int exists = 0, folder = 0;
      if (!TakeNumber(line, exists) || !TakeNumber(line, folder) || !TakeNumber(line, stamp.size) ||
          !TakeNumber(line, stamp.modified) || !TakeNumber(line, stamp.changed) || !TakeNumber(line, stamp.id))
        return std::nullopt;
      stamp.exists = exists != 0;
      stamp.folder = folder != 0;
      std::optional<std::string> path = Unescaped(line);
      if (!path) return std::nullopt;
      record.stamps.emplace_back(std::move(*path), stamp);
    } else {
      return std::nullopt;
    }
  }
  if (!headed || record.inputs.empty()) return std::nullopt;
  return record;
}
