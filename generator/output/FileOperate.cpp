#include "generator/output/FileOperate.h"

#include <string_view>

#include "generator/output/FileErrorText.h"
#include "platform/Files.h"
#include "platform/Folder.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string Shown(const fs::path& path) { return platform::Utf8FromPath(path); }

// Asked of the platform: the standard library does not see Windows' junctions and links.
bool IsLink(const fs::path& path) { return platform::IsLink(path); }

enum class TOnDisk { Missing, Different, Same };

// Compares without raising: a file that cannot be read is simply different.
// Only a regular file is read, so a FIFO at the path never blocks. A symbolic
// link at the path is refused.
TOnDisk Compare(const fs::path& path, std::string_view bytes) {
  if (IsLink(path)) TFileOperate::RefuseLink(path);
  switch (platform::KindOf(path)) {
    case platform::TEntryKind::Missing:
      return TOnDisk::Missing;
    case platform::TEntryKind::Link:
      TFileOperate::RefuseLink(path);
    case platform::TEntryKind::File:
      break;
    default:
      return TOnDisk::Different;
  }
  try {
    return platform::ReadFile(path) == bytes ? TOnDisk::Same : TOnDisk::Different;
  } catch (const fs::filesystem_error&) {
    return TOnDisk::Different;
  }
}

bool HoldsExactly(const fs::path& path, std::string_view bytes) { return Compare(path, bytes) == TOnDisk::Same; }

// Writes bytes into a temporary file beside path, created exclusively and
// without following a link, and returns its path.
fs::path WriteTemporary(const fs::path& path, std::string_view bytes) {
  fs::path temp;
  do temp = path.parent_path() / platform::PathFromUtf8(platform::TemporaryName(Shown(path.filename())));
  while (!platform::WriteNewFile(temp, bytes));
  return temp;
}

// Writes bytes to a temporary file beside path and puts it in place of path,
// so that a reader never sees half a file.
void ReplaceFile(const fs::path& path, std::string_view bytes, const platform::TFileStamp* stamp) {
  const fs::path temp = WriteTemporary(path, bytes);
  try {
    if (stamp) platform::SetStamp(temp, *stamp);
    platform::ReplaceFile(temp, path);
  } catch (...) {
    platform::Remove(temp);
    throw;
  }
}

void SaveBytes(const fs::path& path, std::string_view bytes) {
  const TOnDisk onDisk = Compare(path, bytes);
  if (onDisk == TOnDisk::Same) return;
  if (onDisk == TOnDisk::Missing && platform::CreateWholeFile(path, bytes)) return;
  ReplaceFile(path, bytes, nullptr);
}

}  // namespace

std::string TFileOperate::ToGbk(const std::string& utf8) { return platform::Utf8ToGbk(utf8); }

std::string TFileOperate::ReadBytes(const fs::path& path) { return platform::ReadFile(path); }

std::string TFileOperate::ReadTemplate(const fs::path& path) {
  std::string text = platform::ReadFile(path);
  if (std::string_view(text).starts_with(kBom)) text.erase(0, kBom.size());
  return text;
}

void TFileOperate::WriteUtf8(const std::string& text, const fs::path& path) {
  std::string bytes;
  bytes.reserve(kBom.size() + text.size());
  bytes.append(kBom).append(text);
  SaveBytes(path, bytes);
}

void TFileOperate::WriteBytes(const std::string& bytes, const fs::path& path) { SaveBytes(path, bytes); }

void TFileOperate::WriteGbk(const std::string& text, const fs::path& path) { SaveBytes(path, ToGbk(text)); }

void TFileOperate::MakeFolder(const fs::path& folder) { platform::MakeFolders(folder); }

void TFileOperate::CopyBytes(const fs::path& source, const fs::path& target) {
  SaveBytes(target, platform::ReadFile(source));
}

void TFileOperate::SaveUtf8File(const fs::path& folder, const fs::path& path, const std::string& text) {
  MakeFolder(folder);
  WriteUtf8(text, path);
}

void TFileOperate::SaveTextFile(const fs::path& folder, const fs::path& path, const std::string& text) {
  MakeFolder(folder);
  WriteGbk(text, path);
}

namespace {

bool HasStamp(const fs::path& file, const platform::TFileStamp& stamp) {
  try {
    return platform::StampOf(file) == stamp;
  } catch (const fs::filesystem_error&) {
    return false;
  }
}

// Copies one file keeping its permissions and modification time; a target
// that already matches in bytes, permissions and time is left as it is.
void CopyOneFile(const fs::path& source, const fs::path& target, bool failIfExists) {
  const platform::TEntryKind existing = platform::KindOf(target);
  if (existing == platform::TEntryKind::Link || IsLink(target)) TFileOperate::RefuseLink(target);
  if (existing != platform::TEntryKind::Missing && failIfExists) return;
  const std::string bytes = platform::ReadFile(source);
  const platform::TFileStamp stamp = platform::StampOf(source);
  if (existing == platform::TEntryKind::File && HasStamp(target, stamp) && HoldsExactly(target, bytes)) return;
  ReplaceFile(target, bytes, &stamp);
}

std::string CopyFailure(const fs::path& source, const std::string& reason) {
  return "无法复制 " + Shown(source) + ": " + reason;
}

}  // namespace

TCopyOutcome TFileOperate::CopyFolder(const fs::path& source, const fs::path& destination, bool failIfExists) {
  TCopyOutcome outcome{true, {}};
  const platform::TTreeCopy copy{
      [failIfExists](const fs::path& from, const fs::path& to, bool topLevel) {
        CopyOneFile(from, to, failIfExists && topLevel);
      },
      [](const fs::path& folder) {
        if (IsLink(folder)) RefuseLink(folder);
        MakeFolder(folder);
      },
      [&outcome](const fs::path& entry, const std::string& reason) {
        outcome.failed.push_back(CopyFailure(entry, reason));
      },
      [&outcome](const fs::path& folder, const std::error_code& error) {
        outcome.failed.push_back(CopyFailure(folder, "无法列出这个文件夹 (" + FileReasonText(error) + ")"));
      }};
  outcome.listed = platform::CopyTree(source, destination, copy);
  return outcome;
}

void TFileOperate::RefuseLink(const fs::path& path) {
  throw TFileRefused("路径 " + Shown(path) + " 是符号链接，生成不会写到它指向的地方: 请删除这个链接后再生成!");
}

void TFileOperate::RefuseLinksBelow(const fs::path& root, const fs::path& path) {
  const fs::path relative = path.lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..") return;
  fs::path walked = root;
  for (const fs::path& part : relative) {
    if (part == "." || part.empty()) continue;
    walked /= part;
    if (IsLink(walked)) RefuseLink(walked);
  }
}

void TFileOperate::WriteRegularFile(const fs::path& path, std::string_view bytes) {
  const platform::TEntryKind kind = platform::KindOf(path);
  if (kind != platform::TEntryKind::Missing && (kind != platform::TEntryKind::File || IsLink(path)))
    throw TFileRefused("无法写入 " + Shown(path) +
                       ": 它不是普通文件 (而是设备、管道、文件夹或符号链接)，请换一个文件名!");
  ReplaceFile(path, bytes, nullptr);
}
