#pragma once
// Every file a run writes goes through here. In overwrite mode a generated
// file simply replaces what is on disk. In merge mode it is merged with the
// user's edits against the base, the copy of what the previous run generated,
// kept in projects/P/.vbgen/base where no generated project compiles it and a
// .gitignore keeps it out of the user's version control; an index beside it
// spares a rerun reading the bases that match. A dry run decides
// every file the same way and writes nothing, not even a folder.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "generator/BaseIndex.h"
#include "generator/FileReport.h"

struct TOutputOptions {
  TEditMode mode = TEditMode::Overwrite;
  bool dryRun = false;
  bool withDiffs = false;  // fill each report's diff
};

class TOutputWriter {
 public:
  // Told about every file a merge run or a dry run decides; an overwrite run reports nothing.
  using TReportSink = std::function<void(const TFileReport&)>;

  TOutputWriter(std::filesystem::path home, const std::string& projectName, TOutputOptions options,
                TReportSink sink = {});

  const TOutputOptions& options() const { return options_; }

  // Refuses (TFileRefused) a symbolic link on the way below projects/.
  void MakeFolder(const std::filesystem::path& folder) const;
  // A generated text file at relative ("projects/P/..."), bytes as the run encoded them.
  void WriteText(const std::string& relative, const std::string& bytes);
  // A file copied from source, never merged: in merge mode it replaces only a
  // file the user did not change. keepExisting: an existing file stays. A
  // copy that fails is named in FailedFiles and the run goes on.
  void CopyFile(const std::filesystem::path& source, const std::string& relative, bool keepExisting);
  // A resource folder copied into relative: the entries directly inside it
  // keep existing files, those further down replace them.
  void CopyFolder(const std::filesystem::path& source, const std::string& relative);
  // After the run's last file: the base folder's .gitignore, or in overwrite
  // mode the removal of a base that no longer tells what was generated.
  void Finish() const;

  // Every copy that failed, with its reason: a run that has any has not succeeded.
  const std::vector<std::string>& FailedFiles() const { return failed_; }

  // home / "projects" / P / ".vbgen"
  static std::filesystem::path BaseFolder(const std::filesystem::path& solutionFolder);

 private:
  struct TDecision {
    TFileState state;
    std::optional<std::string> write;  // what goes to disk, if anything
  };

  TDecision DecideText(const std::string& relative, const std::optional<std::string>& disk,
                       const std::optional<std::string>& base, const std::string& theirs) const;
  TDecision DecideCopy(const std::optional<std::string>& disk, const std::optional<std::string>& base,
                       const std::string& bytes, bool keepExisting) const;
  void Apply(const std::string& relative, const std::optional<std::string>& disk, const TDecision& decision);
  void RecordBase(const std::string& relative, const std::optional<std::string>& base, const std::string& bytes);
  void CopyOneFile(const std::filesystem::path& source, const std::string& relative, bool keepExisting);
  std::filesystem::path BasePath(const std::string& relative) const;
  // home_ / relative, the relative path read as UTF-8.
  std::filesystem::path At(const std::string& relative) const;
  std::filesystem::path IndexPath() const;
  bool KnownUnchanged(const std::string& relative, const std::optional<std::string>& disk, const std::string& bytes);
  bool Merging() const { return options_.mode == TEditMode::Merge; }
  bool Writing() const { return !options_.dryRun; }

  std::filesystem::path home_;
  std::string root_;  // "projects/P/"
  TOutputOptions options_;
  TReportSink sink_;
  TBaseIndex bases_;  // merge mode only
  bool indexDropped_ = false;
  std::unordered_set<std::string> generated_;  // relative paths of the generated text files
  mutable std::unordered_set<std::filesystem::path::string_type> madeFolders_;
  std::vector<std::string> failed_;
};
