#include "generator/vb/forms/AddFormText.h"
#include "generator/vb/forms/UIOperate.h"
#include "generator/naming/VbNamer.h"

void TUIOperate::WriteAddFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource(VbNamer::AddForm(curClassName) + ".vb", AddFormCode(LoadFormModel()));
  }
}

void TUIOperate::WriteAddFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource(VbNamer::AddForm(curClassName) + ".Designer.vb", AddFormDesigner(LoadFormModel()));
    CopyFormResource("FrmAdd", VbNamer::AddForm(curClassName));
  }
}
