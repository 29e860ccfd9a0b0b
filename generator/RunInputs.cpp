#include "generator/RunInputs.h"

#include <algorithm>
#include <vector>

#include "metadata/ProjectDigest.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace run_inputs {

namespace {

// Size and modification time of path, following links: a resource linked
// into the home folder counts as what it leads to.
std::string StampOf(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) return "-";
  const auto time = fs::last_write_time(path, error).time_since_epoch().count();
  const auto size = fs::is_regular_file(status) ? fs::file_size(path, error) : 0;
  return std::to_string(static_cast<int>(status.type())) + " " + std::to_string(size) + " " + std::to_string(time);
}

// Every entry below folder with its stamp, folders included, so that a file
// added or removed counts too.
void AppendTree(std::string& serial, const fs::path& folder) {
  std::vector<std::string> lines;
  std::error_code error;
  for (fs::recursive_directory_iterator walk(folder, fs::directory_options::follow_directory_symlink, error), end;
       !error && walk != end; walk.increment(error))
    lines.push_back(platform::Utf8FromPath(walk->path().lexically_relative(folder)) + "\t" + StampOf(walk->path()));
  if (error) lines.push_back("?");
  std::sort(lines.begin(), lines.end());
  serial += platform::Utf8FromPath(folder) + "\t" + StampOf(folder) + "\n";
  for (const std::string& line : lines) serial += line + "\n";
}

}  // namespace

std::string Digest(const fs::path& home, int projectId, const std::string& choices) {
  const fs::path program = platform::ExecutablePath();
  if (program.empty()) return {};
  std::string serial = project_digest::Of(projectId) + "\n" + choices + "\n" + platform::Utf8FromPath(program) +
                       "\t" + StampOf(program) + "\n";
  AppendTree(serial, home / "template");
  AppendTree(serial, home / "bak");
  return project_digest::OfBytes(serial);
}

}  // namespace run_inputs
