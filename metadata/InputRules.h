#pragma once
// Every text a user types, in the dialogs or on the command line, is checked
// here: the checks run in a fixed order and the first fault is raised with its
// message. Nothing is stored before the checks have passed.

#include <optional>
#include <stdexcept>
#include <string>

#include "metadata/ListEntry.h"
#include "metadata/Member.h"

enum class TInputField {
  ProjectName,
  NameSpace,
  ClassName,
  FriendName,
  MemberName,
  MemberType,
  MemberLength,
  MemberFlags,
  MemberComment,
  Selection,  // the project, class or member a command names (gone meanwhile, or a move past the end)
};

class TInputError : public std::runtime_error {
 public:
  TInputError(TInputField field, const std::string& message) : std::runtime_error(message), field_(field) {}
  TInputField field() const { return field_; }

 private:
  TInputField field_;
};

// What the member dialogs hold, as typed.
struct TMemberInput {
  std::string name;
  std::string type;
  std::string lengthText = "20";
  bool isPri = false;
  bool isMust = false;
  bool queryFlag = false;
  bool isDisplay = false;
  bool queryDisplay = true;
  std::string comment;
};

// The dialog a member is edited in; both check with the same rules.
enum class TMemberDialog { Add, Update };

namespace input_rules {

// Another stored project whose name is name in another case or composition
// (Unicode's full case folding and NFC). The store compares ignoring ASCII
// case only; Windows and VB also take "Äpfel" and "äpfel", or the NFC and
// NFD forms of "Café", for one.
std::optional<TListEntry> ProjectNamedAlike(const std::string& name, int exceptProjectId = 0);

// New project: not empty, not taken (the store's comparison), a plain folder name.
void CheckNewProjectName(const std::string& name);
// Rename: not empty, not another project's name, a plain folder name.
void CheckProjectRename(int projectId, const std::string& name);
void CheckNameSpace(const std::string& nameSpace);

void CheckAddClass(int projectId, const std::string& className, const std::string& friendName);
// classId: the class being updated, which may keep its own name.
void CheckUpdateClass(int projectId, int classId, const std::string& className, const std::string& friendName);

// The dialogs' checks in their order, with the type (one of the five words or
// the name of another class of the project) checked right after the name. An
// update passes the add dialog's rules too: a key the add dialog refuses
// cannot be generated, whichever dialog set it.
// memberId: the member being updated (0 when adding), which may keep its own name.
void CheckMember(const TMemberInput& input, int projectId, int classId, int memberId = 0);
// The member the dialogs store; memberId 0 for a new member. Raises for a
// string member whose length text is not a positive whole number.
TMember BuildMember(const TMemberInput& input, int projectId, int classId, int memberId);

// The rules on texts read from the store, asking nothing of it: what a
// generation run applies again before it writes. Duplicate names are the
// caller's to find.
void CheckStoredProjectName(const std::string& name);
void CheckStoredClass(const std::string& projectName, const std::string& className, const std::string& friendName);
void CheckStoredMember(const std::string& className, const TMember& member);
// What every output that spells a stored class or member name needs of it:
// an identifier, so that it cannot close a bracket, a quote or a line.
void CheckSpelledName(TInputField field, const std::string& name, const std::string& what);

// TMemberInput of a stored member, as the update dialog fills its fields.
TMemberInput InputOf(const TMember& member);

}  // namespace input_rules
