#include <gtest/gtest.h>

#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectChecks.h"
#include "metadata/ProjectDAO.h"
#include "platform/Unicode.h"
#include "support/TempHome.h"

namespace {

// Builds a stored project straight through the access classes, past the dialogs' rules.
class TProjectBuilder {
 public:
  explicit TProjectBuilder(const std::string& name) {
    TProjectDAO().AddProject(name);
    projectId_ = TProjectDAO().GetProjectId(name);
  }

  int Class(const std::string& name, const std::string& friendName = "类") {
    TClassDAO().AddClass(projectId_, name, friendName, 1);
    classId_ = TClassDAO().GetClassId(projectId_, name);
    return classId_;
  }

  TProjectBuilder& Member(const std::string& name, const std::string& type, int isPri = 0, int isDisplay = 0,
                          int length = 20) {
    TMember m;
    m.memberLength = length;
    m.projectId = projectId_;
    m.classId = classId_;
    m.memberName = name;
    m.memberType = type;
    m.memberIsPri = isPri;
    m.memberIsDisplay = isDisplay;
    m.memberIsMust = 1;
    TMemberDAO().AddMember(m);
    return *this;
  }

  int projectId() const { return projectId_; }

 private:
  int projectId_ = 0;
  int classId_ = 0;
};

constexpr const char* kString = member_type::kString;

std::vector<std::string> Messages(const std::vector<TProjectProblem>& problems) {
  std::vector<std::string> messages;
  for (const auto& p : problems) messages.push_back(p.message);
  return messages;
}

TEST(ProjectChecks, ASoundProjectHasNoProblem) {
  TTempHome home(false);
  TProjectBuilder p("Shop");
  p.Class("Goods");
  p.Member("code", kString, 1, 1).Member("kind", "Kind");
  p.Class("Kind");
  p.Member("kindId", member_type::kInteger, 1).Member("title", kString, 0, 1);
  EXPECT_TRUE(project_checks::CheckProject(p.projectId()).empty());
}

TEST(ProjectChecks, AProjectWithoutClassesHasNoProblem) {
  TTempHome home(false);
  EXPECT_TRUE(project_checks::CheckProject(TProjectBuilder("Empty").projectId()).empty());
}

TEST(ProjectChecks, ListsEveryProblemInTheOrderARunChecks) {
  TTempHome home(false);
  TProjectBuilder p("Mess");
  const int noKey = p.Class("NoKey");
  p.Member("title", kString, 0, 1).Member("lost", "Gone").Member("keyless", "NoKey");
  const int twoKeys = p.Class("TwoKeys");
  p.Member("a", kString, 1).Member("b", kString, 1);  // and no display member
  const int badNames = p.Class("lower", "");
  p.Member("id", kString, 1, 1).Member("Select", kString).Member("next", kString).Member("x-y", kString);
  // Another project's class of the missing name must not satisfy the reference.
  TProjectBuilder other("Other");
  other.Class("Gone");
  other.Member("goneId", kString, 1, 1);

  const auto problems = project_checks::CheckProject(p.projectId());
  EXPECT_EQ(Messages(problems), (std::vector<std::string>{
                                    "NoKey表主键设置错误，每个类只能设置一个主键!",
                                    "TwoKeys表主键设置错误，每个类只能设置一个主键!",
                                    "TwoKeys表显示成员设置错误，每个类有且只能设置一个显示成员!",
                                    "NoKey类的成员lost引用的类Gone不存在，请修改该成员的类型!",
                                    "NoKey类的成员keyless引用的类NoKey没有主键，请为该类设置一个主键!",
                                    "lower类: 类名首个字母必须大写",
                                    "lower类的成员Select: 成员属性首个字母必须小写",
                                    "lower类的成员next: 成员名称不能是VB.NET的保留字: next",
                                    "lower类的成员x-y: 成员名称只能由英文字母、数字和下划线组成!",
                                }));
  ASSERT_EQ(problems.size(), 9u);
  EXPECT_EQ(problems[0].kind, TProblemKind::PrimaryKey);
  EXPECT_EQ(problems[0].classId, noKey);
  EXPECT_EQ(problems[0].memberName, "");
  EXPECT_EQ(problems[2].kind, TProblemKind::Display);
  EXPECT_EQ(problems[2].classId, twoKeys);
  EXPECT_EQ(problems[3].kind, TProblemKind::Reference);
  EXPECT_EQ(problems[3].className, "NoKey");
  EXPECT_EQ(problems[3].memberName, "lost");
  EXPECT_EQ(problems[5].kind, TProblemKind::ClassName);
  EXPECT_EQ(problems[5].classId, badNames);
  EXPECT_EQ(problems[8].kind, TProblemKind::MemberName);
  EXPECT_EQ(problems[8].memberName, "x-y");
}

TEST(ProjectChecks, AReferenceMatchesItsClassAsTheStoreComparesNames) {
  TTempHome home(false);
  TProjectBuilder p("Case");
  p.Class("Kind");
  p.Member("kindId", kString, 1, 1);
  p.Class("Goods");
  p.Member("code", kString, 1, 1).Member("kind", "KIND");
  EXPECT_TRUE(project_checks::CheckProject(p.projectId()).empty());
}

// What only another tool could store: check lists it; the outputs of the
// stored names (the table script, an export) refuse only names that are not
// identifiers (tested with the sql command), so these still start.
TEST(ProjectChecks, FindsWhatOnlyAnotherToolCouldStore) {
  TTempHome home(false);
  if (!platform::HasIcu()) GTEST_SKIP() << "no ICU on this system (icu.dll is missing: Wine has none)";
  TProjectBuilder p("Caf\u00E9");
  TProjectBuilder("CAFE\u0301");
  const std::string longName = "a" + std::string(127, 'b');
  p.Class("Cafe");
  p.Member("id", kString, 1, 1, 99999).Member(longName, kString);
  EXPECT_EQ(Messages(project_checks::CheckProject(p.projectId())),
            (std::vector<std::string>{
                "Cafe类的成员id: 字符串长度不能超过 8000: SQL Server 的 varchar 最多 8000 个字符!",
                "Cafe类的成员" + longName +
                    ": 成员名称不能超过 127 个字符: SQL Server 的名称最多 128 个字符，生成的参数名还要加上 @!",
                "工程Caf\u00E9: 与工程CAFE\u0301只有大小写或字符组合不同!",
            }));
  EXPECT_NO_THROW(project_checks::LoadWithSafeNames(p.projectId()));
}

TEST(ProjectChecks, AClassNamedLikeTheDerivedRootNamespaceIsFound) {
  TTempHome home(false);
  if (!platform::HasIcu()) GTEST_SKIP() << "no ICU on this system (icu.dll is missing: Wine has none)";
  TProjectBuilder p("Book\u00B7");
  p.Class("Book_");
  p.Member("id", kString, 1, 1);
  EXPECT_EQ(Messages(project_checks::CheckProject(p.projectId())),
            (std::vector<std::string>{"Book_类: 类名不能是 Book_：它是由工程名称得出的界面项目的根命名空间!"}));
}

}  // namespace
