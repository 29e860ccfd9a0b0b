// The edit-form writers of TUIOperate: per class, read the members and the
// classes they refer to, then write the code file, or the designer file and
// its resource file.

#include "generator/EditForm.h"
#include "generator/UIOperate.h"

TEditFormModel TUIOperate::LoadEditFormModel() {
  TEditFormModel model{.className = curClassName,
                       .objName = curObjName,
                       .friendName = curFriendName,
                       .key = SelectKeyMember(),
                       .nonKeyMembers = project_->GetNonKeyMembers(curClassId),
                       .pictureMembers = project_->GetPictureMembers(curClassId),
                       .referenceMembers = project_->GetReferenceMembers(curClassId),
                       .members = project_->GetMembers(curClassId),
                       .referenced = {}};
  for (const TMember& m : model.referenceMembers)
    if (!model.referenced.contains(m.memberType)) model.referenced.emplace(m.memberType, ReferencedClass(m.memberType));
  return model;
}

void TUIOperate::WriteEditFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmEdit" + curClassName + ".vb", EditFormCode(LoadEditFormModel()));
  }
}

void TUIOperate::WriteEditFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmEdit" + curClassName + ".Designer.vb", EditFormDesigner(LoadEditFormModel()));
    CopyFormResource("FrmEdit");
  }
}
