#include "generator/EntityOperate.h"

#include <stdexcept>

#include "generator/CodeWriter.h"

namespace {

std::string CompileList(const TClassList& classes) {
  TCodeWriter w;
  for (const auto& entry : classes) w.Line(4, std::string("<Compile Include=") + Q + entry.text + ".vb" + Q + " />");
  return w.Take();
}

// A reference takes the type of the referred class's key.
std::string VbType(const TProjectSnapshot& project, const TMember& member) {
  const std::string& type = member.memberType;
  if (type == member_type::kString) return "String";
  if (type == member_type::kPicture) return "Byte()";
  // Inside the Model namespace a class named DateTime would be found first.
  if (type == member_type::kDateTime) return project.GetClassId("DateTime") < 0 ? "DateTime" : "System.DateTime";
  if (type == member_type::kInteger) return "Integer";
  if (type == member_type::kFloat) return "Single";
  const auto key = project.GetKeyMemberOf(type);
  if (!key)
    throw std::runtime_error("成员" + member.memberName + "引用的类" + type + "不存在或没有主键，无法确定其类型");
  return key->memberIsInteger == 1 ? "Integer" : "String";
}

void WriteHeader(TCodeWriter& w, const std::string& className) {
  w.Line(0, "Imports System.Collections.Generic");
  w.Line(0, "Imports System.Linq");
  w.Line(0, "Imports System.Text");
  w.Blank();
  w.Line(0, "Public Class " + className);
}

void WriteProperty(TCodeWriter& w, const TMember& member, const std::string& type) {
  const std::string& name = member.memberName;
  w.Line(4, "'" + member.memberComment);
  w.Line(4, "Private _" + name + " As " + type);
  w.Line(4, "Public Property " + name + "() As " + type);
  w.Line(8, "Get");
  w.Line(12, "Return _" + name);
  w.Line(8, "End Get");
  w.Line(8, "Set(ByVal value As " + type + ")");
  w.Blank();
  w.Line(12, "_" + name + " = value");
  w.Blank();
  w.Line(8, "End Set");
  w.Blank();
  w.Line(4, "End Property");
  w.Blank();
}

std::string EntityClass(const TProjectSnapshot& project, const TListEntry& entry) {
  TCodeWriter w;
  WriteHeader(w, entry.text);
  for (const auto& member : project.GetMembers(entry.tag)) WriteProperty(w, member, VbType(project, member));
  w.Line(0, "End Class");
  return w.Take();
}

}  // namespace

void TEntityOperate::GenerateModel(const TGenContext& context, const TClassList& classes) {
  const std::filesystem::path folder = context.SolutionFolder() / "Model";
  const std::string model = "projects/" + context.projectName + "/Model/";

  const std::string project =
      ReplaceAll(context.ReadTemplate("template/Model/Model.vbproj"), "$CompileString", CompileList(classes));
  context.SaveUtf8(folder, model + "Model.vbproj", project);
  context.Progress(model + "Model.vbproj生成完成!");

  const auto snapshot = context.Snapshot();
  for (const auto& entry : classes) {
    const std::string file = model + entry.text + ".vb";
    context.SaveSource(folder, file, EntityClass(*snapshot, entry));
    context.Progress(file + "生成完毕!");
  }
}
