#include "generator/vb/tiers/EntityOperate.h"

#include <stdexcept>

#include "generator/CodeWriter.h"
#include "generator/vb/tiers/TierFiles.h"
#include "metadata/MemberKind.h"

namespace {

// A reference takes the type of the referred class's key.
std::string VbType(const TProjectSnapshot& project, const TMember& member) {
  const TMemberKind kind = KindOf(member);
  switch (kind) {
    case TMemberKind::String:
    case TMemberKind::Integer:
    case TMemberKind::Float:
    case TMemberKind::Picture: return std::string(Traits(kind).vbType);
    // Inside the Model namespace a class named DateTime would be found first.
    case TMemberKind::DateTime: return project.GetClassId("DateTime") < 0 ? "DateTime" : "System.DateTime";
    case TMemberKind::Reference: break;
  }
  const auto key = project.GetKeyMemberOf(member.memberType);
  if (!key)
    throw std::runtime_error("成员" + member.memberName + "引用的类" + member.memberType + "不存在或没有主键，无法确定其类型");
  return key->memberIsInteger == 1 ? "Integer" : "String";
}

void WriteProperty(TCodeWriter& w, const TMember& member, const std::string& type) {
  w.Set("comment", member.memberComment).Set("m", member.memberName).Set("type", type).Lines(R"(
    '$comment$
    Private _$m$ As $type$
    Public Property $m$() As $type$
        Get
            Return _$m$
        End Get
        Set(ByVal value As $type$)

            _$m$ = value

        End Set

    End Property

)");
}

std::string EntityClass(const TProjectSnapshot& project, const TListEntry& entry) {
  TCodeWriter w;
  WriteImports(w, {"System.Collections.Generic", "System.Linq", "System.Text"});
  w.Blank().Set("c", entry.text).Line("Public Class $c$");
  for (const auto& member : project.GetMembers(entry.tag)) WriteProperty(w, member, VbType(project, member));
  w.Line("End Class");
  return w.Take();
}

}  // namespace

void TEntityOperate::GenerateModel(const TGenContext& context, const TClassList& classes) {
  const std::filesystem::path folder = context.SolutionFolder() / "Model";
  const std::string model = "projects/" + context.projectName + "/Model/";

  const std::string project = TierProjectText(context.ReadTemplate("template/Model/Model.vbproj"),
                                              [](const std::string& className) { return className; }, classes);
  context.SaveUtf8(folder, model + "Model.vbproj", project);
  context.Progress(model + "Model.vbproj生成完成!");

  const auto snapshot = context.Snapshot();
  for (const auto& entry : classes) {
    const std::string file = model + entry.text + ".vb";
    context.SaveSource(folder, file, EntityClass(*snapshot, entry));
    context.Progress(file + "生成完毕!");
  }
}
