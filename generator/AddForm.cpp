#include "generator/AddFormText.h"
#include "generator/UIOperate.h"

TAddFormModel TUIOperate::LoadAddFormModel() {
  TAddFormModel form{curClassName, curObjName, curFriendName, SelectKeyMember(), project_->GetNonKeyMembers(curClassId),
                     project_->GetPictureMembers(curClassId), project_->GetReferenceMembers(curClassId), {}};
  for (const TMember& reference : form.referenceMembers)
    if (!form.referenced.contains(reference.memberType))
      form.referenced.emplace(reference.memberType, ReferencedClass(reference.memberType));
  return form;
}

void TUIOperate::WriteAddFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmAdd" + curClassName + ".vb", AddFormCode(LoadAddFormModel()));
  }
}

void TUIOperate::WriteAddFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmAdd" + curClassName + ".Designer.vb", AddFormDesigner(LoadAddFormModel()));
    CopyFormResource("FrmAdd");
  }
}
