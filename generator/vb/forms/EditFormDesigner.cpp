// The edit form's designer file: the key row, one row per non-key member laid
// out top to bottom, the update button and the control declarations.

#include "generator/CodeWriter.h"
#include "generator/vb/forms/EditForm.h"
#include "generator/vb/forms/FormBlocks.h"
#include "generator/naming/VbNamer.h"

std::string EditFormDesigner(const TFormModel& form) {
  const std::string& c = form.className;
  TCodeWriter w;
  WriteDesignerHead(w, VbNamer::EditForm(c), kEditFormHead);
  w.Line(8, "Me.Btn_Update = New System.Windows.Forms.Button()");
  WriteKeyRow(w, form.key, kPlainRow, 47);
  TRowLayout at{2, 2, 82};
  for (const TMember& m : form.nonKeyMembers) WriteMemberRow(w, m, at, kEditFormRows);
  WriteFormButton(w, "Btn_Update", "更新" + form.friendName, at);
  const std::string designName = VbNamer::EditFormDesignName(c);
  WriteFormProperties(w, {designName, "Btn_Update", "601, 513", "Fixed3D", designName, form.friendName + "编辑界面"});
  w.Set("txt", VbNamer::TextBox(form.key.memberName)).Lines(R"(
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents $txt$ As System.Windows.Forms.TextBox
)");
  int label = 2;
  for (const TMember& m : form.nonKeyMembers) WriteMemberFields(w, m, label++);
  w.Lines(R"(
    Private WithEvents Btn_Update As System.Windows.Forms.Button
End Class
)");
  return w.Take();
}
