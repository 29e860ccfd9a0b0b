#pragma once
// Everything in a stored project that stands between it and a generated
// solution, found in one pass: each class needs exactly one key member and
// exactly one display member, each reference must name a class of the project
// that has a key, and the project's name and each class's and member's names
// and texts must pass the input rules. Problems come in the order a generation
// run checks them (keys of all classes, then display members, then
// references, then names), so the first problem is the one a run stops at.

#include <string>
#include <vector>

#include "metadata/ProjectSnapshot.h"

enum class TProblemKind {
  PrimaryKey,  // not exactly one key member
  Display,     // not exactly one display member
  Reference,   // a reference names no class of the project, or a class without key
  ProjectName, // the project's name breaks a project-name rule
  ClassName,   // the class's names break a class rule
  MemberName,  // the member's name breaks a member-name rule
};

struct TProjectProblem {
  TProblemKind kind;
  int classId = 0;
  std::string className;
  std::string memberName;  // empty for a problem of the class itself
  std::string message;     // the text shown to the user, naming the class (and member)
};

namespace project_checks {

// Key, display and reference problems: what stops a generation run.
std::vector<TProjectProblem> GenerationProblems(const TProjectSnapshot& project);

// Those, then the name rules' problems: everything that stops a run before
// it writes.
std::vector<TProjectProblem> RunProblems(const TProjectSnapshot& project, const std::string& projectName);

// RunProblems of the stored project under its stored name, and a project
// name that another stored project's name differs from only in case or
// composition (written there by another tool).
std::vector<TProjectProblem> CheckProject(int projectId);

// The stored project, read once; raises std::runtime_error with its first
// name-rule problem. What every output of the stored names (the table
// script, an export) applies before it writes, as a generation run does:
// another tool may have written anything into the store.
TProjectSnapshot LoadWithSafeNames(int projectId);

}  // namespace project_checks
