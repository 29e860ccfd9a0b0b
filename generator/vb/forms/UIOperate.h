#pragma once
// The Windows Forms project: the project file, the add, edit and query forms
// of every class and the main form. The writers share the state of the class
// being written, set by SelectClass.

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "generator/GenContext.h"
#include "generator/vb/forms/FormModel.h"
#include "generator/vb/forms/ReferencedClass.h"
#include "metadata/ListEntry.h"
#include "metadata/Member.h"
#include "metadata/ProjectSnapshot.h"

struct TQueryFormModel;

class TUIOperate {
 public:
  explicit TUIOperate(const TGenContext& context);

  // The project file, then the seven writers in their order.
  void GenerateUI(const TClassList& classes);

  void WriteAddFormCode(const TClassList& classes);
  void WriteAddFormDesigner(const TClassList& classes);
  void WriteEditFormCode(const TClassList& classes);
  void WriteEditFormDesigner(const TClassList& classes);
  void WriteQueryFormCode(const TClassList& classes);
  void WriteQueryFormDesigner(const TClassList& classes);
  void WriteMainForm(const TClassList& classes);

 private:
  // The preamble of every writer's work on entry i of the class list.
  void SelectClass(const TClassList& classes, std::size_t i);
  // curKeyMember := GetKeyMember(curClassId); a class without key is an error
  // (the run refuses such a class before any writer starts).
  const TMember& SelectKeyMember();
  // R's names for a reference member's type R; an error when R is no class of
  // the project or lacks a key or display member.
  TReferencedClass ReferencedClass(const std::string& className) const;

  // "projects/" + P + "/" + P + "/" + fileName
  std::string UiPath(const std::string& fileName) const;
  // home/projects/P/P
  std::filesystem::path UiFolder() const;
  // Writes a generated .vb source below the UI folder and reports it "生成完毕!".
  void SaveFormSource(const std::string& fileName, const std::string& text) const;
  // formKind "FrmAdd", "FrmEdit" or "FrmQuery": copies
  // template/project_name/project_name/<formKind>.resx to <formClass>.resx in
  // the UI folder, replacing it. Silent: a missing template or a failed copy is
  // skipped without a progress line.
  void CopyFormResource(const std::string& formKind, const std::string& formClass) const;

  // The class being written, as the add and edit form writers need it; worked
  // out once per class, as five files of each class ask for it.
  const TFormModel& LoadFormModel();
  // The class being written, as the full query form needs it.
  TQueryFormModel LoadQueryFormModel();
  // The project's setting: full query forms instead of empty windows.
  bool FullQueryForms() const;

  const TGenContext& context_;
  const std::shared_ptr<const TProjectSnapshot> project_;
  // The same for every class of the run: worked out once.
  std::optional<std::vector<std::string>> typeAliases_;
  std::unordered_map<int, TFormModel> formModels_;  // by class id

  std::string curFriendName;
  std::string curClassName;
  std::string curObjName;
  std::optional<TMember> curKeyMember;
  int curClassId = 0;
};
