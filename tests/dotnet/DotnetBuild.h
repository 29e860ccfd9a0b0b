#pragma once
// Runs `dotnet build` on a generated solution and collects what went wrong.

#include <filesystem>
#include <string>
#include <vector>

struct TDotnetBuild {
  int exitCode = -1;
  std::vector<std::string> errors;  // compiler and MSBuild error lines, in order
  std::string log;                  // everything dotnet printed
};

// Runs dotnet with its output in one file; returns the exit code (127: not started).
int RunDotnet(const std::vector<std::string>& args, const std::filesystem::path& log);
bool DotnetOnPath();
TDotnetBuild BuildSolution(const std::filesystem::path& solution);
// The compiler server and MSBuild nodes outlive a build; the check stops them at its end.
void ShutdownBuildServers();
// The first errors of a failed build, or the end of its log when it printed none.
std::string FailureReport(const TDotnetBuild& build, std::size_t maxErrors = 20);
