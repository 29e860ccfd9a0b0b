#pragma once
// The edits of classes (see ProjectEdits.h for what every edit guarantees).

#include <functional>
#include <string>

namespace edits {

// What the class dialogs hold.
struct TClassInput {
  std::string className;
  std::string friendName;
  int frontShowFlag = 1;
};

// Returns the new class's key.
int AddClass(int projectId, const TClassInput& input);
// change turns the stored fields into the new ones; it runs inside the
// transaction, so that a field it leaves alone keeps what is stored. A new
// name is also written into every member type of the project that named the
// class.
void UpdateClass(int classId, const std::function<void(TClassInput&)>& change);
// Removes the class and its members; TInputError when it is gone already.
void DeleteClass(int classId);

// The project of a class that is in the store; raises TInputError otherwise.
int ProjectOfClass(int classId);

}  // namespace edits
