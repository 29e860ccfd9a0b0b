#include "generator/QueryFormText.h"
#include "generator/UIOperate.h"

void TUIOperate::WriteQueryFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmQuery" + curClassName + ".vb", QueryFormCodeText(curClassName));
  }
}

void TUIOperate::WriteQueryFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource("FrmQuery" + curClassName + ".Designer.vb", QueryFormDesignerText(curClassName, curFriendName));
    CopyFormResource("FrmQuery");
  }
}
