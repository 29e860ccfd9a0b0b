#pragma once
// What a run does, or would do, to one file of the output tree.

#include <array>
#include <string>

#include "metadata/GenerationSettings.h"

enum class TFileState {
  New,            // written where no file was
  Changed,        // replaced: the file held no hand edit
  Unchanged,      // already holds what the run writes
  Merged,         // hand edits and the run's changes joined cleanly
  Conflict,       // joined with conflict markers where both changed the same lines
  Kept,           // a file the user changed, left alone
  DeletedByUser,  // the user deleted it; it stays deleted
};

inline constexpr std::array kFileStates{TFileState::New,    TFileState::Changed,  TFileState::Unchanged,
                                        TFileState::Merged, TFileState::Conflict, TFileState::Kept,
                                        TFileState::DeletedByUser};

// "new", "changed", ... "deleted-by-user"
const char* StateWord(TFileState state);

struct TFileReport {
  std::string path;  // as in the progress lines: "projects/P/..."
  TFileState state = TFileState::Unchanged;
  std::string diff;  // unified diff of the file on disk against what the run leaves; only when asked for
};
