// The edit form's designer file: the key row, one row per non-key member laid
// out top to bottom, the update button and the control declarations.

#include "generator/CodeWriter.h"
#include "generator/EditForm.h"
#include "generator/FormBlocks.h"

namespace {

using namespace member_type;

// L: caption-label number, T: next tab index, Y: top of the next row.
struct TLayout {
  int label = 2;
  int tab = 2;
  int y = 82;
};

std::string N(int value) { return std::to_string(value); }

void WriteHead(TCodeWriter& w, const std::string& c) {
  w.Line(0, "<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _")
      .Line(0, "Partial Class FrmEdit" + c)
      .Line(4, "Inherits System.Windows.Forms.Form")
      .Blank()
      .Line(4, "'Form 重写 Dispose，以清理组件列表。")
      .Line(4, "<System.Diagnostics.DebuggerNonUserCode()> _")
      .Line(4, "Protected Overrides Sub Dispose(ByVal disposing As Boolean)")
      .Line(8, "Try")
      .Line(12, "If disposing AndAlso components IsNot Nothing Then")
      .Blank()
      .Line(16, "components.Dispose()")
      .Line(12, "End If")
      .Line(8, "Finally")
      .Line(12, "MyBase.Dispose(disposing)")
      .Line(8, "End Try")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "'Windows 窗体设计器所必需的")
      .Line(4, "Private components As System.ComponentModel.IContainer")
      .Blank()
      .Line(4, "'注意: 以下过程是 Windows 窗体设计器所必需的")
      .Line(4, "'可以使用 Windows 窗体设计器修改它。")
      .Line(4, "'不要使用代码编辑器修改它。")
      .Blank()
      .Line(4, "<System.Diagnostics.DebuggerStepThrough()> _")
      .Line(4, "Private Sub InitializeComponent()")
      .Line(8, "Dim resources As System.ComponentModel.ComponentResourceManager = "
               "New System.ComponentModel.ComponentResourceManager(GetType(FrmEdit" +
                   c + "))")
      .Line(8, "Me.Btn_Update = New System.Windows.Forms.Button()");
}

void WriteKeyRow(TCodeWriter& w, const TMember& key) {
  const std::string& k = key.memberName;
  w.Line(8, "Me.label1 = New System.Windows.Forms.Label()")
      .Line(8, "Me.txt_" + k + " = new System.Windows.Forms.TextBox()")
      .Line(8, "Me.Controls.Add(Me.label1)")
      .Line(8, "Me.Controls.Add(Me.txt_" + k + ")")
      .Line(8, "'label1")
      .Line(8, "Me.label1.AutoSize = true")
      .Line(8, "Me.label1.Location = new System.Drawing.Point(95, 47)")
      .Line(8, "Me.label1.Name = " + std::string(Q) + "label1" + Q)
      .Line(8, "Me.label1.Size = new System.Drawing.Size(77, 12)")
      .Line(8, "Me.label1.TabIndex = 0")
      .Line(8, "Me.label1.Text = " + std::string(Q) + key.memberComment + "：" + Q)
      .Line(8, "'txt_" + k)
      .Line(8, "Me.txt_" + k + ".Location = new System.Drawing.Point(194, 44)")
      .Line(8, "Me.txt_" + k + ".Name = " + Q + "txt_" + k + Q)
      .Line(8, "Me.txt_" + k + ".Size = new System.Drawing.Size(199, 21)")
      .Line(8, "Me.txt_" + k + ".TabIndex = 1");
}

// The caption label's properties, the same on every member row.
void WriteLabelProperties(TCodeWriter& w, const TLayout& at, const TMember& m) {
  const std::string label = "label" + N(at.label);
  w.Line(8, "'" + label)
      .Line(8, "Me." + label + ".AutoSize = true")
      .Line(8, "Me." + label + ".Location = new System.Drawing.Point(95, " + N(at.y) + ")")
      .Line(8, "Me." + label + ".Name = " + Q + label + Q)
      .Line(8, "Me." + label + ".Size = new System.Drawing.Size(65, 12)")
      .Line(8, "Me." + label + ".TabIndex = " + N(at.tab))
      .Line(8, "Me." + label + ".Text = " + Q + m.memberComment + "：" + Q);
}

std::string NewLabel(const TLayout& at) {
  return "Me.label" + N(at.label) + " = new System.Windows.Forms.Label()";
}

std::string AddLabel(const TLayout& at) { return "Me.Controls.Add(Me.label" + N(at.label) + ")"; }

// A row of a label and one control: both created and added, the label's
// properties, then the comment that heads the control's own properties.
void WriteSingleControlRowHead(TCodeWriter& w, const TLayout& at, const TMember& m, const std::string& control,
                               const std::string& controlClass) {
  w.Line(8, NewLabel(at))
      .Line(8, "Me." + control + " = new System.Windows.Forms." + controlClass + "()")
      .Line(8, AddLabel(at))
      .Line(8, "Me.Controls.Add(Me." + control + ")");
  WriteLabelProperties(w, at, m);
  w.Line(8, "'" + control);
}

// String, integer and float members: a text box whose height is the string's length, else 21.
void WriteTextBoxRow(TCodeWriter& w, const TLayout& at, const TMember& m) {
  const std::string box = "txt_" + m.memberName;
  const int height = m.memberType == kString ? m.memberLength : 21;
  WriteSingleControlRowHead(w, at, m, box, "TextBox");
  w.Line(8, "Me." + box + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me." + box + ".Name = " + Q + box + Q)
      .Line(8, "Me." + box + ".Size = new System.Drawing.Size(199, " + N(height) + ")")
      .Line(8, "Me." + box + ".TabIndex = " + N(at.tab + 1));
}

// The picker is placed; the text box beside it is created but never added.
void WriteDateTimeRow(TCodeWriter& w, const TLayout& at, const TMember& m) {
  const std::string& name = m.memberName;
  w.Line(8, NewLabel(at))
      .Line(8, "Me.dtp_" + name + " = new System.Windows.Forms.DateTimePicker()")
      .Line(8, "Me.txt_" + name + " = new System.Windows.Forms.TextBox()")
      .Line(8, AddLabel(at))
      .Line(8, "Me.Controls.Add(Me.dtp_" + name + ")");
  WriteLabelProperties(w, at, m);
  w.Line(8, "'dtp_" + name)
      .Line(8, "Me.dtp_" + name + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me.txt_" + name + ".Name = " + Q + "dtp_" + name + Q)
      .Line(8, "Me.txt_" + name + ".Size = new System.Drawing.Size(208, 21)")
      .Line(8, "Me.txt_" + name + ".TabIndex = " + N(at.tab + 1));
}

void WritePictureRow(TCodeWriter& w, const TLayout& at, const TMember& m) {
  const std::string picture = "pictureBox_" + m.memberName;
  const std::string path = "txt_" + m.memberName;
  const std::string upload = "btn_" + m.memberName;
  w.Line(8, NewLabel(at))
      .Line(8, "Me." + picture + " = new System.Windows.Forms.PictureBox()")
      .Line(8, "CType(Me." + picture + ", System.ComponentModel.ISupportInitialize).BeginInit()")
      .Line(8, "CType(Me." + picture + ", System.ComponentModel.ISupportInitialize).EndInit()")
      .Line(8, "Me." + path + " = new System.Windows.Forms.TextBox()")
      .Line(8, "Me." + upload + " = new System.Windows.Forms.Button()")
      .Line(8, AddLabel(at))
      .Line(8, "Me.Controls.Add(Me." + picture + ")")
      .Line(8, "Me.Controls.Add(Me." + path + ")")
      .Line(8, "Me.Controls.Add(Me." + upload + ")");
  WriteLabelProperties(w, at, m);
  w.Line(8, "'" + picture);
  WritePictureRowControls(w, picture, path, upload, at.y, at.tab);
}

void WriteReferenceRow(TCodeWriter& w, const TLayout& at, const TMember& m) {
  const std::string list = "cb_" + m.memberName;
  WriteSingleControlRowHead(w, at, m, list, "ComboBox");
  w.Line(8, "Me." + list + ".FormattingEnabled = true")
      .Line(8, "Me." + list + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me." + list + ".Name = " + Q + list + Q)
      .Line(8, "Me." + list + ".Size = new System.Drawing.Size(199, 20)")
      .Line(8, "Me." + list + ".TabIndex = " + N(at.tab + 1));
}

// Writes the member's row at the current position and moves past it.
void WriteMemberRow(TCodeWriter& w, TLayout& at, const TMember& m) {
  const std::string& type = m.memberType;
  if (type == kString || type == kInteger || type == kFloat)
    WriteTextBoxRow(w, at, m);
  else if (type == kDateTime)
    WriteDateTimeRow(w, at, m);
  else if (type == kPicture)
    WritePictureRow(w, at, m);
  else
    WriteReferenceRow(w, at, m);
  const bool picture = type == kPicture;
  at.label += 1;
  at.tab += picture ? 4 : 2;
  at.y += picture ? 178 : 35;
}

void WriteButtonAndForm(TCodeWriter& w, const TLayout& at, const TFormModel& form) {
  const std::string& c = form.className;
  const std::string& f = form.friendName;
  w.Line(8, "'Btn_Update")
      .Line(8, "Me.Btn_Update.Location = new System.Drawing.Point(208, " + N(at.y) + ")")
      .Line(8, "Me.Btn_Update.Name = " + std::string(Q) + "Btn_Update" + Q)
      .Line(8, "Me.Btn_Update.Size = new System.Drawing.Size(142, 25)")
      .Line(8, "Me.Btn_Update.TabIndex = " + N(at.tab))
      .Line(8, "Me.Btn_Update.Text = " + std::string(Q) + "更新" + f + Q)
      .Line(8, "Me.Btn_Update.UseVisualStyleBackColor = true")
      .Line(8, "Me.SuspendLayout()")
      .Line(8, "'FrmUpdate" + c)
      .Line(8, "Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)")
      .Line(8, "Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font")
      .Line(8, "Me.AutoScroll = true")
      .Line(8, "Me.ClientSize = new System.Drawing.Size(601, 513)")
      .Line(8, "Me.Controls.Add(Me.Btn_Update)")
      .Line(8, "Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D")
      .Line(8, "Me.Icon = CType(resources.GetObject(" + std::string(Q) + "$this.Icon" + Q + "), System.Drawing.Icon)")
      .Line(8, "Me.MaximizeBox = false")
      .Line(8, "Me.MinimizeBox = false")
      .Line(8, "Me.Name = " + std::string(Q) + "FrmUpdate" + c + Q)
      .Line(8, "Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent")
      .Line(8, "Me.Text = " + std::string(Q) + f + "编辑界面" + Q)
      .Line(8, "Me.ResumeLayout(false)")
      .Line(8, "Me.PerformLayout()")
      .Line(4, "End Sub")
      .Line(4, "Private WithEvents label1 As System.Windows.Forms.Label")
      .Line(4, "Private WithEvents txt_" + form.key.memberName + " As System.Windows.Forms.TextBox");
}

void WriteDeclarations(TCodeWriter& w, int label, const TMember& m) {
  const std::string& name = m.memberName;
  const std::string& type = m.memberType;
  w.Line(4, "Private WithEvents label" + N(label) + " As System.Windows.Forms.Label");
  if (type == kString || type == kInteger || type == kFloat) {
    w.Line(4, "Private WithEvents txt_" + name + " As System.Windows.Forms.TextBox");
  } else if (type == kDateTime) {
    w.Line(4, "Private WithEvents txt_" + name + " As System.Windows.Forms.TextBox")
        .Line(4, "Private WithEvents dtp_" + name + " As System.Windows.Forms.DateTimePicker");
  } else if (type == kPicture) {
    w.Line(4, "Private WithEvents txt_" + name + " As System.Windows.Forms.TextBox")
        .Line(4, "Private WithEvents pictureBox_" + name + " As System.Windows.Forms.PictureBox")
        .Line(4, "Private WithEvents btn_" + name + " As System.Windows.Forms.Button");
  } else {
    w.Line(4, "Private WithEvents cb_" + name + " As System.Windows.Forms.ComboBox");
  }
}

}  // namespace

std::string EditFormDesigner(const TFormModel& form) {
  TCodeWriter w;
  WriteHead(w, form.className);
  WriteKeyRow(w, form.key);
  TLayout at;
  for (const TMember& m : form.nonKeyMembers) WriteMemberRow(w, at, m);
  WriteButtonAndForm(w, at, form);
  int label = 2;
  for (const TMember& m : form.nonKeyMembers) WriteDeclarations(w, label++, m);
  w.Line(4, "Private WithEvents Btn_Update As System.Windows.Forms.Button").Line(0, "End Class");
  return w.Take();
}
