#include "generator/FileOperate.h"

#include <cerrno>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/Folder.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string Shown(const fs::path& path) { return platform::Utf8FromPath(path); }

// Asked of the platform: the standard library does not see Windows' junctions and links.
bool IsLink(const fs::path& path) { return platform::IsLink(path); }

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw fs::filesystem_error("cannot open file for reading", path, std::error_code(errno, std::generic_category()));
  if (fs::is_directory(path))
    throw fs::filesystem_error("cannot open file for reading", path, std::make_error_code(std::errc::is_a_directory));
  std::string bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) throw fs::filesystem_error("cannot read file", path, std::make_error_code(std::errc::io_error));
  return bytes;
}

enum class TOnDisk { Missing, Different, Same };

// Compares without raising: a file that cannot be read is simply different.
// Only a regular file is opened, so a FIFO at the path never blocks; reading
// one byte more than asked shows a longer file. A symbolic link at the path
// is refused.
TOnDisk Compare(const fs::path& path, std::string_view bytes) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) return TOnDisk::Missing;
  if (IsLink(path)) TFileOperate::RefuseLink(path);
  if (error || status.type() != fs::file_type::regular) return TOnDisk::Different;
  std::ifstream in(path, std::ios::binary);
  std::string held(bytes.size() + 1, '\0');
  in.read(held.data(), static_cast<std::streamsize>(held.size()));
  if (in.bad()) return TOnDisk::Different;
  return std::string_view(held.data(), static_cast<std::size_t>(in.gcount())) == bytes ? TOnDisk::Same
                                                                                         : TOnDisk::Different;
}

bool HoldsExactly(const fs::path& path, std::string_view bytes) { return Compare(path, bytes) == TOnDisk::Same; }

// The permissions and modification time a copied file takes over from its source.
struct TFileStamp {
  fs::perms permissions;
  fs::file_time_type modified;
};

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
void ReplaceFile(const fs::path& path, std::string_view bytes, const TFileStamp* stamp) {
  const fs::path temp = WriteTemporary(path, bytes);
  try {
    if (stamp) {
      fs::permissions(temp, stamp->permissions);
      fs::last_write_time(temp, stamp->modified);
    }
    platform::ReplaceFile(temp, path);
  } catch (...) {
    std::error_code ignored;
    fs::remove(temp, ignored);
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

std::string TFileOperate::FromGbk(const std::string& gbk) {
  platform::TStrictText decoded = platform::GbkToUtf8Strictly(gbk);
  if (decoded.badOffset) throw TDecodeError(*decoded.badOffset);
  return std::move(decoded.text);
}

std::string TFileOperate::ReadBytes(const fs::path& path) { return ReadAll(path); }

std::string TFileOperate::ReadTemplate(const fs::path& path) {
  std::string text = ReadAll(path);
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

void TFileOperate::MakeFolder(const fs::path& folder) {
  std::error_code ignored;
  fs::create_directories(folder, ignored);
}

void TFileOperate::CopyBytes(const fs::path& source, const fs::path& target) { SaveBytes(target, ReadAll(source)); }

void TFileOperate::SaveUtf8File(const fs::path& folder, const fs::path& path, const std::string& text) {
  MakeFolder(folder);
  WriteUtf8(text, path);
}

void TFileOperate::SaveTextFile(const fs::path& folder, const fs::path& path, const std::string& text) {
  MakeFolder(folder);
  WriteGbk(text, path);
}

namespace {

// Entries the original single-file copy could not take are left out: hidden
// ones, links, and folders carrying the read-only attribute.
bool IsSkipped(const fs::path& entry, const fs::file_status& status) {
  return entry.filename().u8string().starts_with(u8".") || IsLink(entry) ||
         (fs::is_directory(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none);
}

// Copies one file keeping its permissions and modification time; a target
// that already matches in bytes, permissions and time is left as it is.
void CopyOneFile(const fs::path& source, const fs::file_status& status, const fs::path& target, bool failIfExists) {
  std::error_code error;
  const fs::file_status existing = fs::symlink_status(target, error);
  const bool exists = fs::exists(existing);
  if (exists && IsLink(target)) TFileOperate::RefuseLink(target);
  if (exists && failIfExists) return;
  const std::string bytes = ReadAll(source);
  const TFileStamp stamp{status.permissions(), fs::last_write_time(source)};
  if (exists && existing.type() == status.type() && existing.permissions() == stamp.permissions &&
      fs::last_write_time(target, error) == stamp.modified && !error && HoldsExactly(target, bytes))
    return;
  ReplaceFile(target, bytes, &stamp);
}

std::string CopyFailure(const fs::path& source, const std::string& reason) {
  return "无法复制 " + Shown(source) + ": " + reason;
}

}  // namespace

TCopyOutcome TFileOperate::CopyFolder(const fs::path& source, const fs::path& destination, bool failIfExists) {
  std::error_code error;
  const fs::file_status sourceStatus = fs::status(source, error);
  if (error) throw fs::filesystem_error("cannot open folder", source, error);
  if (!fs::is_directory(sourceStatus))
    throw fs::filesystem_error("cannot open folder", source, std::make_error_code(std::errc::not_a_directory));
  fs::directory_iterator walk(source, error);
  if (error) return {false, {CopyFailure(source, "无法列出这个文件夹 (" + error.message() + ")")}};
  TCopyOutcome outcome{true, {}};
  MakeFolder(destination);
  for (; walk != fs::directory_iterator(); walk.increment(error)) {
    const fs::path entry = walk->path();
    std::error_code statusError;
    const fs::file_status status = fs::symlink_status(entry, statusError);
    if (statusError) {
      outcome.failed.push_back(CopyFailure(entry, statusError.message()));
      continue;
    }
    if (IsSkipped(entry, status)) continue;
    const fs::path target = destination / entry.filename();
    try {
      if (fs::is_directory(status)) {
        if (IsLink(target)) RefuseLink(target);
        MakeFolder(target);
        TCopyOutcome nested = CopyFolder(entry, target, false);
        outcome.failed.insert(outcome.failed.end(), nested.failed.begin(), nested.failed.end());
      } else if (fs::is_regular_file(status)) {
        CopyOneFile(entry, status, target, failIfExists);
      }
    } catch (const std::exception& e) {
      outcome.failed.push_back(CopyFailure(entry, e.what()));
    }
  }
  if (error) outcome.failed.push_back(CopyFailure(source, "无法列出这个文件夹 (" + error.message() + ")"));
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
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (fs::exists(status) && (!fs::is_regular_file(status) || IsLink(path)))
    throw TFileRefused("无法写入 " + Shown(path) +
                       ": 它不是普通文件 (而是设备、管道、文件夹或符号链接)，请换一个文件名!");
  ReplaceFile(path, bytes, nullptr);
}
