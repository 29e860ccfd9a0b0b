#include "generator/vb/forms/UIOperate.h"

#include <stdexcept>

#include "generator/vb/forms/FormModel.h"
#include "generator/vb/forms/UiProjectFile.h"
#include "generator/naming/VbNamer.h"
#include "metadata/NameRules.h"

namespace fs = std::filesystem;

TUIOperate::TUIOperate(const TGenContext& context) : context_(context), project_(context.Snapshot()) {}

void TUIOperate::GenerateUI(const TClassList& classes) {
  TUiProjectItems items;
  for (const TListEntry& entry : classes) {
    curClassName = entry.text;
    AppendFormItems(items, curClassName);
  }
  const std::string projectFile = UiPath(context_.projectName + ".vbproj");
  const std::string text = UiProjectFileText(context_.ReadTemplate("template/project_name/project_name.vbproj"),
                                             items, context_.projectName);
  context_.SaveUtf8(UiFolder(), projectFile, text);
  context_.Progress(projectFile + "生成完成!");

  WriteAddFormCode(classes);
  WriteAddFormDesigner(classes);
  WriteEditFormCode(classes);
  WriteEditFormDesigner(classes);
  WriteQueryFormCode(classes);
  WriteQueryFormDesigner(classes);
  WriteMainForm(classes);
}

void TUIOperate::SelectClass(const TClassList& classes, std::size_t i) {
  curClassId = classes.at(i).tag;
  curClassName = classes.at(i).text;
  curObjName = name_rules::ObjectName(curClassName);
  curFriendName = project_->GetFriendName(curClassId);
}

const TMember& TUIOperate::SelectKeyMember() {
  curKeyMember = project_->GetKeyMember(curClassId);
  if (!curKeyMember) throw std::runtime_error("类" + curClassName + "没有主键成员");
  return *curKeyMember;
}

TReferencedClass TUIOperate::ReferencedClass(const std::string& className) const {
  const std::optional<TMember> display = project_->GetDisplayMember(className);
  const std::optional<TMember> key = project_->GetKeyMemberOf(className);
  if (!display || !key)
    throw std::runtime_error("类" + curClassName + "引用的类" + className + "不存在或缺少主键、显示成员");
  return TReferencedClass{className,
                          name_rules::ObjectName(className),
                          project_->GetFriendName(project_->GetClassId(className)),
                          display->memberName,
                          key->memberName,
                          key->memberIsInteger};
}

std::string TUIOperate::UiPath(const std::string& fileName) const {
  return "projects/" + context_.projectName + "/" + context_.projectName + "/" + fileName;
}

fs::path TUIOperate::UiFolder() const { return context_.SolutionFolder() / platform::PathFromUtf8(context_.projectName); }

void TUIOperate::SaveFormSource(const std::string& fileName, const std::string& text) const {
  context_.SaveSource(UiFolder(), UiPath(fileName), text);
  context_.Progress(UiPath(fileName) + "生成完毕!");
}

void TUIOperate::CopyFormResource(const std::string& formKind, const std::string& formClass) const {
  context_.CopyTemplateFile("template/project_name/project_name/" + formKind + ".resx", UiPath(formClass + ".resx"));
}

const TFormModel& TUIOperate::LoadFormModel() {
  if (const auto found = formModels_.find(curClassId); found != formModels_.end()) return found->second;
  if (!typeAliases_) {
    std::vector<std::string> classNames;
    for (const TListEntry& entry : project_->GetClassList()) classNames.push_back(entry.text);
    typeAliases_ = FormTypeAliases(classNames);
  }
  TFormModel model{.className = curClassName,
                   .objName = {},
                   .friendName = curFriendName,
                   .key = SelectKeyMember(),
                   .nonKeyMembers = project_->GetNonKeyMembers(curClassId),
                   .pictureMembers = project_->GetPictureMembers(curClassId),
                   .referenceMembers = project_->GetReferenceMembers(curClassId),
                   .members = project_->GetMembers(curClassId),
                   .referenced = {},
                   .rootNamespace = name_rules::RootNamespaceOf(context_.projectName),
                   .typeAliases = *typeAliases_};
  for (const TMember& m : model.referenceMembers)
    if (!model.referenced.contains(m.memberType)) model.referenced.emplace(m.memberType, ReferencedClass(m.memberType));
  std::vector<std::string> referencedObjects;
  for (const auto& [name, r] : model.referenced) referencedObjects.push_back(r.objName);
  std::vector<std::string> declared = VbNamer::FormDeclaredNames(curClassName, model.members, referencedObjects);
  model.objName = FormFieldName(curObjName, declared);
  declared.push_back(model.objName);
  model.keyField = FormFieldName(model.key.memberName, declared);
  model.keyParameter = UnclashedName(model.key.memberName, {VbNamer::QueryFormField(curClassName)});
  return formModels_.emplace(curClassId, std::move(model)).first->second;
}
