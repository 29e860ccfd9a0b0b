#include "metadata/ProjectJson.h"

#include "metadata/ClassDAO.h"
#include "metadata/ClassEdits.h"
#include "metadata/MemberDAO.h"
#include "metadata/MemberEdits.h"
#include "metadata/ProjectEdits.h"
#include "metadata/ProjectJsonLayout.h"
#include "metadata/SettingsDAO.h"
#include "metadata/Utf8Text.h"

namespace project_json {

namespace {

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

void StoreMembers(int classId, const TClassFile& file, const std::string& where) {
  for (std::size_t i = 0; i < file.members.size(); ++i) {
    const TMember& inFile = file.members[i];
    const std::string memberWhere = MemberWhere(where, inFile.memberName, i);
    const TMember stored = Checked(memberWhere, [&] { return edits::AddMember(classId, input_rules::InputOf(inFile)); });
    CheckDerivedFields(stored, inFile, memberWhere);
  }
}

// A text the store holds that JSON cannot carry: named, with the way to mend it.
const std::string& Exportable(const std::string& text, const std::string& where) {
  if (!utf8_text::IsValid(text))
    throw std::runtime_error(where + " 不是有效的 UTF-8 文本，无法导出: 请先在工作台或用 vbgen 的修改命令改正它。");
  return text;
}

}  // namespace

TJson MemberToJson(const TMember& member) {
  TJson json;
  for (const auto& field : kMemberFields) {
    if (field.text)
      json[field.key] = member.*field.text;
    else
      json[field.key] = member.*field.number;
  }
  return json;
}

std::string ExportProject(const TListEntry& project) {
  const TClassDAO classDao;
  TJson file;
  file["format"] = kFormat;
  file["version"] = kVersion;
  file["projectName"] = Exportable(project.text, FieldWhere(kFileWhere, "projectName"));
  const TGenerationSettings settings = TSettingsDAO().GetSettings(project.tag);
  TJson& settingsJson = file[kSettings] = TJson::object();
  for (const auto& field : kSettingFields) settingsJson[field.key] = generation_settings::WordOf(field, settings);
  file["classes"] = TJson::array();
  TDbHelper::InReadTransaction([&] {
    const TClassList classes = classDao.GetClassList(project.tag);
    for (std::size_t i = 0; i < classes.size(); ++i) {
      const TListEntry& entry = classes[i];
      const std::string where = ClassWhere(utf8_text::IsValid(entry.text) ? entry.text : "", i);
      TJson members = TJson::array();
      const TMemberList stored = TMemberDAO().GetMembers(entry.tag);
      for (std::size_t m = 0; m < stored.size(); ++m) {
        const TMember& member = stored[m];
        const std::string memberWhere =
            MemberWhere(where, utf8_text::IsValid(member.memberName) ? member.memberName : "", m);
        for (const auto& field : kMemberFields)
          if (field.text) Exportable(member.*field.text, FieldWhere(memberWhere, field.key));
        members.push_back(MemberToJson(member));
      }
      const std::string friendName = classDao.GetFriendName(entry.tag);
      file["classes"].push_back({{"className", Exportable(entry.text, FieldWhere(where, "className"))},
                                 {"friendName", Exportable(friendName, FieldWhere(where, "friendName"))},
                                 {"frontShowFlag", classDao.GetFrontShowFlag(entry.tag)},
                                 {"members", std::move(members)}});
    }
  });
  return file.dump(2) + "\n";
}

namespace {

// Marks a refusal with the class it belongs to.
template <typename TBody>
void ForClass(std::size_t index, TBody body) {
  try {
    body();
  } catch (const TProjectFileError& e) {
    throw TProjectFileError(e.what(), index);
  }
}

}  // namespace

TListEntry StoreProject(const TProjectFile& file, const std::string& nameWhere) {
  int projectId = 0;
  TDbHelper::InTransaction([&] {
    projectId = Checked(nameWhere, [&] { return edits::AddProject(file.projectName); });
    edits::ChangeSettings(projectId, [&](TGenerationSettings& settings) { settings = file.settings; });
    // Every class first, so that a member may refer to a class further down the file.
    std::vector<int> classIds;
    for (std::size_t i = 0; i < file.classes.size(); ++i) {
      const TClassFile& c = file.classes[i];
      ForClass(i, [&] {
        classIds.push_back(Checked(ClassWhere(c.className, i), [&] {
          return edits::AddClass(projectId, {c.className, c.friendName, c.frontShowFlag});
        }));
      });
    }
    for (std::size_t i = 0; i < file.classes.size(); ++i)
      ForClass(i, [&] { StoreMembers(classIds[i], file.classes[i], ClassWhere(file.classes[i].className, i)); });
  });
  return {file.projectName, projectId};
}

TListEntry ImportProject(const std::string& text, const std::string& projectName) {
  TProjectFile file = ReadProject(text);
  if (projectName.empty()) return StoreProject(file, kFileWhere);
  file.projectName = projectName;
  return StoreProject(file, "项目名称 " + projectName);
}

}  // namespace project_json
