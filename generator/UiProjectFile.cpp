#include "generator/UiProjectFile.h"

#include "generator/GenContext.h"
#include "metadata/NameRules.h"

namespace {

constexpr const char* kFormKinds[] = {"FrmAdd", "FrmEdit", "FrmQuery"};

void CompileItems(TCodeWriter& out, const std::string& form) {
  out.Line(4, std::string("<Compile Include=") + Q + form + ".vb" + Q + ">")
      .Line(6, "<SubType>Form</SubType>")
      .Line(4, "</Compile>")
      .Line(4, std::string("<Compile Include=") + Q + form + ".Designer.vb" + Q + ">")
      .Line(6, "<DependentUpon>" + form + ".vb</DependentUpon>")
      .Line(4, "</Compile>");
}

void ResourceItem(TCodeWriter& out, const std::string& form) {
  out.Line(4, std::string("<EmbeddedResource Include=") + Q + form + ".resx" + Q + ">")
      .Line(6, "<DependentUpon>" + form + ".vb</DependentUpon>")
      .Line(4, "</EmbeddedResource>");
}

}  // namespace

void AppendFormItems(TUiProjectItems& items, const std::string& className) {
  for (const char* kind : kFormKinds) CompileItems(items.compile, kind + className);
  for (const char* kind : kFormKinds) ResourceItem(items.resources, kind + className);
}

std::string UiProjectFileText(const std::string& templateText, const TUiProjectItems& items,
                              const std::string& projectName) {
  std::string text = ReplaceAll(templateText, "$CompileString", items.compile.Text());
  text = ReplaceAll(text, "$EmbeddedResourceString", items.resources.Text());
  text = ReplaceAll(text, "$root_namespace", name_rules::RootNamespaceOf(projectName));
  return ReplaceAll(text, "$project_name", projectName);
}
