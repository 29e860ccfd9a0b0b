#pragma once
// The edits of projects, as the workbench and vbgen make them. Every edit of
// the edits layer (this file, ClassEdits.h, MemberEdits.h) runs its input
// checks and its write in one write transaction, which holds the store's write
// lock from the start: no other program can change what the checks saw before
// the write lands. An input fault raises TInputError and stores nothing.

#include <functional>
#include <string>

#include "metadata/GenerationSettings.h"

namespace edits {

// Returns the new project's key.
int AddProject(const std::string& name);
void RenameProject(int projectId, const std::string& name);
// Removes the project, its classes and their members; TInputError when it is gone already.
void DeleteProject(int projectId);
// Changes the project's generation settings: change is given them as stored
// and sets the ones it changes.
void ChangeSettings(int projectId, const std::function<void(TGenerationSettings&)>& change);

// Raises TInputError when the project is not (or no longer) in the store.
void RequireProject(int projectId);

}  // namespace edits
