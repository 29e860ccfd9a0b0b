#include "generator/AddFormText.h"
#include "generator/UIOperate.h"

void TUIOperate::WriteAddFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmAdd" + curClassName + ".vb", AddFormCode(LoadFormModel()));
  }
}

void TUIOperate::WriteAddFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmAdd" + curClassName + ".Designer.vb", AddFormDesigner(LoadFormModel()));
    CopyFormResource("FrmAdd");
  }
}
