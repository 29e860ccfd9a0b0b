#include "cli/MemberTarget.h"

#include "cli/Arguments.h"
#include "cli/Lookup.h"

int TMemberTarget::ProjectId() const { return FindProject(project).tag; }
int TMemberTarget::ClassId() const { return FindClass(ProjectId(), className).tag; }
TMember TMemberTarget::Member() const { return FindMember(ClassId(), member); }

CLI::App* AddMemberCommand(CLI::App* group, const std::string& name, const std::string& help, TMemberTarget& target) {
  auto* command = group->add_subcommand(name, help);
  AddProjectArgument(command, target.project);
  AddClassArgument(command, target.className);
  return command;
}
