#include "metadata/ProjectJson.h"

#include "metadata/ClassDAO.h"
#include "metadata/InputRules.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJsonLayout.h"
#include "metadata/SettingsDAO.h"

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
  const TGenerationSettings settings = TSettingsDAO().GetSettings(project.tag);
  TJson& settingsJson = file[kSettings] = TJson::object();
  for (const auto& field : kSettingFields) settingsJson[field.key] = generation_settings::WordOf(field, settings);
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

TListEntry ImportProject(const std::string& text, const std::string& projectName) {
  TProjectFile file = ReadProject(text);
  const std::string nameWhere = projectName.empty() ? kFileWhere : "项目名称 " + projectName;
  if (!projectName.empty()) file.projectName = projectName;
  int projectId = 0;
  TDbHelper::InTransaction([&] {
    Checked(nameWhere, [&] { input_rules::CheckNewProjectName(file.projectName); });
    TProjectDAO().AddProject(file.projectName);
    projectId = TProjectDAO().GetProjectId(file.projectName);
    TSettingsDAO().SaveSettings(projectId, file.settings);
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
