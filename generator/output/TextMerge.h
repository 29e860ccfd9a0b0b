#pragma once
// Line-based merging and differences of file contents, through libgit2. Both
// work on bytes: lines end at LF, so CR LF and code page 936 text pass through
// unchanged (no byte of a GBK double-byte character is CR or LF).

#include <optional>
#include <string>
#include <string_view>

struct TMergeLabels {
  std::string ours;    // the side the user edited
  std::string theirs;  // the side this run generated
};

struct TMergeResult {
  std::string bytes;  // with conflict markers where both sides changed the same lines
  bool clean = true;
};

// Three-way merge of base's descendants ours and theirs; none when a side is
// no text a line merge can join (libgit2 takes it for binary).
std::optional<TMergeResult> MergeText(std::string_view base, std::string_view ours, std::string_view theirs,
                                      const TMergeLabels& labels);

// A unified diff from before to after, both named path; empty when they are equal.
std::string UnifiedDiff(std::string_view before, std::string_view after, const std::string& path);
