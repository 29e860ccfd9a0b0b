#include "metadata/ProjectChecks.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <unordered_set>

#include "metadata/DbHelper.h"
#include "metadata/InputRules.h"
#include "metadata/NameRules.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectSnapshot.h"

namespace project_checks {

namespace {

struct TClassMembers {
  TListEntry entry;
  const TMemberList& members;  // the snapshot's own
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

template <typename TCheck>
void AddIfRefused(TProblems& problems, TCheck check, const std::function<TProjectProblem(const std::string&)>& problem) {
  try {
    check();
  } catch (const TInputError& e) {
    problems.push_back(problem(e.what()));
  }
}

// The input rules on what the store holds: the project's name, each class's
// names and each member's name and comment; with namesOnly, only that each
// class and member name is an identifier (what an output spelling it needs). A name that differs from an
// earlier one of its kind only in letter case is taken: VB and Windows'
// file names do not tell them apart.
void AddNameProblems(TProblems& problems, const TProjectSnapshot& project, const std::string& projectName,
                     const std::vector<TClassMembers>& classes, bool namesOnly = false) {
  AddIfRefused(
      problems, [&] { input_rules::CheckStoredProjectName(projectName); },
      [&](const std::string& reason) {
        return TProjectProblem{TProblemKind::ProjectName, 0, "", "", "工程" + projectName + ": " + reason};
      });
  std::unordered_set<std::string> classNames;  // caseless keys: a project holds thousands of classes
  for (const TClassMembers& c : classes) {
    const auto classProblem = [&](const std::string& reason) {
      return ClassProblem(TProblemKind::ClassName, c.entry, c.entry.text + "类: " + reason);
    };
    AddIfRefused(
        problems,
        [&] {
          if (namesOnly)
            input_rules::CheckSpelledName(TInputField::ClassName, c.entry.text, "类名");
          else
            input_rules::CheckStoredClass(projectName, c.entry.text, project.GetFriendName(c.entry.tag));
        },
        classProblem);
    if (namesOnly) {
      for (const TMember& m : c.members)
        AddIfRefused(
            problems, [&] { input_rules::CheckSpelledName(TInputField::MemberName, m.memberName, "成员名称"); },
            [&](const std::string& reason) {
              return MemberProblem(TProblemKind::MemberName, c.entry, m, ": " + reason);
            });
      continue;
    }
    if (!classNames.insert(name_rules::CaselessKey(c.entry.text)).second) problems.push_back(classProblem("该类名称已经存在!"));
    for (auto m = c.members.begin(); m != c.members.end(); ++m) {
      const auto memberProblem = [&](const std::string& reason) {
        return MemberProblem(TProblemKind::MemberName, c.entry, *m, ": " + reason);
      };
      AddIfRefused(
          problems,
          [&] { input_rules::CheckStoredMember(c.entry.text, *m); },
          memberProblem);
      if (std::any_of(c.members.begin(), m, [&](const TMember& other) {
            return name_rules::EqualsIgnoringCase(other.memberName, m->memberName);
          }))
        problems.push_back(memberProblem("该成员名称已经存在!"));
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

std::vector<TProjectProblem> RunProblems(const TProjectSnapshot& project, const std::string& projectName) {
  TProblems problems = GenerationProblems(project);
  AddNameProblems(problems, project, projectName, ClassesOf(project));
  return problems;
}

std::vector<TProjectProblem> CheckProject(int projectId) {
  TProblems problems;
  TDbHelper::InReadTransaction([&] {
    const std::string projectName = TProjectDAO().GetProjectName(projectId);
    problems = RunProblems(TProjectSnapshot::Load(projectId), projectName);
    if (const auto other = input_rules::ProjectNamedAlike(projectName, projectId))
      problems.push_back({TProblemKind::ProjectName, 0, "", "",
                          "工程" + projectName + ": 与工程" + other->text + "只有大小写或字符组合不同!"});
  });
  return problems;
}

TProjectSnapshot LoadWithSafeNames(int projectId) {
  TProblems problems;
  std::optional<TProjectSnapshot> project;
  TDbHelper::InReadTransaction([&] {
    project = TProjectSnapshot::Load(projectId);
    AddNameProblems(problems, *project, TProjectDAO().GetProjectName(projectId), ClassesOf(*project), true);
  });
  if (!problems.empty()) throw std::runtime_error("元数据不能输出: " + problems.front().message);
  return *std::move(project);
}

}  // namespace project_checks
