#include "generator/vb/forms/MainFormText.h"

#include "generator/naming/VbNamer.h"

namespace {

void MenuHandlers(TCodeWriter& out) {
  auto handler = out.Indent(4);
  out.Lines(R"(
'添加$f$
Private Sub $add$_Click(ByVal sender As Object, ByVal e As EventArgs) Handles $add$.Click
    Dim frmAdd$c$ As New $addForm$()
    frmAdd$c$.ShowDialog()
End Sub
'$f$管理
Private Sub $manage$_Click(ByVal sender As Object, ByVal e As EventArgs) Handles $manage$.Click
    Dim frmQuery$c$ As New $queryForm$()
    frmQuery$c$.ShowDialog()
End Sub

)");
}

void MenuItemCreation(TCodeWriter& out) {
  auto body = out.Indent(8);
  out.Lines(R"(
Me.$item$ = new System.Windows.Forms.ToolStripMenuItem()
Me.$add$ = new System.Windows.Forms.ToolStripMenuItem()
Me.$manage$ = new System.Windows.Forms.ToolStripMenuItem()
)");
}

// The comment lines stand 4 spaces further in than the properties.
void MenuItemProperties(TCodeWriter& out) {
  auto body = out.Indent(8);
  out.Lines(R"(
    '
    ' $item$
Me.$item$.DropDownItems.AddRange(New System.Windows.Forms.ToolStripItem() {$add$,Me.$manage$})
Me.$item$.Name = "toolStripMenuItem$n$"
Me.$item$.Size = new System.Drawing.Size(108, 21)
Me.$item$.Text = "$f$管理"
    ' $add$
Me.$add$.Name = "$add$"
Me.$add$.Size = new System.Drawing.Size(166, 22)
Me.$add$.Text = "添加$f$"
    ' $manage$
Me.$manage$.Name = "$manage$"
Me.$manage$.Size = new System.Drawing.Size(166, 22)
Me.$manage$.Text = "$f$查询"
)");
}

void MenuItemFields(TCodeWriter& out) {
  auto field = out.Indent(4);
  out.Lines(R"(
Private WithEvents $item$ As System.Windows.Forms.ToolStripMenuItem
Private WithEvents $add$ As System.Windows.Forms.ToolStripMenuItem
Private WithEvents $manage$ As System.Windows.Forms.ToolStripMenuItem
)");
}

}  // namespace

void AppendClassMenu(TMainFormTexts& texts, int menuNumber, const std::string& className,
                     const std::string& friendName) {
  for (TCodeWriter* out : {&texts.handlers, &texts.creation, &texts.stripItems, &texts.properties, &texts.fields})
    out->Set("c", className)
        .Set("f", friendName)
        .Set("n", menuNumber)
        .Set("item", VbNamer::MenuItem(menuNumber))
        .Set("add", VbNamer::AddMenuItem(className))
        .Set("manage", VbNamer::ManageMenuItem(className))
        .Set("addForm", VbNamer::AddForm(className))
        .Set("queryForm", VbNamer::QueryForm(className));
  MenuHandlers(texts.handlers);
  MenuItemCreation(texts.creation);
  texts.stripItems.Line(8, "Me.$item$,");
  MenuItemProperties(texts.properties);
  MenuItemFields(texts.fields);
}

std::string MainFormCodeText(const std::string& templateText, const TMainFormTexts& texts) {
  return FillTemplate(templateText, {{"$vbString", texts.handlers.Text()}});
}

std::string MainFormDesignerText(const std::string& templateText, const TMainFormTexts& texts) {
  return FillTemplate(templateText, {{"$designerString1", texts.creation.Text()},
                                     {"$designerString2", texts.stripItems.Text()},
                                     {"$designerString3", texts.properties.Text()},
                                     {"$designerString4", texts.fields.Text()}});
}
