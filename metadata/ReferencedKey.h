#pragma once
// The look-ups a reference member needs in its project.

#include <optional>
#include <string>

#include "metadata/Member.h"
#include "metadata/MemberKind.h"
#include "metadata/ProjectSnapshot.h"

// An integer key is numbered by the table (an identity column).
inline bool IsIntegerKey(const TMember& key) { return key.memberIsInteger != 0; }

// The key member of the class a reference member names; none when that class
// is not in the project or has no key.
std::optional<TMember> ReferencedKey(const TProjectSnapshot& project, const TMember& reference);

// As ReferencedKey, but a missing key is an error naming class and member:
// the run's checks keep such projects from reaching the generators.
TMember RequireReferencedKey(const TProjectSnapshot& project, const std::string& className, const TMember& reference);
TMember RequireReferencedDisplay(const TProjectSnapshot& project, const std::string& className, const TMember& reference);
// The class's own key member, or an error naming the class.
TMember RequireKey(const TProjectSnapshot& project, int classId, const std::string& className);
