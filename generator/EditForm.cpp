// The edit-form writers of TUIOperate: per class, the code file, or the
// designer file and its resource file.

#include "generator/EditForm.h"
#include "generator/UIOperate.h"
#include "generator/VbNamer.h"

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
