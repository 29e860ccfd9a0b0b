#include "generator/AddFormText.h"
#include "generator/UIOperate.h"
#include "generator/VbNamer.h"

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
