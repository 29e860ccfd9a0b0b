#pragma once
// A project as one text file, so that it can live in version control and be
// reviewed as a diff: a fixed layout in which the same metadata always gives
// the same bytes, and an import that stores a file only when all of it passes
// the rules the dialogs apply.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "metadata/ListEntry.h"

// A project file that cannot be imported; the message names the element
// (project, class, member) and the field at fault.
// classIndex: the class (in file order) whose content was refused while storing.
class TProjectFileError : public std::runtime_error {
 public:
  explicit TProjectFileError(const std::string& message, std::optional<std::size_t> classIndex = {})
      : std::runtime_error(message), classIndex_(classIndex) {}
  std::optional<std::size_t> classIndex() const { return classIndex_; }

 private:
  std::optional<std::size_t> classIndex_;
};

namespace project_json {

inline constexpr const char* kFormat = "vbgen-project";
inline constexpr int kVersion = 1;

// Pretty JSON (two-space indent, keys in a fixed order, classes and members in
// list order, ids left out, references by class name), ending with a newline.
std::string ExportProject(const TListEntry& project);

// The project name a file carries. Raises TProjectFileError.
std::string ProjectNameIn(const std::string& text);

// Creates the project a file describes, under projectName when that is not
// empty, in one transaction, and returns its name and key. Classes and members
// pass the add dialogs' rules; memberLength, memberIsInteger and memberIsFloat
// must be what the dialogs would derive from the type, since correcting them
// silently would store something other than the file says. Any fault raises
// TProjectFileError and leaves the store as it was.
TListEntry ImportProject(const std::string& text, const std::string& projectName = "");

}  // namespace project_json
