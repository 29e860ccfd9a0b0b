#include "generator/vb/forms/AddFormText.h"
#include "generator/CodeWriter.h"
#include "generator/vb/forms/FormBlocks.h"
#include "metadata/ReferencedKey.h"
#include "generator/naming/VbNamer.h"

namespace {

void FieldDeclarations(TCodeWriter& out, const TFormModel& form) {
  int label = 1;
  if (!IsIntegerKey(form.key)) {
    out.Set("txt", VbNamer::TextBox(form.key.memberName)).Lines(R"(
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents $txt$ As System.Windows.Forms.TextBox
)");
    label = 2;
  }
  for (const TMember& member : form.nonKeyMembers) WriteMemberFields(out, member, label++);
  out.Lines(R"(
    Private WithEvents Btn_Add As System.Windows.Forms.Button
End Class
)");
}

}  // namespace

std::string AddFormDesigner(const TFormModel& form) {
  const std::string formClass = VbNamer::AddForm(form.className);
  TCodeWriter out;
  WriteDesignerHead(out, formClass, kAddFormHead);
  out.Line(8, "Me.Btn_Add = New System.Windows.Forms.Button()");
  TRowLayout at{1, 0, 47};
  // The key row sits at fixed positions, 3 units above where the rows start.
  if (!IsIntegerKey(form.key)) {
    WriteKeyRow(out, form.key, kAddKeyRow, 44);
    at = TRowLayout{2, 2, 82};
  }
  for (const TMember& member : form.nonKeyMembers) WriteMemberRow(out, member, at, kAddFormRows);
  WriteFormButton(out, "Btn_Add", "添加" + form.friendName, at);
  WriteFormProperties(out, {formClass, "Btn_Add", "601, 513", "Fixed3D", formClass, form.friendName + "添加界面"});
  FieldDeclarations(out, form);
  return out.Take();
}
