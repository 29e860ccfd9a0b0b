#include "generator/OutputWriter.h"

#include <stdexcept>
#include <system_error>
#include <vector>

#include "generator/FileOperate.h"
#include "generator/TextForm.h"
#include "generator/TextMerge.h"
#include "platform/Files.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

// The file's bytes, or none when there is no file. Anything but a regular
// file is refused: it can be neither merged nor safely replaced.
std::optional<std::string> ReadIfPresent(const fs::path& path, const std::string& shownAs) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) return std::nullopt;
  if (error || status.type() != fs::file_type::regular)
    throw std::runtime_error(shownAs + " 不是普通文件，请删除或改名后再生成");
  return TFileOperate::ReadBytes(path);
}

constexpr const char* kGitIgnore =
    "# vbgen keeps here what it generated last, to merge your edits with the next run.\n*\n";

}  // namespace

TOutputWriter::TOutputWriter(fs::path home, const std::string& projectName, TOutputOptions options, TReportSink sink)
    : home_(std::move(home)), root_("projects/" + projectName + "/"), options_(options), sink_(std::move(sink)) {
  if (Merging()) bases_ = TBaseIndex::Load(IndexPath());
}

fs::path TOutputWriter::At(const std::string& relative) const { return home_ / platform::PathFromUtf8(relative); }

fs::path TOutputWriter::BaseFolder(const fs::path& solutionFolder) { return solutionFolder / ".vbgen"; }

fs::path TOutputWriter::BasePath(const std::string& relative) const {
  if (!relative.starts_with(root_)) throw std::logic_error(relative + " lies outside " + root_);
  return BaseFolder(At(root_)) / "base" / platform::PathFromUtf8(relative.substr(root_.size()));
}

fs::path TOutputWriter::IndexPath() const { return BaseFolder(At(root_)) / "index"; }

// The common case of a rerun: the file on disk and its base both hold what
// the run generates, the base known so from the index without reading it.
bool TOutputWriter::KnownUnchanged(const std::string& relative, const std::optional<std::string>& disk,
                                   const std::string& bytes) {
  return Merging() && disk == bytes && bases_.Holds(relative, BasePath(relative), bytes);
}

void TOutputWriter::MakeFolder(const fs::path& folder) const {
  if (madeFolders_.contains(folder.native())) return;
  TFileOperate::RefuseLinksBelow(home_ / "projects", folder);
  if (Writing()) TFileOperate::MakeFolder(folder);
  madeFolders_.insert(folder.native());
}

void TOutputWriter::WriteText(const std::string& relative, const std::string& bytes) {
  const fs::path target = At(relative);
  if (!Merging() && Writing()) return TFileOperate::WriteBytes(bytes, target);
  generated_.insert(relative);
  const std::optional<std::string> disk = ReadIfPresent(target, relative);
  if (!Merging()) {  // a dry run of overwrite mode
    if (disk == bytes) return Apply(relative, disk, {TFileState::Unchanged, std::nullopt});
    return Apply(relative, disk, {disk ? TFileState::Changed : TFileState::New, bytes});
  }
  if (KnownUnchanged(relative, disk, bytes)) return Apply(relative, disk, {TFileState::Unchanged, std::nullopt});
  const std::optional<std::string> base = ReadIfPresent(BasePath(relative), relative);
  Apply(relative, disk, DecideText(relative, disk, base, bytes));
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
  TMergeResult merged = MergeText(baseBytes, *disk, theirBytes, labels);
  if (merged.bytes == *disk) return {TFileState::Kept, std::nullopt};
  return {merged.clean ? TFileState::Merged : TFileState::Conflict, std::move(merged.bytes)};
}

void TOutputWriter::CopyFile(const fs::path& source, const std::string& relative, bool keepExisting) {
  try {
    CopyOneFile(source, relative, keepExisting);
  } catch (const std::exception& e) {
    failed_.push_back("无法复制 " + platform::Utf8FromPath(source) + " 到 " + platform::Utf8FromPath(At(relative)) + ": " + e.what());
  }
}

void TOutputWriter::CopyOneFile(const fs::path& source, const std::string& relative, bool keepExisting) {
  const fs::path target = At(relative);
  if (!Merging() && Writing()) return TFileOperate::CopyBytes(source, target);
  const std::string bytes = TFileOperate::ReadBytes(source);
  const std::optional<std::string> disk = ReadIfPresent(target, relative);
  if (KnownUnchanged(relative, disk, bytes)) return Apply(relative, disk, {TFileState::Unchanged, std::nullopt});
  const std::optional<std::string> base = Merging() ? ReadIfPresent(BasePath(relative), relative) : std::nullopt;
  Apply(relative, disk, DecideCopy(disk, base, bytes, keepExisting));
  if (Merging()) RecordBase(relative, base, bytes);
}

TOutputWriter::TDecision TOutputWriter::DecideCopy(const std::optional<std::string>& disk,
                                                   const std::optional<std::string>& base, const std::string& bytes,
                                                   bool keepExisting) const {
  if (!disk) return base ? TDecision{TFileState::DeletedByUser, std::nullopt} : TDecision{TFileState::New, bytes};
  if (*disk == bytes) return {TFileState::Unchanged, std::nullopt};
  const bool replace = Merging() ? base && *disk == *base : !keepExisting;
  return replace ? TDecision{TFileState::Changed, bytes} : TDecision{TFileState::Kept, std::nullopt};
}

void TOutputWriter::CopyFolder(const fs::path& source, const std::string& relative) {
  if (!Merging() && Writing()) {
    MakeFolder(At(relative));
    const TCopyOutcome outcome = TFileOperate::CopyFolder(source, At(relative), true);
    failed_.insert(failed_.end(), outcome.failed.begin(), outcome.failed.end());
    return;
  }
  const fs::path root = At(relative);
  const platform::TTreeCopy copy{
      [&](const fs::path& from, const fs::path& to, bool topLevel) {
        const std::u8string below = to.lexically_relative(root).generic_u8string();
        const std::string target = relative + "/" + std::string(below.begin(), below.end());
        if (!generated_.contains(target)) CopyFile(from, target, topLevel);  // a generated file wins over a resource
      },
      [this](const fs::path& folder) { MakeFolder(folder); },
      // Called while the fault is being handled: it goes on to the run.
      [](const fs::path&, const std::string&) { throw; },
      [](const fs::path&, const std::error_code&) {}};
  platform::CopyTree(source, root, copy);
}

void TOutputWriter::Apply(const std::string& relative, const std::optional<std::string>& disk,
                          const TDecision& decision) {
  if (decision.write && Writing()) {
    MakeFolder((At(relative)).parent_path());
    TFileOperate::WriteBytes(*decision.write, At(relative));
  }
  if (!sink_) return;
  TFileReport report{relative, decision.state, {}};
  if (options_.withDiffs && decision.write) report.diff = UnifiedDiff(disk.value_or(""), *decision.write, relative);
  sink_(report);
}

void TOutputWriter::RecordBase(const std::string& relative, const std::optional<std::string>& base,
                               const std::string& bytes) {
  if (!Writing()) return;
  const fs::path path = BasePath(relative);
  if (base != bytes) {
    // An index that outlived a run stopped from here on could vouch for a base
    // rewritten since: it goes before the first base changes and Finish writes it anew.
    if (!indexDropped_) fs::remove(IndexPath());
    indexDropped_ = true;
    MakeFolder(path.parent_path());
    TFileOperate::WriteBytes(bytes, path);
  }
  bases_.Record(relative, path, bytes);
}

void TOutputWriter::Finish() const {
  if (!Writing()) return;
  const fs::path baseFolder = BaseFolder(At(root_));
  if (!Merging()) {
    fs::remove_all(baseFolder);
  } else {
    MakeFolder(baseFolder);
    TFileOperate::WriteBytes(kGitIgnore, baseFolder / ".gitignore");
    TFileOperate::WriteBytes(bases_.Saved(), IndexPath());
  }
}
