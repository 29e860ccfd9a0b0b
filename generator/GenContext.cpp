#include "generator/GenContext.h"

#include "generator/FileOperate.h"

std::shared_ptr<const TProjectSnapshot> TGenContext::Snapshot() const {
  if (snapshot) return snapshot;
  return std::make_shared<const TProjectSnapshot>(TProjectSnapshot::Load(projectId));
}

std::string TGenContext::ReadTemplate(const std::string& relative) const {
  return TFileOperate::ReadTemplate(Abs(relative));
}

void TGenContext::MakeFolder(const std::filesystem::path& folder) const {
  if (madeFolders.contains(folder.native())) return;
  TFileOperate::RefuseLinksBelow(OutputRoot(), folder);
  TFileOperate::MakeFolder(folder);
  madeFolders.insert(folder.native());
}

void TGenContext::CopyFile(const std::filesystem::path& source, const std::filesystem::path& target) const {
  try {
    TFileOperate::CopyBytes(source, target);
  } catch (const std::exception& e) {
    failedFiles.push_back("无法复制 " + platform::Utf8FromPath(source) + " 到 " + platform::Utf8FromPath(target) + ": " +
                          e.what());
  }
}

void TGenContext::SaveUtf8(const std::filesystem::path& folder, const std::string& relative,
                           const std::string& text) const {
  MakeFolder(folder);
  TFileOperate::WriteUtf8(text, Abs(relative));
}

void TGenContext::SaveSource(const std::filesystem::path& folder, const std::string& relative,
                             const std::string& text) const {
  MakeFolder(folder);
  if (sourceEncoding == TSourceEncoding::Utf8Bom)
    TFileOperate::WriteUtf8(text, Abs(relative));
  else
    TFileOperate::WriteGbk(text, Abs(relative));
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
  return text;
}
