#include "generator/CodeWriter.h"

namespace {

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::string VbQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? "\"\"" : std::string(1, c);
  return quoted + "\"";
}

std::string FillTemplate(std::string_view templateText,
                         std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string text;
  std::size_t at = 0;
  while (at < templateText.size()) {
    const std::pair<std::string_view, std::string_view>* best = nullptr;
    for (const auto& value : values)
      if (templateText.substr(at).starts_with(value.first) && (!best || value.first.size() > best->first.size()))
        best = &value;
    if (best) {
      text += best->second;
      at += best->first.size();
    } else {
      text += templateText[at++];
    }
  }
  return text;
}

TCodeWriter& TCodeWriter::Lines(std::string_view block) {
  if (block.starts_with('\n')) block.remove_prefix(1);
  if (const auto last = block.rfind('\n');
      last != std::string_view::npos && block.find_first_not_of(' ', last + 1) == std::string_view::npos)
    block = block.substr(0, last + 1);
  while (!block.empty()) {
    const auto end = block.find('\n');
    const std::string_view line = block.substr(0, end);
    if (line.empty())
      Blank();
    else
      Line(line);
    block = end == std::string_view::npos ? std::string_view() : block.substr(end + 1);
  }
  return *this;
}

// $name$ takes its value; any other "$" stays ("$this.Icon"), so text of the
// project's own that happens to hold one comes out as it is.
void TCodeWriter::Expand(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('$', at);
    if (open == std::string_view::npos) break;
    std::size_t close = open + 1;
    while (close < text.size() && IsNameChar(text[close])) ++close;
    if (close == open + 1 || close == text.size() || text[close] != '$') {
      text_.append(text.substr(at, close - at));
      at = close;
      continue;
    }
    const auto value = vars_.find(text.substr(open + 1, close - open - 1));
    if (value == vars_.end()) {
      text_.append(text.substr(at, close - at));
      at = close;
      continue;
    }
    text_.append(text.substr(at, open - at)).append(value->second);
    at = close + 1;
  }
  text_.append(text.substr(at));
}

void WriteImports(TCodeWriter& out, std::initializer_list<std::string_view> namespaces) {
  for (std::string_view name : namespaces) out.Set("namespace", std::string(name)).Line("Imports $namespace$");
}
