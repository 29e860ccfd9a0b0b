// The edit-form writers of TUIOperate: per class, the code file, or the
// designer file and its resource file.

#include "generator/vb/forms/EditForm.h"
#include "generator/vb/forms/UIOperate.h"
#include "generator/naming/VbNamer.h"

void TUIOperate::WriteEditFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource(VbNamer::EditForm(curClassName) + ".vb", EditFormCode(LoadFormModel()));
  }
}

void TUIOperate::WriteEditFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource(VbNamer::EditForm(curClassName) + ".Designer.vb", EditFormDesigner(LoadFormModel()));
    CopyFormResource("FrmEdit", VbNamer::EditForm(curClassName));
  }
}
