// Reads a project file into its layout, refusing any shape or value type the
// layout does not allow; the rules of the dialogs come later, when it is stored.
#include <algorithm>
#include <limits>
#include <set>

#include "metadata/ProjectJsonLayout.h"
#include "metadata/Utf8Text.h"

namespace project_json {

[[noreturn]] void Fault(const std::string& where, const std::string& problem) {
  throw TProjectFileError(where + ": " + problem);
}

std::string FieldWhere(const std::string& where, const std::string& key) { return where + ", 字段 " + key; }

namespace {
std::string Ordinal(std::size_t index) { return "第 " + std::to_string(index + 1) + " 个"; }
}  // namespace

std::string ClassWhere(const std::string& name, std::size_t index) {
  return name.empty() ? Ordinal(index) + "类" : "类 " + name;
}

std::string MemberWhere(const std::string& classWhere, const std::string& name, std::size_t index) {
  return classWhere + " 的" + (name.empty() ? Ordinal(index) + "成员" : "成员 " + name);
}

namespace {

// One object of the file, named in messages by where.
class TObjectReader {
 public:
  TObjectReader(const TJson& json, std::string where, const std::vector<std::string>& keys)
      : json_(json), where_(std::move(where)) {
    if (!json_.is_object()) Fault(where_, "应为 JSON 对象");
    for (const auto& item : json_.items())
      if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) Fault(where_, "未知字段 " + item.key());
  }

  std::string Text(const std::string& key) const {
    const TJson& value = Field(key);
    if (!value.is_string()) Fault(FieldWhere(where_, key), "应为文本");
    return value.get<std::string>();
  }

  int Flag(const std::string& key) const {
    const TJson& value = Field(key);
    if (!value.is_number_integer() || (value != 0 && value != 1)) Fault(FieldWhere(where_, key), "应为 0 或 1");
    return value.get<int>();
  }

  int Count(const std::string& key) const {
    const TJson& value = Field(key);
    if (!value.is_number_integer() || value < 0 || value > std::numeric_limits<int>::max())
      Fault(FieldWhere(where_, key), "应为不小于 0 的整数");
    return value.get<int>();
  }

  const TJson& Array(const std::string& key) const {
    const TJson& value = Field(key);
    if (!value.is_array()) Fault(FieldWhere(where_, key), "应为数组");
    return value;
  }

 private:
  const TJson& Field(const std::string& key) const {
    const auto found = json_.find(key);
    if (found == json_.end()) Fault(FieldWhere(where_, key), "缺少该字段");
    return *found;
  }

  const TJson& json_;
  std::string where_;
};

std::vector<std::string> MemberKeys() {
  std::vector<std::string> keys;
  for (const auto& field : kMemberFields) keys.push_back(field.key);
  return keys;
}

// A name read before its element's other fields, so that messages can use it.
std::string NameOf(const TJson& element, const char* key) {
  if (element.is_object() && element.contains(key) && element[key].is_string()) return element[key].get<std::string>();
  return "";
}

TMember ReadMember(const TJson& json, const std::string& where) {
  static const std::vector<std::string> keys = MemberKeys();
  const TObjectReader reader(json, where, keys);
  TMember member;
  for (const auto& field : kMemberFields) {
    if (field.text)
      member.*field.text = reader.Text(field.key);
    else
      member.*field.number = field.key == std::string(kLength) ? reader.Count(field.key) : reader.Flag(field.key);
  }
  return member;
}

TClassFile ReadClass(const TJson& json, const std::string& where) {
  const TObjectReader reader(json, where, {"className", "friendName", "frontShowFlag", "members"});
  TClassFile file{reader.Text("className"), reader.Text("friendName"), reader.Flag("frontShowFlag"), {}};
  const TJson& members = reader.Array("members");
  for (std::size_t i = 0; i < members.size(); ++i)
    file.members.push_back(ReadMember(members[i], MemberWhere(where, NameOf(members[i], "memberName"), i)));
  return file;
}

// The parser keeps the last of two equal keys; a hand-edited file that says a
// field twice is refused instead, since either value may be the meant one.
TJson Parse(const std::string& text) {
  std::vector<std::set<std::string>> open;
  const auto refuseRepeatedKeys = [&open](int, TJson::parse_event_t event, TJson& parsed) {
    if (event == TJson::parse_event_t::object_start) open.emplace_back();
    if (event == TJson::parse_event_t::object_end) open.pop_back();
    if (event == TJson::parse_event_t::key && !open.back().insert(parsed.get<std::string>()).second)
      throw TProjectFileError("项目文件不是有效的 JSON: 字段 " + parsed.get<std::string>() +
                              " 在同一个对象中出现了两次");
    return true;
  };
  if (const std::size_t at = utf8_text::FirstInvalidByte(text); at != std::string::npos)
    throw TProjectFileError("项目文件第 " + std::to_string(std::count(text.begin(), text.begin() + at, '\n') + 1) +
                            " 行不是有效的 UTF-8 文本 (第 " + std::to_string(at + 1) +
                            " 个字节): 请用 UTF-8 编码保存该文件后再导入。");
  try {
    return TJson::parse(text, refuseRepeatedKeys);
  } catch (const TJson::parse_error& e) {
    // The parser's own words, without its "[json.exception.parse_error.N] " tag.
    const std::string what = e.what();
    throw TProjectFileError("项目文件不是有效的 JSON: " + what.substr(what.find(']') + 2) + " (请改正该处后再导入)");
  }
}

// Every setting may be left out and then has its default.
TGenerationSettings ReadSettings(const TJson& json) {
  const std::string where = FieldWhere(kFileWhere, kSettings);
  std::vector<std::string> keys;
  for (const auto& field : kSettingFields) keys.push_back(field.key);
  const TObjectReader reader(json, where, keys);
  TGenerationSettings settings;
  for (const auto& field : kSettingFields) {
    if (!json.contains(field.key)) continue;
    const std::string word = reader.Text(field.key);
    const int choice = generation_settings::ChoiceOf(field, word);
    if (choice < 0)
      Fault(FieldWhere(where, field.key), "应为 " + generation_settings::WordsOf(field) + " 之一, 而不是 " + word);
    field.set(settings, choice);
  }
  return settings;
}

TObjectReader ReadHeader(const TJson& json) {
  TObjectReader reader(json, kFileWhere, {"format", "version", "projectName", kSettings, "classes"});
  if (reader.Text("format") != kFormat)
    Fault(FieldWhere(kFileWhere, "format"), std::string("不是 vbgen 项目文件 (应为 \"") + kFormat + "\")");
  if (const int version = reader.Count("version"); version != kVersion)
    Fault(FieldWhere(kFileWhere, "version"),
          "不支持的版本 " + std::to_string(version) + ", 本程序读取版本 " + std::to_string(kVersion));
  return reader;
}

}  // namespace

TProjectFile ReadProject(const std::string& text) {
  const TJson json = Parse(text);
  const TObjectReader reader = ReadHeader(json);
  TProjectFile file{reader.Text("projectName"), {}, {}};
  if (json.contains(kSettings)) file.settings = ReadSettings(json[kSettings]);
  const TJson& classes = reader.Array("classes");
  for (std::size_t i = 0; i < classes.size(); ++i)
    file.classes.push_back(ReadClass(classes[i], ClassWhere(NameOf(classes[i], "className"), i)));
  return file;
}

std::string ProjectNameIn(const std::string& text) { return ReadHeader(Parse(text)).Text("projectName"); }

}  // namespace project_json
