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
  Orphaned,       // no longer generated, yet it holds hand edits: left as it is
};

inline constexpr std::array kFileStates{TFileState::New,    TFileState::Changed,  TFileState::Unchanged,
                                        TFileState::Merged, TFileState::Conflict, TFileState::Kept,
                                        TFileState::DeletedByUser, TFileState::Orphaned};

// "new", "changed", ... "deleted-by-user", "orphaned"
const char* StateWord(TFileState state);

struct TFileReport {
  std::string path;  // as in the progress lines: "projects/P/..."
  TFileState state = TFileState::Unchanged;
  std::string diff;  // unified diff of the file on disk against what the run leaves; only when asked for
  // A conflict that has no text result: the file stays as it is and the run's output goes here.
  std::string aside;
  // A file no longer generated because its class was renamed: the file that now takes its place.
  std::string movedTo;
};

// What became of a file holding hand edits and what the user does about it, as
// a progress line; empty for a file without hand edits.
std::string EditLine(const TFileReport& report);
