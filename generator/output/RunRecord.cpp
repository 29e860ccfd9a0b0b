#include "generator/output/RunRecord.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "generator/output/RecordFields.h"

namespace {

using record_fields::TakeNumber;

constexpr std::string_view kHeader = "vbgen run 1";

// One line per entry: backslashes and line ends inside a text are escaped.
void AppendEscaped(std::string& saved, std::string_view text) {
  for (const char ch : text) {
    if (ch == '\\') saved += "\\\\";
    else if (ch == '\n') saved += "\\n";
    else if (ch == '\r') saved += "\\r";
    else saved += ch;
  }
}

template <typename TNumber>
void AppendNumber(std::string& saved, TNumber number) {
  char digits[24];
  saved.append(digits, std::to_chars(std::begin(digits), std::end(digits), number).ptr);
  saved += ' ';
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
  std::string saved;
  saved.reserve(inputs.size() + 80 * (events.size() + stamps.size()));  // a line of each is about as long
  saved.append(kHeader).append("\ninputs ").append(inputs) += '\n';
  for (const TEvent& event : events) {
    if (event.file)
      saved.append("file ").append(StateWord(*event.file)) += ' ';
    else
      saved += "progress ";
    AppendEscaped(saved, event.text);
    saved += '\n';
  }
  for (const auto& [path, stamp] : stamps) {
    saved += "stamp ";
    AppendNumber(saved, int{stamp.exists});
    AppendNumber(saved, int{stamp.folder});
    AppendNumber(saved, stamp.size);
    AppendNumber(saved, stamp.modified);
    AppendNumber(saved, stamp.changed);
    AppendNumber(saved, stamp.id);
    AppendEscaped(saved, path);
    saved += '\n';
  }
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
