#pragma once
// What a run's output follows from, besides the output tree it meets: the
// stored project, the run's own choices, the templates and resources below
// the home folder, and the program itself. Two runs whose inputs have equal
// digests generate the same files.

#include <filesystem>
#include <string>

namespace run_inputs {

// Taken before the run reads the project, so that an edit made while the run
// reads can only make the digest older than the output, never newer. Empty
// when the program cannot tell which executable it is.
std::string Digest(const std::filesystem::path& home, int projectId, const std::string& choices);

}  // namespace run_inputs
