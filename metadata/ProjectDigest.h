#pragma once
// A digest of everything the store keeps of one project: its row, its classes,
// their members and its settings. Equal digests mean the same stored project.
// Every column is taken as it is stored, so a column added later counts as
// well without this knowing of it.

#include <string>
#include <string_view>

namespace project_digest {

// Read in one read transaction.
std::string Of(int projectId);

// The same kind of digest of any bytes.
std::string OfBytes(std::string_view bytes);

}  // namespace project_digest
