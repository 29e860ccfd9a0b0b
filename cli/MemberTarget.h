#pragma once
// What a member command names: a project, one of its classes and, for most
// commands, a member of that class.

#include <CLI/CLI.hpp>

#include <string>

#include "metadata/Member.h"

struct TMemberTarget {
  std::string project, className, member;

  int ProjectId() const;
  int ClassId() const;
  TMember Member() const;
};

// A subcommand of group whose first two arguments are the project and the class.
CLI::App* AddMemberCommand(CLI::App* group, const std::string& name, const std::string& help, TMemberTarget& target);
