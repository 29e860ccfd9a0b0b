#include "metadata/ProjectJson.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "metadata/ClassDAO.h"
#include "metadata/InputRules.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"

namespace project_json {

namespace {

// ordered_json keeps keys in insertion order, which fixes the layout.
using TJson = nlohmann::ordered_json;

// The member fields in file order; every number but memberLength is a 0/1 flag.
struct TMemberField {
  const char* key;
  std::string TMember::*text;
  int TMember::*number;
};
constexpr TMemberField kMemberFields[] = {
    {"memberName", &TMember::memberName, nullptr},
    {"memberType", &TMember::memberType, nullptr},
    {"memberLength", nullptr, &TMember::memberLength},
    {"memberIsPri", nullptr, &TMember::memberIsPri},
    {"memberComment", &TMember::memberComment, nullptr},
    {"memberIsMust", nullptr, &TMember::memberIsMust},
    {"memberIsInteger", nullptr, &TMember::memberIsInteger},
    {"memberIsFloat", nullptr, &TMember::memberIsFloat},
    {"queryFlag", nullptr, &TMember::queryFlag},
    {"memberIsDisplay", nullptr, &TMember::memberIsDisplay},
    {"memberQueryDisplay", nullptr, &TMember::memberQueryDisplay},
};
constexpr const char* kLength = "memberLength";

struct TClassFile {
  std::string className;
  std::string friendName;
  int frontShowFlag = 0;
  std::vector<TMember> members;
};

struct TProjectFile {
  std::string projectName;
  std::vector<TClassFile> classes;
};

[[noreturn]] void Fault(const std::string& where, const std::string& problem) {
  throw TProjectFileError(where + ": " + problem);
}

std::string FieldWhere(const std::string& where, const std::string& key) { return where + ", 字段 " + key; }

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

std::string Ordinal(std::size_t index) { return "第 " + std::to_string(index + 1) + " 个"; }

std::string ClassWhere(const std::string& name, std::size_t index) {
  return name.empty() ? Ordinal(index) + "类" : "类 " + name;
}

std::string MemberWhere(const std::string& classWhere, const std::string& name, std::size_t index) {
  return classWhere + " 的" + (name.empty() ? Ordinal(index) + "成员" : "成员 " + name);
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
  try {
    return TJson::parse(text, refuseRepeatedKeys);
  } catch (const TJson::parse_error& e) {
    throw TProjectFileError(std::string("项目文件不是有效的 JSON: ") + e.what());
  }
}

constexpr const char* kFileWhere = "项目文件";

TObjectReader ReadHeader(const TJson& json) {
  TObjectReader reader(json, kFileWhere, {"format", "version", "projectName", "classes"});
  if (reader.Text("format") != kFormat)
    Fault(FieldWhere(kFileWhere, "format"), std::string("不是 vbgen 项目文件 (应为 \"") + kFormat + "\")");
  if (const int version = reader.Count("version"); version != kVersion)
    Fault(FieldWhere(kFileWhere, "version"),
          "不支持的版本 " + std::to_string(version) + ", 本程序读取版本 " + std::to_string(kVersion));
  return reader;
}

TProjectFile ReadProject(const std::string& text) {
  const TJson json = Parse(text);
  const TObjectReader reader = ReadHeader(json);
  TProjectFile file{reader.Text("projectName"), {}};
  const TJson& classes = reader.Array("classes");
  for (std::size_t i = 0; i < classes.size(); ++i)
    file.classes.push_back(ReadClass(classes[i], ClassWhere(NameOf(classes[i], "className"), i)));
  return file;
}

// The file's key for the field an input rule refused; flags are named by the rule's message.
std::string KeyOf(TInputField field) {
  switch (field) {
    case TInputField::ProjectName:
      return "projectName";
    case TInputField::ClassName:
      return "className";
    case TInputField::FriendName:
      return "friendName";
    case TInputField::MemberName:
      return "memberName";
    case TInputField::MemberType:
      return "memberType";
    case TInputField::MemberLength:
      return kLength;
    case TInputField::MemberComment:
      return "memberComment";
    default:
      return "";
  }
}

// Runs one element's rules, naming the element in the message of a refusal.
template <typename TBody>
auto Checked(const std::string& where, TBody body) {
  try {
    return body();
  } catch (const TInputError& e) {
    const std::string key = KeyOf(e.field());
    Fault(key.empty() ? where : FieldWhere(where, key), e.what());
  }
}

// The dialogs derive memberLength, memberIsInteger and memberIsFloat from the
// type; a file must agree with them, so that an import stores what it says.
void CheckDerivedFields(const TMember& stored, const TMember& inFile, const std::string& where) {
  for (const auto& field : kMemberFields)
    if (field.number && stored.*field.number != inFile.*field.number)
      Fault(FieldWhere(where, field.key),
            "应为 " + std::to_string(stored.*field.number) + " (成员类型为 " + inFile.memberType + ")");
}

void StoreMembers(int projectId, const TClassFile& file, const std::string& where) {
  const int classId = TClassDAO().GetClassId(projectId, file.className);
  for (std::size_t i = 0; i < file.members.size(); ++i) {
    const TMember& inFile = file.members[i];
    const std::string memberWhere = MemberWhere(where, inFile.memberName, i);
    const TMember stored = Checked(memberWhere, [&] {
      const TMemberInput input = input_rules::InputOf(inFile);
      input_rules::CheckMember(input, TMemberDialog::Add, projectId, classId);
      return input_rules::BuildMember(input, projectId, classId, 0);
    });
    CheckDerivedFields(stored, inFile, memberWhere);
    TMemberDAO().AddMember(stored);
  }
}

}  // namespace

std::string ExportProject(const TListEntry& project) {
  const auto lock = TDbHelper::Lock();
  const TClassDAO classDao;
  TJson file;
  file["format"] = kFormat;
  file["version"] = kVersion;
  file["projectName"] = project.text;
  file["classes"] = TJson::array();
  for (const auto& entry : classDao.GetClassList(project.tag)) {
    TJson members = TJson::array();
    for (const auto& member : TMemberDAO().GetMembers(entry.tag)) {
      TJson json;
      for (const auto& field : kMemberFields) {
        if (field.text)
          json[field.key] = member.*field.text;
        else
          json[field.key] = member.*field.number;
      }
      members.push_back(std::move(json));
    }
    file["classes"].push_back({{"className", entry.text},
                               {"friendName", classDao.GetFriendName(entry.tag)},
                               {"frontShowFlag", classDao.GetFrontShowFlag(entry.tag)},
                               {"members", std::move(members)}});
  }
  return file.dump(2) + "\n";
}

std::string ProjectNameIn(const std::string& text) { return ReadHeader(Parse(text)).Text("projectName"); }

TListEntry ImportProject(const std::string& text, const std::string& projectName) {
  TProjectFile file = ReadProject(text);
  const std::string nameWhere = projectName.empty() ? kFileWhere : "项目名称 " + projectName;
  if (!projectName.empty()) file.projectName = projectName;
  int projectId = 0;
  TDbHelper::InTransaction([&] {
    Checked(nameWhere, [&] { input_rules::CheckNewProjectName(file.projectName); });
    TProjectDAO().AddProject(file.projectName);
    projectId = TProjectDAO().GetProjectId(file.projectName);
    // Every class first, so that a member may refer to a class further down the file.
    for (std::size_t i = 0; i < file.classes.size(); ++i) {
      const TClassFile& c = file.classes[i];
      Checked(ClassWhere(c.className, i), [&] { input_rules::CheckAddClass(projectId, c.className, c.friendName); });
      TClassDAO().AddClass(projectId, c.className, c.friendName, c.frontShowFlag);
    }
    for (const auto& c : file.classes) StoreMembers(projectId, c, ClassWhere(c.className, 0));
  });
  return {file.projectName, projectId};
}

}  // namespace project_json
