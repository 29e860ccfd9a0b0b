#pragma once
// The structural check of generated forms (the .NET tool in formcheck/): the
// Visual Basic parser over the forms of a user-interface project, reporting a
// business-layer call outside a Try that tells the user, SelectedValue read
// unchecked, a drop-down list that takes typed text, and a property set
// through another control's field.

#include <filesystem>
#include <string>
#include <vector>

struct TFormCheck {
  int exitCode = -1;                  // 0: no problem; 1: problems; other: the check did not run
  std::vector<std::string> problems;  // "file:line: what", or the build errors of the check
  std::string log;                    // everything the check printed
};

// Checks the .vb files of a folder; the tool is built once per process.
TFormCheck CheckGeneratedForms(const std::filesystem::path& formsDir);
// The first problems, or the end of the log when none was listed.
std::string FormCheckReport(const TFormCheck& check, std::size_t maxProblems = 20);
