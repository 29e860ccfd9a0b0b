#pragma once
// Each group of vbgen's subcommands registers itself on the application.
// A command reports an input fault by throwing TInputError (exit 2) and any
// other failure by throwing (exit 1).

#include <CLI/CLI.hpp>

#include <filesystem>
#include <stdexcept>
#include <string>

struct TCliContext {
  std::filesystem::path home;  // set after parsing, before any callback runs
};

// An error whose message is already the whole story; vbgen exits with code.
class TCliExit : public std::runtime_error {
 public:
  TCliExit(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

void AddProjectCommands(CLI::App& app, TCliContext& context);
void AddClassCommands(CLI::App& app, TCliContext& context);
void AddMemberCommands(CLI::App& app, TCliContext& context);
// The reorder subcommands (swap / up / down) of the member group.
void AddMemberOrderCommands(CLI::App& memberGroup);
void AddSqlCommand(CLI::App& app, TCliContext& context);
void AddGenerateCommands(CLI::App& app, TCliContext& context);
// export / import / sample / check: projects as text files and the check of a stored project.
void AddTransferCommands(CLI::App& app, TCliContext& context);
// import-sql: a project from a SQL Server table script.
void AddSqlImportCommand(CLI::App& app, TCliContext& context);
