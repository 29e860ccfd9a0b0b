#pragma once
// What a run that completed leaves for the next one: the digest of its inputs,
// what a run over the very same inputs and files would tell its listener, and
// the stamp of every file and folder of the output tree it read or wrote. A
// run whose inputs have that digest and whose files all still have their
// stamps has nothing to write, and tells exactly that instead.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/output/FileReport.h"
#include "platform/Folder.h"

struct TRunRecord {
  // A progress line, or one file's report (the state the rerun decides).
  struct TEvent {
    std::string text;
    std::optional<TFileState> file;
  };
  using TStamps = std::vector<std::pair<std::string, platform::TFolder::TStamp>>;

  std::string inputs;
  std::vector<TEvent> events;
  TStamps stamps;  // relative path ("projects/P/...") and its stamp

  std::string Saved() const;
  // The record Saved gave; none from anything else.
  static std::optional<TRunRecord> Load(std::string_view saved);
};
