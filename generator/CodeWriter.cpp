#include "generator/CodeWriter.h"

#include <charconv>
#include <cstring>

std::string VbQuoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos; text.remove_prefix(quote + 1))
    quoted.append(text.substr(0, quote + 1)) += '"';
  quoted.append(text) += '"';
  return quoted;
}

std::string FillTemplate(std::string_view templateText,
                         std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string text;
  std::size_t room = templateText.size();
  for (const auto& value : values) room += value.second.size();
  text.reserve(room);
  std::size_t copied = 0;
  for (std::size_t at = 0; (at = templateText.find('$', at)) != std::string_view::npos;) {
    const std::pair<std::string_view, std::string_view>* best = nullptr;
    for (const auto& value : values)
      if (templateText.substr(at).starts_with(value.first) && (!best || value.first.size() > best->first.size()))
        best = &value;
    if (!best) {
      ++at;
      continue;
    }
    text.append(templateText.substr(copied, at - copied)).append(best->second);
    copied = at += best->first.size();
  }
  text.append(templateText.substr(copied));
  return text;
}

TCodeWriter& TCodeWriter::Set(std::string_view name, int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return Set(name, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

TCodeWriter& TCodeWriter::Line(int column, std::string_view text) {
  scratch_.text = text;
  MarkDollars(text, scratch_.marks);
  return WriteLine(column, scratch_);
}

TCodeWriter& TCodeWriter::Lines(std::string_view block) {
  ForEachBlockLine(block, [&](std::string_view line) {
    if (line.empty())
      Blank();
    else
      Line(line);
  });
  return *this;
}

TCodeWriter& TCodeWriter::WriteLine(int column, const TTemplateLine& line) {
  std::memset(Room(static_cast<std::size_t>(column)), ' ', static_cast<std::size_t>(column));
  Expand(line.text, line.marks);
  Put("\r\n");
  return *this;
}

// $name$ takes its value; any other "$" stays ("$this.Icon"), so text of the
// project's own that happens to hold one comes out as it is. After a
// placeholder whose name has no value, the "$" that closed it may open the
// next one. Text between placeholders is copied in one piece.
void TCodeWriter::Expand(std::string_view text, const TDollarMarks& marks) {
  std::size_t copied = 0;
  std::size_t at = 0;
  for (const TDollarMark& mark : marks) {
    if (mark.at < at) continue;
    at = mark.close;
    if (!mark.placeholder) continue;
    const std::string* value = values_.Find(text.substr(mark.at + 1, mark.close - mark.at - 1), mark.key);
    if (!value) continue;
    Put(text.substr(copied, mark.at - copied));
    Put(*value);
    copied = at = mark.close + 1;
  }
  Put(text.substr(copied));
}

void WriteImports(TCodeWriter& out, std::initializer_list<std::string_view> namespaces) {
  for (std::string_view name : namespaces) out.Set("namespace", std::string(name)).Line("Imports $namespace$");
}
