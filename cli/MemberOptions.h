#pragma once
// The fields of the member dialogs as command-line options. A field that is
// not given keeps what the dialog would show: its default for a new member,
// the stored value for an existing one.

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "metadata/InputRules.h"

struct TMemberOptions {
  std::optional<std::string> name, type, length, comment;
  std::optional<bool> key, required, query, display, queryDisplay;
};

// withIdentity: also --name and --type (the add command takes both as arguments).
void AddMemberOptions(CLI::App* command, TMemberOptions& options, bool withIdentity);

void ApplyMemberOptions(const TMemberOptions& options, TMemberInput& input);
