#include "generator/MainFormText.h"

#include "generator/GenContext.h"

namespace {

void MenuHandlers(TCodeWriter& out, const std::string& c, const std::string& f) {
  out.Line(4, "'添加" + f)
      .Line(4, "Private Sub " + c + "Add_ToolStripMenuItem_Click(ByVal sender As Object, ByVal e As EventArgs) Handles " +
                   c + "Add_ToolStripMenuItem.Click")
      .Line(8, "Dim frmAdd" + c + " As New FrmAdd" + c + "()")
      .Line(8, "frmAdd" + c + ".ShowDialog()")
      .Line(4, "End Sub")
      .Line(4, "'" + f + "管理")
      .Line(4, "Private Sub " + c +
                   "Manage_ToolStripMenuItem_Click(ByVal sender As Object, ByVal e As EventArgs) Handles " + c +
                   "Manage_ToolStripMenuItem.Click")
      .Line(8, "Dim frmQuery" + c + " As New FrmQuery" + c + "()")
      .Line(8, "frmQuery" + c + ".ShowDialog()")
      .Line(4, "End Sub")
      .Blank();
}

void MenuItemCreation(TCodeWriter& out, const std::string& n, const std::string& c) {
  out.Line(8, "Me.toolStripMenuItem_" + n + " = new System.Windows.Forms.ToolStripMenuItem()")
      .Line(8, "Me." + c + "Add_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem()")
      .Line(8, "Me." + c + "Manage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem()");
}

void MenuStripItem(TCodeWriter& out, const std::string& n) { out.Line(8, "Me.toolStripMenuItem_" + n + ","); }

void MenuItemProperties(TCodeWriter& out, const std::string& n, const std::string& c, const std::string& f) {
  const std::string item = "Me.toolStripMenuItem_" + n;
  const std::string add = c + "Add_ToolStripMenuItem";
  const std::string manage = c + "Manage_ToolStripMenuItem";
  out.Line(12, "'")
      .Line(12, "' toolStripMenuItem_" + n)
      .Line(8, item + ".DropDownItems.AddRange(New System.Windows.Forms.ToolStripItem() {" + add + ",Me." + manage +
                   "})")
      .Line(8, item + ".Name = " + Q + "toolStripMenuItem" + n + Q)
      .Line(8, item + ".Size = new System.Drawing.Size(108, 21)")
      .Line(8, item + ".Text = " + Q + f + "管理" + Q)
      .Line(12, "' " + add)
      .Line(8, "Me." + add + ".Name = " + Q + add + Q)
      .Line(8, "Me." + add + ".Size = new System.Drawing.Size(166, 22)")
      .Line(8, "Me." + add + ".Text = " + Q + "添加" + f + Q)
      .Line(12, "' " + manage)
      .Line(8, "Me." + manage + ".Name = " + Q + manage + Q)
      .Line(8, "Me." + manage + ".Size = new System.Drawing.Size(166, 22)")
      .Line(8, "Me." + manage + ".Text = " + Q + f + "查询" + Q);
}

void MenuItemFields(TCodeWriter& out, const std::string& n, const std::string& c) {
  out.Line(4, "Private WithEvents toolStripMenuItem_" + n + " As System.Windows.Forms.ToolStripMenuItem")
      .Line(4, "Private WithEvents " + c + "Add_ToolStripMenuItem As System.Windows.Forms.ToolStripMenuItem")
      .Line(4, "Private WithEvents " + c + "Manage_ToolStripMenuItem As System.Windows.Forms.ToolStripMenuItem");
}

}  // namespace

void AppendClassMenu(TMainFormTexts& texts, int menuNumber, const std::string& className,
                     const std::string& friendName) {
  const std::string n = std::to_string(menuNumber);
  MenuHandlers(texts.handlers, className, friendName);
  MenuItemCreation(texts.creation, n, className);
  MenuStripItem(texts.stripItems, n);
  MenuItemProperties(texts.properties, n, className, friendName);
  MenuItemFields(texts.fields, n, className);
}

std::string MainFormCodeText(const std::string& templateText, const TMainFormTexts& texts) {
  return ReplaceAll(templateText, "$vbString", texts.handlers.Text());
}

std::string MainFormDesignerText(const std::string& templateText, const TMainFormTexts& texts) {
  std::string text = ReplaceAll(templateText, "$designerString1", texts.creation.Text());
  text = ReplaceAll(text, "$designerString2", texts.stripItems.Text());
  text = ReplaceAll(text, "$designerString3", texts.properties.Text());
  return ReplaceAll(text, "$designerString4", texts.fields.Text());
}
