#include "generator/vb/tiers/TierFiles.h"

#include "generator/CodeWriter.h"

std::string TierProjectText(const std::string& templateText, TTierSourceName sourceName, const TClassList& classes) {
  TCodeWriter compileList;
  auto entries = compileList.Indent(4);
  for (const auto& entry : classes) compileList.Set("file", sourceName(entry.text)).Line(R"(<Compile Include="$file$.vb" />)");
  return FillTemplate(templateText, {{"$CompileString", compileList.Text()}});
}

namespace {

std::string TierPath(const TGenContext& context, const std::string& tier, const std::string& fileName) {
  return "projects/" + context.projectName + "/" + tier + "/" + fileName;
}

}  // namespace

void WriteTierProject(const TGenContext& context, const std::string& tier, TTierSourceName sourceName,
                      const TClassList& classes) {
  const std::string templateText = context.ReadTemplate("template/" + tier + "/" + tier + ".vbproj");
  const std::string path = TierPath(context, tier, tier + ".vbproj");
  context.SaveUtf8(context.SolutionFolder() / tier, path, TierProjectText(templateText, sourceName, classes));
  context.Progress(path + "生成完成!");
}

void WriteTierSource(const TGenContext& context, const std::string& tier, const std::string& fileName,
                     const std::string& text) {
  const std::string path = TierPath(context, tier, fileName);
  context.SaveSource(context.SolutionFolder() / tier, path, text);
  context.Progress(path + "生成完毕!");
}
