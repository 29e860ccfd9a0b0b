#pragma once
// Every file a run writes goes through here. In overwrite mode a generated
// file simply replaces what is on disk. In merge mode it is merged with the
// user's edits against the base, the copy of what the previous run generated,
// kept in projects/P/.vbgen/base where no generated project compiles it and a
// .gitignore keeps it out of the user's version control; an index beside it
// spares a rerun reading the bases that match. A dry run decides
// every file the same way and writes nothing, not even a folder.
//
// Every folder of the output tree is opened once, below projects/, without
// following links, and every file is read and written through those open
// folders: a folder swapped for a link during the run is never followed.
// Temporaries that a killed run left in a folder go when the run first writes
// into it.

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "generator/output/BaseIndex.h"
#include "generator/output/FileReport.h"
#include "generator/output/RunRecord.h"
#include "metadata/ListEntry.h"
#include "platform/Folder.h"

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

  // The project's classes as this run generates them (name and id). In merge
  // mode the files of a class renamed since the last run carry their hand
  // edits over to the files of its new name.
  void SetClasses(const TClassList& classes);

  // Refuses (TFileRefused) a symbolic link on the way below projects/.
  void MakeFolder(const std::filesystem::path& folder);
  // A generated text file at relative ("projects/P/..."), bytes as the run encoded them.
  void WriteText(const std::string& relative, const std::string& bytes);
  // A file copied from source, never merged: in merge mode it replaces only a
  // file the user did not change. keepExisting: an existing file stays. A
  // copy that fails is named in FailedFiles and the run goes on. keepStamp:
  // written anew, the file takes over the source's permissions and time.
  // others: what other targets ship for the same file; an existing file that
  // still holds one of them is no hand edit and is replaced.
  void CopyFile(const std::filesystem::path& source, const std::string& relative, bool keepExisting,
                bool keepStamp = false, const std::vector<std::filesystem::path>& others = {});
  // A resource folder copied into relative: the entries directly inside it
  // keep existing files, those further down replace them. others: the same
  // folder as other targets ship it. A file that an earlier copy of this run
  // wrote stays as that copy made it, so a target's own folder goes first.
  void CopyFolder(const std::filesystem::path& source, const std::string& relative,
                  const std::vector<std::filesystem::path>& others = {});
  // After the run's last file: the report of edited files the run no longer
  // generates and the base folder's .gitignore, or in overwrite mode the
  // removal of a base that no longer tells what was generated.
  void Finish();

  // Every copy that failed, with its reason: a run that has any has not succeeded.
  const std::vector<std::string>& FailedFiles() const { return failed_; }

  // The record the last completed run left, none when there is none or it is unreadable.
  std::optional<TRunRecord> LastRun();
  // Before a run writes its first file: the record no longer tells the tree's state.
  void ForgetLastRun();
  // Whether every file and folder in stamps still has its stamp.
  bool StillHolds(const TRunRecord::TStamps& stamps);
  // After Finish: the stamps of every file the run read or wrote and of every
  // folder whose entries it listed.
  TRunRecord::TStamps Stamps();
  // What a merge run over the same inputs and this run's files would report
  // for a file this run reported; none when it would report nothing.
  std::optional<TFileState> RerunState(const std::string& relative) const;
  void SaveRun(const TRunRecord& record);

 private:
  // Output that has no place in the file itself.
  struct TAside {
    std::string path;
    std::string bytes;
  };
  struct TDecision {
    TFileState state;
    std::optional<std::string> write;  // what goes to disk, if anything
    std::optional<TAside> aside = std::nullopt;
  };

  TDecision DecideText(const std::string& relative, const std::optional<std::string>& disk,
                       const std::optional<std::string>& base, const std::string& theirs) const;
  TDecision CarryOver(const std::string& relative, const std::string& old, const std::string& theirs);
  std::optional<std::string> RenamedFrom(const std::string& relative);
  TDecision DecideCopy(const std::optional<std::string>& disk, const std::optional<std::string>& base,
                       const std::string& bytes, bool keepExisting, bool shippedElsewhere) const;
  void Apply(const std::string& relative, const std::optional<std::string>& disk, const TDecision& decision,
             const std::string& generated);
  void RecordBase(const std::string& relative, const std::optional<std::string>& base, const std::string& bytes);
  void CopyOneFile(const std::filesystem::path& source, const std::string& relative, bool keepExisting,
                   bool keepStamp, const std::vector<std::filesystem::path>& others);
  const std::string& TemplateBytes(const std::filesystem::path& source);
  void CopyTree(const std::filesystem::path& source, const std::string& relative, bool topLevel,
                const std::vector<std::filesystem::path>& others);
  void ReportOrphans(const std::string& baseFolder);
  // "projects/P/.vbgen/base/..." for a relative path of the solution.
  std::string BaseOf(const std::string& relative) const;
  // home_ / relative, the relative path read as UTF-8.
  std::filesystem::path At(const std::string& relative) const;
  bool KnownUnchanged(const std::string& relative, const std::optional<std::string>& disk, const std::string& bytes);
  bool Merging() const { return options_.mode == TEditMode::Merge; }
  bool Writing() const { return !options_.dryRun; }

  // The open folder at relative ("projects/P/Model"), made when create is set
  // and the run writes; none when it does not exist.
  const platform::TFolder* FolderOf(const std::string& relative, bool create);
  std::optional<std::string> ReadFile(const std::string& relative);
  // relative is a file whose state the run's outcome depends on.
  void Touch(const std::string& relative) { touched_.push_back(relative); }
  void WriteFile(const std::string& relative, std::string_view bytes,
                 const std::filesystem::path* stampFrom = nullptr);
  void RemoveFile(const std::string& relative);

  std::filesystem::path home_;
  std::string root_;  // "projects/P/"
  TOutputOptions options_;
  TReportSink sink_;
  TBaseIndex bases_;  // merge mode only
  bool indexDropped_ = false;
  std::unordered_set<std::string> generated_;  // relative paths of the generated text files
  std::unordered_set<std::string> copied_;     // relative paths of the files copied
  std::set<std::string> decided_;              // every file the run decided, merge mode
  std::map<std::string, std::optional<platform::TFolder>> folders_;
  std::set<std::string> cleaned_;  // folders rid of a killed run's temporaries
  std::filesystem::path lastMadeFolder_;
  std::vector<std::pair<std::string, std::string>> renames_;  // a class's old name and new name
  std::string classes_;                                      // the class list Finish saves
  std::map<std::string, std::pair<std::string, bool>> carried_;  // old file: new file, edits carried
  std::vector<std::string> failed_;
  std::map<std::filesystem::path, std::string> templates_;  // sources copied without their stamp, as read
  std::vector<std::string> touched_;                         // files read or written, repeats included
  std::set<std::string> listed_;                             // folders whose entries the run listed
  std::map<std::string, TFileState> rerun_;                  // merge mode: what a rerun reports
};
