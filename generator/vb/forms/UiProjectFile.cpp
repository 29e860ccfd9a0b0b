#include "generator/vb/forms/UiProjectFile.h"

#include "generator/naming/VbNamer.h"
#include "metadata/NameRules.h"

namespace {

void CompileItems(TCodeWriter& out, const std::string& form) {
  out.Set("form", form).Lines(R"(
    <Compile Include="$form$.vb">
      <SubType>Form</SubType>
    </Compile>
    <Compile Include="$form$.Designer.vb">
      <DependentUpon>$form$.vb</DependentUpon>
    </Compile>
)");
}

void ResourceItem(TCodeWriter& out, const std::string& form) {
  out.Set("form", form).Lines(R"(
    <EmbeddedResource Include="$form$.resx">
      <DependentUpon>$form$.vb</DependentUpon>
    </EmbeddedResource>
)");
}

}  // namespace

void AppendFormItems(TUiProjectItems& items, const std::string& className) {
  const std::string forms[] = {VbNamer::AddForm(className), VbNamer::EditForm(className), VbNamer::QueryForm(className)};
  for (const std::string& form : forms) CompileItems(items.compile, form);
  for (const std::string& form : forms) ResourceItem(items.resources, form);
}

std::string UiProjectFileText(const std::string& templateText, const TUiProjectItems& items,
                              const std::string& projectName) {
  return FillTemplate(templateText, {{"$CompileString", items.compile.Text()},
                                     {"$EmbeddedResourceString", items.resources.Text()},
                                     {"$root_namespace", name_rules::RootNamespaceOf(projectName)},
                                     {"$project_name", projectName}});
}
