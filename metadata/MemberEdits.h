#pragma once
// The edits of members and of their order (see ProjectEdits.h for what every
// edit guarantees).

#include <functional>

#include "metadata/InputRules.h"
#include "metadata/Member.h"

namespace edits {

// Returns the member as stored, with its new key.
TMember AddMember(int classId, const TMemberInput& input);
// change turns the stored fields into the new ones; it runs inside the
// transaction, so that a field it leaves alone keeps what is stored.
void UpdateMember(int memberId, const std::function<void(TMemberInput&)>& change);
// TInputError when the member is gone already.
void DeleteMember(int memberId);
// The member as stored; TInputError when it is no longer in the store.
TMember RequireMember(int memberId);

// Exchanges the places of two members of one class.
void SwapMembers(int a, int b);
// Moves a member one place up (step -1) or down (+1) in its class; refused at
// either end.
void MoveMember(int memberId, int step);

}  // namespace edits
