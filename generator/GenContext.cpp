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
  if (madeFolders.insert(folder.string()).second) TFileOperate::MakeFolder(folder);
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
