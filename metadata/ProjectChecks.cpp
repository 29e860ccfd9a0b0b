#include "metadata/ProjectChecks.h"

#include <algorithm>

#include "metadata/ClassDAO.h"
#include "metadata/InputRules.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectSnapshot.h"

namespace project_checks {

namespace {

struct TClassMembers {
  TListEntry entry;
  TMemberList members;
};

using TProblems = std::vector<TProjectProblem>;

TProjectProblem ClassProblem(TProblemKind kind, const TListEntry& entry, const std::string& message) {
  return {kind, entry.tag, entry.text, "", message};
}

TProjectProblem MemberProblem(TProblemKind kind, const TListEntry& entry, const TMember& member,
                              const std::string& message) {
  return {kind, entry.tag, entry.text, member.memberName, entry.text + "类的成员" + member.memberName + message};
}

void AddCountProblems(TProblems& problems, const std::vector<TClassMembers>& classes, int TMember::*flag,
                      TProblemKind kind, const std::string& message) {
  for (const auto& c : classes) {
    const auto count =
        std::count_if(c.members.begin(), c.members.end(), [&](const TMember& m) { return m.*flag == 1; });
    if (count != 1) problems.push_back(ClassProblem(kind, c.entry, c.entry.text + message));
  }
}

void AddReferenceProblems(TProblems& problems, const TProjectSnapshot& project,
                          const std::vector<TClassMembers>& classes) {
  for (const auto& c : classes) {
    for (const auto& m : c.members) {
      if (!member_type::IsReference(m.memberType) || project.GetKeyMemberOf(m.memberType)) continue;
      const bool classExists = project.GetClassId(m.memberType) > 0;
      problems.push_back(
          MemberProblem(TProblemKind::Reference, c.entry, m,
                        "引用的类" + m.memberType +
                            (classExists ? "没有主键，请为该类设置一个主键!" : "不存在，请修改该成员的类型!")));
    }
  }
}

// A required string member that is neither key nor search criterion: only the
// name rules can refuse it.
TMemberInput NameOnly(const std::string& memberName) {
  TMemberInput input;
  input.name = memberName;
  input.type = member_type::kString;
  input.isMust = true;
  return input;
}

void AddNameProblems(TProblems& problems, int projectId, const std::vector<TClassMembers>& classes) {
  const TClassDAO classDao;
  for (const auto& c : classes) {
    try {
      input_rules::CheckUpdateClass(projectId, c.entry.tag, c.entry.text, classDao.GetFriendName(c.entry.tag));
    } catch (const TInputError& e) {
      problems.push_back(ClassProblem(TProblemKind::ClassName, c.entry, c.entry.text + "类: " + e.what()));
    }
    for (const auto& m : c.members) {
      try {
        input_rules::CheckMember(NameOnly(m.memberName), projectId, c.entry.tag, m.memberId);
      } catch (const TInputError& e) {
        problems.push_back(MemberProblem(TProblemKind::MemberName, c.entry, m, std::string(": ") + e.what()));
      }
    }
  }
}

std::vector<TClassMembers> ClassesOf(const TProjectSnapshot& project) {
  std::vector<TClassMembers> classes;
  for (const auto& entry : project.GetClassList()) classes.push_back({entry, project.GetMembers(entry.tag)});
  return classes;
}

}  // namespace

std::vector<TProjectProblem> GenerationProblems(const TProjectSnapshot& project) {
  const std::vector<TClassMembers> classes = ClassesOf(project);
  TProblems problems;
  AddCountProblems(problems, classes, &TMember::memberIsPri, TProblemKind::PrimaryKey,
                   "表主键设置错误，每个类只能设置一个主键!");
  AddCountProblems(problems, classes, &TMember::memberIsDisplay, TProblemKind::Display,
                   "表显示成员设置错误，每个类有且只能设置一个显示成员!");
  AddReferenceProblems(problems, project, classes);
  return problems;
}

std::vector<TProjectProblem> CheckProject(int projectId) {
  TProblems problems;
  TDbHelper::InReadTransaction([&] {
    const TProjectSnapshot project = TProjectSnapshot::Load(projectId);
    problems = GenerationProblems(project);
    AddNameProblems(problems, projectId, ClassesOf(project));
  });
  return problems;
}

}  // namespace project_checks
