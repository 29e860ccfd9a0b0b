#include "generator/TierFiles.h"

#include "generator/CodeWriter.h"

std::string TierProjectText(const std::string& templateText, const std::string& sourcePrefix,
                            const TClassList& classes) {
  TCodeWriter compileList;
  for (const auto& entry : classes)
    compileList.Line(4, std::string("<Compile Include=") + Q + sourcePrefix + entry.text + ".vb" + Q + " />");
  return ReplaceAll(templateText, "$CompileString", compileList.Text());
}

namespace {

std::string TierPath(const TGenContext& context, const std::string& tier, const std::string& fileName) {
  return "projects/" + context.projectName + "/" + tier + "/" + fileName;
}

}  // namespace

void WriteTierProject(const TGenContext& context, const std::string& tier, const std::string& sourcePrefix,
                      const TClassList& classes) {
  const std::string templateText = context.ReadTemplate("template/" + tier + "/" + tier + ".vbproj");
  const std::string path = TierPath(context, tier, tier + ".vbproj");
  context.SaveUtf8(context.SolutionFolder() / tier, path, TierProjectText(templateText, sourcePrefix, classes));
  context.Progress(path + "生成完成!");
}

void WriteTierSource(const TGenContext& context, const std::string& tier, const std::string& fileName,
                     const std::string& text) {
  const std::string path = TierPath(context, tier, fileName);
  context.SaveSource(context.SolutionFolder() / tier, path, text);
  context.Progress(path + "生成完毕!");
}
