#include "metadata/InputRules.h"

#include <charconv>

#include "metadata/ClassDAO.h"
#include "metadata/MemberKind.h"
#include "metadata/NameRules.h"
#include "metadata/ProjectDAO.h"
#include "metadata/Utf8Text.h"

namespace input_rules {

namespace {

[[noreturn]] void Refuse(TInputField field, const std::string& message) { throw TInputError(field, message); }

// Refuses with what + reason when a name rule gives a reason.
void RefuseFor(TInputField field, const std::string& what, const std::string& reason) {
  if (!reason.empty()) Refuse(field, what + reason);
}

void CheckFolderName(const std::string& name) {
  if (!name_rules::IsPlainFolderName(name))
    Refuse(TInputField::ProjectName,
           "工程名称必须是一个普通的文件夹名称：不能以空格或点开头或结尾，不能含有 < > : \" / \\ | ? * & % ; @ $ ' 等字符!");
  // The user-interface project is written beside the three library projects.
  if (name_rules::IsTierProjectName(name))
    Refuse(TInputField::ProjectName, "工程名称不能是 Model、BLL 或 DAL：生成的解决方案中已有同名的项目!");
  RefuseFor(TInputField::ProjectName, "工程名称", name_rules::UnsafeTextReason(name));
  RefuseFor(TInputField::ProjectName, "工程名称",
            name_rules::WindowsNameReason(name, name_rules::kMaxProjectNameLength));
}

// The class names the generated files (Model/{C}.vb and the forms) and a table of the script.
void CheckClassFileName(const std::string& className) {
  RefuseFor(TInputField::ClassName, "类名", name_rules::WindowsNameReason(className, name_rules::kMaxClassNameLength));
  if (name_rules::IsFixedTableName(className))
    Refuse(TInputField::ClassName, "类名不能是 U_UserInfo 或 P_PasswordType：生成的数据库脚本已建有同名的表!");
}

// A class named like a namespace of the generated code hides that namespace.
void CheckNamespaceClash(const std::string& projectName, const std::string& className) {
  if (name_rules::IsGeneratedNamespace(className))
    Refuse(TInputField::ClassName, "类名不能是 Model、BLL、DAL、System、Microsoft 或 My：它们是生成代码中的命名空间!");
  const std::string rootNamespace = name_rules::RootNamespaceOf(projectName);
  if (name_rules::EqualsFoldingCase(className, rootNamespace))
    Refuse(TInputField::ClassName, rootNamespace == projectName
                                       ? "类名不能与工程名称相同：它是生成的界面项目的根命名空间!"
                                       : "类名不能是 " + rootNamespace + "：它是由工程名称得出的界面项目的根命名空间!");
}

// The generated code names classes and members after these names.
void CheckIdentifier(TInputField field, const std::string& name, const std::string& what) {
  if (!name_rules::IsIdentifierTail(name))
    Refuse(field, what + "只能由英文字母、数字和下划线组成!");
  if (name_rules::IsReservedWord(name)) Refuse(field, what + "不能是VB.NET的保留字: " + name);
}

void CheckMemberIdentifier(const std::string& name) {
  CheckIdentifier(TInputField::MemberName, name, "成员名称");
  if (name.size() > name_rules::kMaxMemberNameLength)
    Refuse(TInputField::MemberName, "成员名称不能超过 " + std::to_string(name_rules::kMaxMemberNameLength) +
                                        " 个字符: SQL Server 的名称最多 128 个字符，生成的参数名还要加上 @!");
}

// Friendly names and comments land inside generated comment lines and string
// literals; a line break there would end the comment and turn the rest into
// code, a double quote (VB also takes the curly and the full-width ones)
// would end the literal.
void CheckLiteralText(TInputField field, const std::string& text, const std::string& what) {
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) Refuse(field, what + "不能含有换行符、制表符等控制字符!");
  for (const char* quote : {"\"", "\u201C", "\u201D", "\uFF02"})
    if (text.find(quote) != std::string::npos) Refuse(field, what + "不能含有双引号!");
  RefuseFor(field, what, name_rules::UnsafeTextReason(text));
}

// VB names are case-insensitive: a second member of the same name, or one named
// like the class's object, would be declared twice in the generated code.
void CheckMemberNameFree(const TMemberInput& in, int classId, int memberId) {
  if (name_rules::EqualsIgnoringCase(in.name, name_rules::ObjectName(TClassDAO().GetClassName(classId))))
    Refuse(TInputField::MemberName, "成员名称不能与类名相同!");
  // Counted by the store, whose comparison ignores ASCII case as VB does for
  // these ASCII names: reading every member of the class for each new one
  // would make an import of large classes slow.
  const TSqlParams params = {std::int64_t{classId}, in.name, std::int64_t{memberId}};
  if (TDbHelper().GetInt("select count(*) from t_member where classId=? and memberName=? and memberId<>?", params) > 0)
    Refuse(TInputField::MemberName, "该成员名称已经存在!");
}

void CheckStringLength(int length) {
  if (length > name_rules::kMaxStringLength)
    Refuse(TInputField::MemberLength, "字符串长度不能超过 " + std::to_string(name_rules::kMaxStringLength) +
                                          ": SQL Server 的 varchar 最多 8000 个字符!");
}

bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLowerAscii(char c) { return c >= 'a' && c <= 'z'; }

// A type the rules can judge: a word that is none of the five names a class
// (whether it exists is checked apart), even where it would not read as one.
TMemberKind RuleKind(const std::string& type) {
  return member_type::IsReference(type) ? TMemberKind::Reference : KindOfType(type);
}

}  // namespace

std::optional<TListEntry> ProjectNamedAlike(const std::string& name, int exceptProjectId) {
  const std::string key = name_rules::CaselessKey(name);
  for (const TListEntry& project : TProjectDAO().GetAll())
    if (project.tag != exceptProjectId && name_rules::CaselessKey(project.text) == key) return project;
  return std::nullopt;
}

void CheckNewProjectName(const std::string& name) {
  if (name.empty()) Refuse(TInputField::ProjectName, "工程名称不能为空!");
  if (TProjectDAO().CountByName(name) > 0 || ProjectNamedAlike(name))
    Refuse(TInputField::ProjectName, "该工程名称已经存在!");
  CheckFolderName(name);
}

void CheckProjectRename(int projectId, const std::string& name) {
  if (name.empty()) Refuse(TInputField::ProjectName, "工程项目名称不能为空!");
  if (TProjectDAO().CountByName(name, projectId) > 0 || ProjectNamedAlike(name, projectId))
    Refuse(TInputField::ProjectName, "该工程名称已经存在!");
  CheckFolderName(name);
}

void CheckNameSpace(const std::string& nameSpace) {
  if (nameSpace.empty()) Refuse(TInputField::NameSpace, "命名空间名输入不能为空!");
  utf8_text::Require(TInputField::NameSpace, nameSpace, "命名空间名");
}

void CheckAddClass(int projectId, const std::string& className, const std::string& friendName) {
  if (className.empty()) Refuse(TInputField::ClassName, "类名称不能为空!");
  if (friendName.empty()) Refuse(TInputField::FriendName, "友好名称不能为空");
  if (!IsUpperAscii(className[0])) Refuse(TInputField::ClassName, "类名首个字母必须大写");
  if (TClassDAO().CountByName(projectId, className) > 0) Refuse(TInputField::ClassName, "该类名称已经存在!");
  CheckIdentifier(TInputField::ClassName, className, "类名");
  CheckClassFileName(className);
  CheckNamespaceClash(TProjectDAO().GetProjectName(projectId), className);
  CheckLiteralText(TInputField::FriendName, friendName, "友好名称");
}

void CheckUpdateClass(int projectId, int classId, const std::string& className, const std::string& friendName) {
  CheckStoredClass(TProjectDAO().GetProjectName(projectId), className, friendName);
  if (TClassDAO().CountByName(projectId, className, classId) > 0) Refuse(TInputField::ClassName, "该类名称已经存在!");
}

void CheckMember(const TMemberInput& in, int projectId, int classId, int memberId) {
  if (in.name.empty()) Refuse(TInputField::MemberName, "成员名称输入不能为空!");
  if (!IsLowerAscii(in.name[0])) Refuse(TInputField::MemberName, "成员属性首个字母必须小写");
  // The type rules below presume a type the dialogs could have offered.
  if (member_type::IsReference(in.type)) {
    if (!TClassDAO().IsOtherClass(projectId, classId, in.type))
      Refuse(TInputField::MemberType, "成员类型 '" + in.type +
                                          "' 无效: 只能是字符串、整型、浮点型、日期型、图片型，或本项目中另一个类的名称!");
  }
  const TMemberKindTraits& kind = Traits(RuleKind(in.type));
  if (kind.alwaysRequired && !in.isMust) Refuse(TInputField::MemberFlags, in.type + "必须勾选是否必填标志!");
  if (in.isPri && !kind.canBeKey) Refuse(TInputField::MemberFlags, "主键字段必须是整型或字符串型!");
  if (in.queryFlag && !kind.canBeCriterion) Refuse(TInputField::MemberFlags, "参与查询的字段不能是" + in.type);
  CheckMemberIdentifier(in.name);
  CheckMemberNameFree(in, classId, memberId);
  CheckLiteralText(TInputField::MemberComment, in.comment, "成员注释");
}

void CheckStoredProjectName(const std::string& name) {
  if (name.empty()) Refuse(TInputField::ProjectName, "工程名称不能为空!");
  CheckFolderName(name);
}

void CheckStoredClass(const std::string& projectName, const std::string& className, const std::string& friendName) {
  if (className.empty()) Refuse(TInputField::ClassName, "类名称不能为空");
  if (!IsUpperAscii(className[0])) Refuse(TInputField::ClassName, "类名首个字母必须大写");
  if (friendName.empty()) Refuse(TInputField::FriendName, "友好名称不能为空");
  CheckIdentifier(TInputField::ClassName, className, "类名");
  CheckClassFileName(className);
  CheckNamespaceClash(projectName, className);
  CheckLiteralText(TInputField::FriendName, friendName, "友好名称");
}

void CheckSpelledName(TInputField field, const std::string& name, const std::string& what) {
  if (name.empty()) Refuse(field, what + "输入不能为空!");
  if (!name_rules::IsIdentifierTail(name)) Refuse(field, what + "只能由英文字母、数字和下划线组成!");
}

void CheckStoredMember(const std::string& className, const TMember& member) {
  const std::string& memberName = member.memberName;
  if (memberName.empty()) Refuse(TInputField::MemberName, "成员名称输入不能为空!");
  if (!IsLowerAscii(memberName[0])) Refuse(TInputField::MemberName, "成员属性首个字母必须小写");
  CheckMemberIdentifier(memberName);
  if (name_rules::EqualsIgnoringCase(memberName, name_rules::ObjectName(className)))
    Refuse(TInputField::MemberName, "成员名称不能与类名相同!");
  if (member.memberType == member_type::kString) CheckStringLength(member.memberLength);
  CheckLiteralText(TInputField::MemberComment, member.memberComment, "成员注释");
}

TMember BuildMember(const TMemberInput& in, int projectId, int classId, int memberId) {
  TMember m;
  m.memberId = memberId;
  m.projectId = projectId;
  m.classId = classId;
  m.memberName = in.name;
  m.memberType = in.type;
  const TMemberKind kind = RuleKind(in.type);
  if (kind == TMemberKind::String) {
    int length = 0;
    const char* end = in.lengthText.data() + in.lengthText.size();
    const auto [ptr, ec] = std::from_chars(in.lengthText.data(), end, length);
    if (in.lengthText.empty() || ec != std::errc() || ptr != end || length <= 0)
      Refuse(TInputField::MemberLength, "'" + in.lengthText + "' 不是有效的长度，字符串长度必须是大于0的整数!");
    CheckStringLength(length);
    m.memberLength = length;
  }
  m.memberIsPri = in.isPri ? 1 : 0;
  m.memberIsInteger = kind == TMemberKind::Integer ? 1 : 0;
  m.memberIsFloat = kind == TMemberKind::Float ? 1 : 0;
  m.memberIsMust = in.isMust ? 1 : 0;
  m.queryFlag = in.queryFlag ? 1 : 0;
  m.memberIsDisplay = in.isDisplay ? 1 : 0;
  m.memberQueryDisplay = in.queryDisplay ? 1 : 0;
  m.memberComment = in.comment;
  return m;
}

TMemberInput InputOf(const TMember& m) {
  TMemberInput in;
  in.name = m.memberName;
  in.type = m.memberType;
  in.lengthText = std::to_string(m.memberLength);
  in.isMust = m.memberIsMust == 1;
  in.queryFlag = m.queryFlag == 1;
  in.isPri = m.memberIsPri == 1;
  in.isDisplay = m.memberIsDisplay == 1;
  in.queryDisplay = m.memberQueryDisplay == 1;
  in.comment = m.memberComment;
  return in;
}

}  // namespace input_rules
