#pragma once
// What the base copies hold, so that a merge run need not read every base
// again when nothing changed: per base file its size, modification time and
// a hash of its bytes, as the last run that completed recorded them. An entry
// is trusted only while the base file's size and modification time are still
// the recorded ones; otherwise the base is read as if there were no index.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

class TBaseIndex {
 public:
  // The index as Saved gave it; an empty one (every base read) from anything else.
  static TBaseIndex Load(std::string_view saved);

  // Whether the base of name, at path, is known to hold exactly bytes. A
  // known base is recorded for the index this run saves.
  bool Holds(const std::string& name, const std::filesystem::path& path, std::string_view bytes);
  // The base of name has just been written or read at path and holds bytes.
  void Record(const std::string& name, const std::filesystem::path& path, std::string_view bytes);
  // The entries recorded this run, in the form Load reads.
  std::string Saved() const;

 private:
  struct TEntry {
    std::uintmax_t size = 0;
    std::int64_t time = 0;  // modification time, in the file clock's ticks
    std::uint64_t hash = 0;
    bool operator==(const TEntry&) const = default;
  };
  static bool Stamp(const std::filesystem::path& path, TEntry& entry);

  std::unordered_map<std::string, TEntry> loaded_;
  std::map<std::string, TEntry> recorded_;
};
