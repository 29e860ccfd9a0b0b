#include "generator/output/OutputWriter.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "generator/output/FileOperate.h"
#include "generator/output/TextForm.h"
#include "generator/output/TextMerge.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

// The entries a resource folder copy takes: what the single-file copy could
// not take (hidden entries, links, read-only folders) is left out.
std::vector<fs::directory_entry> CopiedEntries(const fs::path& folder) {
  std::vector<fs::directory_entry> entries;
  std::error_code error;
  for (fs::directory_iterator walk(folder, error), end; !error && walk != end; walk.increment(error)) {
    const fs::file_status status = walk->symlink_status(error);
    if (error || walk->path().filename().u8string().starts_with(u8".") || platform::IsLink(walk->path()) ||
        (fs::is_directory(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none))
      continue;
    entries.push_back(*walk);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// "a/b/c" split at its last "/": ("a/b", "c").
std::pair<std::string, std::string> SplitLast(const std::string& relative) {
  const std::size_t slash = relative.rfind('/');
  if (slash == std::string::npos) return {std::string(), relative};
  return {relative.substr(0, slash), relative.substr(slash + 1)};
}

constexpr const char* kGitIgnore =
    "# vbgen keeps here what it generated last, to merge your edits with the next run.\n*\n";
constexpr const char* kBaseFolder = ".vbgen/base";
constexpr const char* kIndex = ".vbgen/index";
constexpr const char* kClasses = ".vbgen/classes";
constexpr const char* kRun = ".vbgen/run";
// Beside a file that cannot be merged: the run's output for it.
constexpr const char* kAsideSuffix = ".generated";

}  // namespace

TOutputWriter::TOutputWriter(fs::path home, const std::string& projectName, TOutputOptions options, TReportSink sink)
    : home_(std::move(home)), root_("projects/" + projectName + "/"), options_(options), sink_(std::move(sink)) {
  if (Merging()) {
    std::optional<std::string> saved;
    try {
      saved = ReadFile(root_ + kIndex);
    } catch (const std::exception&) {
      // An index that cannot be read (a FIFO, a folder) is no index: every base is read.
    }
    bases_ = TBaseIndex::Load(saved.value_or(""));
  }
}

fs::path TOutputWriter::At(const std::string& relative) const { return home_ / platform::PathFromUtf8(relative); }

std::string TOutputWriter::BaseOf(const std::string& relative) const {
  if (!relative.starts_with(root_)) throw std::logic_error(relative + " lies outside " + root_);
  return root_ + kBaseFolder + "/" + relative.substr(root_.size());
}

const platform::TFolder* TOutputWriter::FolderOf(const std::string& relative, bool create) {
  create = create && Writing();
  auto found = folders_.find(relative);
  if (found == folders_.end() || (!found->second && create)) {
    const auto [parentPath, name] = SplitLast(relative);
    std::optional<platform::TFolder> opened;
    if (parentPath.empty()) {  // projects/ itself may be a link: the tree starts there
      if (create) TFileOperate::MakeFolder(At(relative));
      std::error_code error;
      if (fs::is_directory(At(relative), error)) opened = platform::TFolder::Open(At(relative));
    } else if (const platform::TFolder* parent = FolderOf(parentPath, create)) {
      try {
        opened = parent->Folder(name, create);
      } catch (const platform::TLinkFound& link) {
        TFileOperate::RefuseLink(link.path());
      }
    }
    found = folders_.insert_or_assign(relative, std::move(opened)).first;
  }
  const std::optional<platform::TFolder>& folder = found->second;
  // What a killed run left in a folder this run writes into goes first: only
  // names of the temporaries' own shape, whose process has ended.
  if (folder && create && cleaned_.insert(relative).second)
    for (const platform::TFolder::TEntry& entry : folder->Entries())
      if (const auto owner = platform::TemporaryOwner(entry.name);
          owner && entry.regular && platform::ProcessIsGone(*owner))
        folder->Remove(entry.name);
  return folder ? &*folder : nullptr;
}

// The file's bytes, or none when there is no file. Anything but a regular
// file is refused: it can be neither merged nor safely replaced.
std::optional<std::string> TOutputWriter::ReadFile(const std::string& relative) {
  Touch(relative);
  const auto [folderPath, name] = SplitLast(relative);
  const platform::TFolder* folder = FolderOf(folderPath, false);
  if (!folder) return std::nullopt;
  try {
    return folder->Read(name);
  } catch (const platform::TLinkFound& link) {
    TFileOperate::RefuseLink(link.path());
  } catch (const platform::TNotRegularFile&) {
    throw std::runtime_error(relative + " 不是普通文件，请删除或改名后再生成");
  }
}

void TOutputWriter::WriteFile(const std::string& relative, std::string_view bytes, const fs::path* stampFrom) {
  Touch(relative);
  const auto [folderPath, name] = SplitLast(relative);
  try {
    FolderOf(folderPath, true)->Write(name, bytes, stampFrom);
  } catch (const platform::TLinkFound& link) {
    TFileOperate::RefuseLink(link.path());
  }
}

void TOutputWriter::RemoveFile(const std::string& relative) {
  Touch(relative);
  const auto [folderPath, name] = SplitLast(relative);
  if (const platform::TFolder* folder = FolderOf(folderPath, false)) folder->Remove(name);
}

// The common case of a rerun: the file on disk and its base both hold what
// the run generates, the base known so from the index without reading it.
bool TOutputWriter::KnownUnchanged(const std::string& relative, const std::optional<std::string>& disk,
                                   const std::string& bytes) {
  if (!Merging() || disk != bytes || !bases_.Holds(relative, At(BaseOf(relative)), bytes)) return false;
  Touch(BaseOf(relative));
  return true;
}

void TOutputWriter::MakeFolder(const fs::path& folder) {
  if (folder.native() == lastMadeFolder_.native()) return;  // files come folder by folder
  FolderOf(platform::Utf8FromPath(folder.lexically_relative(home_).generic_u8string()), true);
  lastMadeFolder_ = folder;
}

void TOutputWriter::SetClasses(const TClassList& classes) {
  if (!Merging()) return;
  std::map<int, std::string> before;
  std::optional<std::string> saved;
  try {
    saved = ReadFile(root_ + kClasses);
  } catch (const std::exception&) {
  }
  const std::string text = saved.value_or("");
  for (std::string_view rest = text; !rest.empty();) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    const std::size_t blank = line.find(' ');
    if (blank != std::string_view::npos) before[std::atoi(std::string(line.substr(0, blank)).c_str())] = line.substr(blank + 1);
  }
  for (const TListEntry& entry : classes) {
    classes_ += std::to_string(entry.tag) + " " + entry.text + "\n";
    const auto old = before.find(entry.tag);
    const bool oldNameTaken = std::any_of(classes.begin(), classes.end(), [&](const TListEntry& other) {
      return old != before.end() && other.text == old->second;
    });
    if (old != before.end() && old->second != entry.text && !oldNameTaken) renames_.emplace_back(old->second, entry.text);
  }
}

void TOutputWriter::WriteText(const std::string& relative, const std::string& bytes) {
  if (!Merging() && Writing()) return WriteFile(relative, bytes);
  generated_.insert(relative);
  decided_.insert(relative);
  const std::optional<std::string> disk = ReadFile(relative);
  if (!Merging()) {  // a dry run of overwrite mode
    if (disk == bytes) return Apply(relative, disk, {TFileState::Unchanged, std::nullopt}, bytes);
    return Apply(relative, disk, {disk ? TFileState::Changed : TFileState::New, bytes}, bytes);
  }
  if (KnownUnchanged(relative, disk, bytes))
    return Apply(relative, disk, {TFileState::Unchanged, std::nullopt}, bytes);
  const std::optional<std::string> base = ReadFile(BaseOf(relative));
  const std::optional<std::string> renamed = disk || base ? std::nullopt : RenamedFrom(relative);
  Apply(relative, disk, renamed ? CarryOver(relative, *renamed, bytes) : DecideText(relative, disk, base, bytes), bytes);
  RecordBase(relative, base, bytes);
}

TOutputWriter::TDecision TOutputWriter::DecideText(const std::string& relative, const std::optional<std::string>& disk,
                                                   const std::optional<std::string>& base,
                                                   const std::string& theirs) const {
  if (!disk) return base ? TDecision{TFileState::DeletedByUser, std::nullopt} : TDecision{TFileState::New, theirs};
  if (*disk == theirs) return {TFileState::Unchanged, std::nullopt};
  // Without a base nothing tells an edit from an older generation: the file counts as edited.
  if (!base) return {TFileState::Kept, std::nullopt};
  if (*disk == *base) return {TFileState::Changed, theirs};
  // Both generated sides are brought into the user's encoding and line ends,
  // so that the merged file keeps them.
  const TTextForm form = DetectForm(*disk);
  const std::string baseBytes = ConvertForm(*base, DetectForm(*base), form);
  const std::string theirBytes = ConvertForm(theirs, DetectForm(theirs), form);
  if (baseBytes == theirBytes) return {TFileState::Kept, std::nullopt};
  const TMergeLabels labels{EncodeText(relative + " (你的修改)", form.encoding),
                            EncodeText(relative + " (本次生成)", form.encoding)};
  std::optional<TMergeResult> merged = MergeText(baseBytes, *disk, theirBytes, labels);
  // No text to join: the user's file stays whole, the run's output goes beside it.
  if (!merged) return {TFileState::Conflict, std::nullopt, TAside{relative + kAsideSuffix, theirs}};
  if (merged->bytes == *disk) return {TFileState::Kept, std::nullopt};
  return {merged->clean ? TFileState::Merged : TFileState::Conflict, std::move(merged->bytes)};
}

// A file of a renamed class that the run generates for the first time: the
// same file of the old name, when it holds hand edits, is what it continues.
std::optional<std::string> TOutputWriter::RenamedFrom(const std::string& relative) {
  const auto [folder, name] = SplitLast(relative);
  for (const auto& [oldName, newName] : renames_)
    for (std::size_t at = name.find(newName); at != std::string::npos; at = name.find(newName, at + 1)) {
      const std::string old = folder + "/" + name.substr(0, at) + oldName + name.substr(at + newName.size());
      if (decided_.contains(old) || carried_.contains(old)) continue;
      const std::optional<std::string> disk = ReadFile(old);
      const std::optional<std::string> base = disk ? ReadFile(BaseOf(old)) : std::nullopt;
      if (base && disk != base) return old;
    }
  return std::nullopt;
}

// The edits of old joined with the new file the run generates in its place.
TOutputWriter::TDecision TOutputWriter::CarryOver(const std::string& relative, const std::string& old,
                                                  const std::string& theirs) {
  const std::optional<std::string> disk = ReadFile(old);
  TDecision decision = DecideText(relative, disk, ReadFile(BaseOf(old)), theirs);
  carried_[old] = {relative, !decision.aside};
  if (decision.aside) return {TFileState::New, theirs};
  if (!decision.write) return {TFileState::Merged, disk};  // the rename changed nothing the user edited
  return decision;
}

void TOutputWriter::CopyFile(const fs::path& source, const std::string& relative, bool keepExisting,
                             bool keepStamp, const std::vector<fs::path>& others) {
  try {
    CopyOneFile(source, relative, keepExisting, keepStamp, others);
  } catch (const std::exception& e) {
    failed_.push_back("无法复制 " + platform::Utf8FromPath(source) + " 到 " + platform::Utf8FromPath(At(relative)) + ": " + e.what());
  }
}

namespace {

bool ShippedElsewhere(const std::optional<std::string>& disk, const std::vector<fs::path>& others) {
  return disk && std::any_of(others.begin(), others.end(), [&](const fs::path& other) {
           std::error_code error;
           return fs::is_regular_file(other, error) && TFileOperate::ReadBytes(other) == *disk;
         });
}

}  // namespace

void TOutputWriter::CopyOneFile(const fs::path& source, const std::string& relative, bool keepExisting,
                                bool keepStamp, const std::vector<fs::path>& others) {
  copied_.insert(relative);
  // A template copied once per class (a form's resources) is read once per run.
  std::string read;
  const std::string& bytes = keepStamp ? (read = TFileOperate::ReadBytes(source)) : TemplateBytes(source);
  if (!Merging() && Writing()) {
    if (keepExisting)
      if (const auto disk = ReadFile(relative); disk && !ShippedElsewhere(disk, others)) return;
    return WriteFile(relative, bytes, keepStamp ? &source : nullptr);
  }
  decided_.insert(relative);
  const std::optional<std::string> disk = ReadFile(relative);
  if (KnownUnchanged(relative, disk, bytes))
    return Apply(relative, disk, {TFileState::Unchanged, std::nullopt}, bytes);
  const std::optional<std::string> base = Merging() ? ReadFile(BaseOf(relative)) : std::nullopt;
  Apply(relative, disk, DecideCopy(disk, base, bytes, keepExisting, ShippedElsewhere(disk, others)), bytes);
  if (Merging()) RecordBase(relative, base, bytes);
}

const std::string& TOutputWriter::TemplateBytes(const fs::path& source) {
  auto found = templates_.find(source);
  if (found == templates_.end()) found = templates_.emplace(source, TFileOperate::ReadBytes(source)).first;
  return found->second;
}

TOutputWriter::TDecision TOutputWriter::DecideCopy(const std::optional<std::string>& disk,
                                                   const std::optional<std::string>& base, const std::string& bytes,
                                                   bool keepExisting, bool shippedElsewhere) const {
  if (!disk) return base ? TDecision{TFileState::DeletedByUser, std::nullopt} : TDecision{TFileState::New, bytes};
  if (*disk == bytes) return {TFileState::Unchanged, std::nullopt};
  const bool replace = shippedElsewhere || (Merging() ? base && *disk == *base : !keepExisting);
  return replace ? TDecision{TFileState::Changed, bytes} : TDecision{TFileState::Kept, std::nullopt};
}

void TOutputWriter::CopyFolder(const fs::path& source, const std::string& relative,
                               const std::vector<fs::path>& others) {
  if (!fs::is_directory(source))
    throw fs::filesystem_error("cannot open folder", source, std::make_error_code(std::errc::not_a_directory));
  CopyTree(source, relative, true, others);
}

// Entries that are neither file nor folder (a FIFO, a device) cannot be
// copied: each is named as a failure, not skipped in silence.
void TOutputWriter::CopyTree(const fs::path& source, const std::string& relative, bool topLevel,
                             const std::vector<fs::path>& others) {
  FolderOf(relative, true);
  for (const fs::directory_entry& entry : CopiedEntries(source)) {
    const std::string target = relative + "/" + platform::Utf8FromPath(entry.path().filename());
    std::vector<fs::path> otherEntries;
    for (const fs::path& other : others) otherEntries.push_back(other / entry.path().filename());
    if (entry.is_directory())
      CopyTree(entry.path(), target, false, otherEntries);
    else if (!entry.is_regular_file())
      failed_.push_back("无法复制 " + platform::Utf8FromPath(entry.path()) + ": 它不是普通文件 (而是管道或设备)");
    else if (!generated_.contains(target) && !copied_.contains(target))  // a generated file wins over a resource
      CopyFile(entry.path(), target, topLevel, true, otherEntries);
  }
}

void TOutputWriter::Apply(const std::string& relative, const std::optional<std::string>& disk,
                          const TDecision& decision, const std::string& generated) {
  if (Writing()) {
    if (decision.write) WriteFile(relative, *decision.write);
    if (decision.aside) WriteFile(decision.aside->path, decision.aside->bytes);
  }
  // The base now holds what was generated, so a rerun of the same output
  // finds the file unchanged, or keeps the user's, or finds it still deleted.
  if (Merging()) {
    const std::optional<std::string>& left = decision.write ? decision.write : disk;
    rerun_[relative] = !left                ? TFileState::DeletedByUser
                       : *left == generated ? TFileState::Unchanged
                                            : TFileState::Kept;
  }
  if (!sink_) return;
  TFileReport report{relative, decision.state, {}, decision.aside ? decision.aside->path : std::string(), {}};
  if (options_.withDiffs && decision.write) report.diff = UnifiedDiff(disk.value_or(""), *decision.write, relative);
  sink_(report);
}

void TOutputWriter::RecordBase(const std::string& relative, const std::optional<std::string>& base,
                               const std::string& bytes) {
  if (!Writing()) return;
  const std::string path = BaseOf(relative);
  if (base != bytes) {
    // An index that outlived a run stopped from here on could vouch for a base
    // rewritten since: it goes before the first base changes and Finish writes it anew.
    if (!indexDropped_) RemoveFile(root_ + kIndex);
    indexDropped_ = true;
    WriteFile(path, bytes);
  }
  bases_.Record(relative, At(path), bytes);
}

// The bases below folder whose files this run did not decide: files it no
// longer generates. Those the user edited are reported, once their edits went
// over to a renamed class's file or every run until the user removes them;
// the bases of the others go.
void TOutputWriter::ReportOrphans(const std::string& folder) {
  const platform::TFolder* bases = FolderOf(folder, false);
  if (!bases) return;
  listed_.insert(folder);
  const std::string baseRoot = root_ + kBaseFolder + "/";
  for (const platform::TFolder::TEntry& entry : bases->Entries()) {
    const std::string base = folder + "/" + entry.name;
    if (entry.folder) ReportOrphans(base);
    const std::string relative = root_ + base.substr(baseRoot.size());
    if (!entry.regular || decided_.contains(relative)) continue;
    const auto carried = carried_.find(relative);
    bool edited = false;
    try {
      const std::optional<std::string> disk = ReadFile(relative);
      edited = disk && disk != ReadFile(base);
    } catch (const std::runtime_error&) {
      continue;  // a link or no regular file: nothing of the user's to tell
    }
    if (edited && sink_) {
      TFileReport report{relative, TFileState::Orphaned, {}, {}, {}};
      if (carried != carried_.end()) {
        report.movedTo = carried->second.first;
        if (!carried->second.second) report.state = TFileState::Conflict;
      }
      sink_(report);
    }
    const bool keep = edited && (carried == carried_.end() || !carried->second.second);
    if (keep) rerun_[relative] = TFileState::Orphaned;  // reported again, without the file that took its place
    if (Writing() && !keep) bases->Remove(entry.name);
  }
}

void TOutputWriter::Finish() {
  if (!Writing() && !Merging()) return;
  if (!Merging()) {
    // The bases no longer tell what was generated.
    if (const platform::TFolder* hidden = FolderOf(root_ + ".vbgen", false))
      for (const char* stale : {"base", "index", "classes"}) hidden->Remove(stale);
    WriteFile(root_ + ".vbgen/.gitignore", kGitIgnore);
    return;
  }
  ReportOrphans(root_ + kBaseFolder);
  if (!Writing()) return;
  WriteFile(root_ + ".vbgen/.gitignore", kGitIgnore);
  WriteFile(root_ + kIndex, bases_.Saved());
  WriteFile(root_ + kClasses, classes_);
}

std::optional<TRunRecord> TOutputWriter::LastRun() {
  try {
    if (const std::optional<std::string> saved = ReadFile(root_ + kRun)) return TRunRecord::Load(*saved);
  } catch (const std::exception&) {
    // A record that cannot be read (a link, a folder) is no record.
  }
  return std::nullopt;
}

void TOutputWriter::ForgetLastRun() { RemoveFile(root_ + kRun); }

void TOutputWriter::SaveRun(const TRunRecord& record) { WriteFile(root_ + kRun, record.Saved()); }

std::optional<TFileState> TOutputWriter::RerunState(const std::string& relative) const {
  const auto found = rerun_.find(relative);
  if (found == rerun_.end()) return std::nullopt;
  return found->second;
}

namespace {

// The stamp of name in the open folder, or of nothing when the folder is missing.
platform::TFolder::TStamp StampIn(const platform::TFolder* folder, const std::string& name) {
  return folder ? folder->Stamp(name) : platform::TFolder::TStamp{};
}

}  // namespace

TRunRecord::TStamps TOutputWriter::Stamps() {
  std::sort(touched_.begin(), touched_.end());
  touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
  TRunRecord::TStamps stamps;
  for (const std::string& relative : touched_) {
    if (relative == root_ + kRun) continue;  // written after the stamps are taken
    const auto [folder, name] = SplitLast(relative);
    stamps.emplace_back(relative, StampIn(FolderOf(folder, false), name));
  }
  for (const std::string& relative : listed_) {
    const auto [folder, name] = SplitLast(relative);
    stamps.emplace_back(relative, StampIn(FolderOf(folder, false), name));
  }
  return stamps;
}

// A link met on the way, or anything that cannot be looked at, counts as a change.
bool TOutputWriter::StillHolds(const TRunRecord::TStamps& stamps) {
  try {
    return std::all_of(stamps.begin(), stamps.end(), [&](const auto& entry) {
      const auto [folder, name] = SplitLast(entry.first);
      return entry.first.starts_with(root_) && StampIn(FolderOf(folder, false), name) == entry.second;
    });
  } catch (const std::exception&) {
    return false;
  }
}
