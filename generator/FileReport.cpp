#include "generator/FileReport.h"

const char* StateWord(TFileState state) {
  switch (state) {
    case TFileState::New: return "new";
    case TFileState::Changed: return "changed";
    case TFileState::Unchanged: return "unchanged";
    case TFileState::Merged: return "merged";
    case TFileState::Conflict: return "conflict";
    case TFileState::Kept: return "kept";
    case TFileState::DeletedByUser: return "deleted-by-user";
  }
  return "";
}
