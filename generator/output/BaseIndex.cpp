#include "generator/output/BaseIndex.h"

#include <functional>

#include "generator/output/RecordFields.h"

namespace fs = std::filesystem;
using record_fields::TakeNumber;

namespace {

std::uint64_t Hash(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

}  // namespace

// One line per base: "SIZE TIME HASH NAME". A line that does not read so is left out.
TBaseIndex TBaseIndex::Load(std::string_view saved) {
  TBaseIndex index;
  while (!saved.empty()) {
    const std::size_t end = saved.find('\n');
    std::string_view line = saved.substr(0, end);
    saved.remove_prefix(end == std::string_view::npos ? saved.size() : end + 1);
    TEntry entry;
    if (TakeNumber(line, entry.size) && TakeNumber(line, entry.time) && TakeNumber(line, entry.hash) && !line.empty())
      index.loaded_.insert_or_assign(std::string(line), entry);
  }
  return index;
}

bool TBaseIndex::Stamp(const fs::path& path, TEntry& entry) {
  std::error_code error;
  entry.size = fs::file_size(path, error);
  if (error) return false;
  entry.time = fs::last_write_time(path, error).time_since_epoch().count();
  return !error;
}

bool TBaseIndex::Holds(const std::string& name, const fs::path& path, std::string_view bytes) {
  const auto found = loaded_.find(name);
  if (found == loaded_.end() || found->second.size != bytes.size() || found->second.hash != Hash(bytes)) return false;
  TEntry now{0, 0, found->second.hash};
  if (!Stamp(path, now) || now != found->second) return false;
  recorded_.insert_or_assign(name, now);
  return true;
}

void TBaseIndex::Record(const std::string& name, const fs::path& path, std::string_view bytes) {
  TEntry entry{0, 0, Hash(bytes)};
  // A name that would break its line stays out: its base is simply read.
  if (name.find('\n') == std::string::npos && Stamp(path, entry) && entry.size == bytes.size())
    recorded_.insert_or_assign(name, entry);
}

// Ordered by name: the same bases give the same bytes, and an unchanged index is not rewritten.
std::string TBaseIndex::Saved() const {
  std::string saved;
  for (const auto& [name, entry] : recorded_)
    saved += std::to_string(entry.size) + " " + std::to_string(entry.time) + " " + std::to_string(entry.hash) + " " +
             name + "\n";
  return saved;
}
