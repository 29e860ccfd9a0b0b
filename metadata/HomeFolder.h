#pragma once
// The home folder: projects.db, template/, bak/, samples/ and the generated
// projects/. In a build tree or an unpacked zip it is the executable's own
// folder. An installed program (its runtime in ../share/vbgen beside its
// bin/ folder) cannot write beside itself: its home is the user's data
// folder, laid out from the shipped runtime on first start.

#include <filesystem>

namespace home_folder {

// exeFolder/../share/vbgen when it holds a runtime; empty otherwise.
std::filesystem::path InstalledRuntime(const std::filesystem::path& exeFolder);

// The home of a program started from exeFolder without --home; made from the
// installed runtime when it does not hold a store yet.
std::filesystem::path DefaultHome(const std::filesystem::path& exeFolder);

// Copies the runtime's template/, bak/ and samples/ into home (keeping files
// that are there) and makes projects.db from its schema unless present.
void LayOut(const std::filesystem::path& runtime, const std::filesystem::path& home);

}  // namespace home_folder
