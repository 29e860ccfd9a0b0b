#include "generator/GenContext.h"

#include "generator/output/FileOperate.h"

std::shared_ptr<const TProjectSnapshot> TGenContext::Snapshot() const {
  if (snapshot) return snapshot;
  return std::make_shared<const TProjectSnapshot>(TProjectSnapshot::Load(projectId));
}

std::string TargetFolder(TFramework framework) {
  return framework == TFramework::Net48 ? std::string() : "net10.0-windows";
}

std::string TGenContext::TemplatePath(const std::string& relative) const {
  const std::string folder = TargetFolder(settings.framework);
  const std::string prefix = "template/";
  if (folder.empty() || !relative.starts_with(prefix)) return relative;
  const std::string own = prefix + folder + "/" + relative.substr(prefix.size());
  std::error_code error;
  return std::filesystem::is_regular_file(Abs(own), error) ? own : relative;
}

std::string TGenContext::ReadTemplate(const std::string& relative) const {
  return TFileOperate::ReadTemplate(Abs(TemplatePath(relative)));
}

TOutputWriter& TGenContext::Output() const {
  if (!output) output = std::make_shared<TOutputWriter>(home, projectName, TOutputOptions{});
  return *output;
}

void TGenContext::MakeFolder(const std::filesystem::path& folder) const { Output().MakeFolder(folder); }

namespace {

// text behind the UTF-8 mark, in into's room.
const std::string& Utf8WithBom(const std::string& text, std::string& into) {
  into.assign("\xEF\xBB\xBF").append(text);
  return into;
}

}  // namespace

void TGenContext::SaveUtf8(const std::filesystem::path& folder, const std::string& relative,
                           const std::string& text) const {
  MakeFolder(folder);
  Output().WriteText(relative, Utf8WithBom(text, encoded));
}

void TGenContext::SaveSource(const std::filesystem::path& folder, const std::string& relative,
                             const std::string& text) const {
  MakeFolder(folder);
  if (sourceEncoding == TSourceEncoding::Utf8Bom) return Output().WriteText(relative, Utf8WithBom(text, encoded));
  if (!gbk) gbk = std::make_shared<platform::TGbkEncoder>();
  Output().WriteText(relative, gbk->Encode(text));
}

void TGenContext::CopyTemplateFile(const std::string& templatePath, const std::string& relative) const {
  Output().CopyFile(Abs(TemplatePath(templatePath)), relative, false);
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
