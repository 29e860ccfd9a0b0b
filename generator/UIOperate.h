#pragma once
// The Windows Forms project: the project file, the add, edit and query forms
// of every class and the main form. The writers share the state of the class
// being written, set by SelectClass.

#include <optional>
#include <string>

#include "generator/GenContext.h"
#include "metadata/ClassDAO.h"
#include "metadata/ListEntry.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"

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

  // "projects/" + P + "/" + P + "/" + fileName
  std::string UiPath(const std::string& fileName) const;
  // home/projects/P/P
  std::filesystem::path UiFolder() const;
  // Copies template/<resx> beside the form as <form><C>.resx; a missing template is skipped.
  void CopyFormResource(const std::string& templateResx, const std::string& formName) const;

  const TGenContext& context_;
  TClassDAO classDao;
  TMemberDAO memberDao;

  std::string curFriendName;
  std::string curClassName;
  std::string curObjName;
  std::optional<TMember> curKeyMember;
  int curClassId = 0;
};
