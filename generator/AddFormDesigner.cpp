#include "generator/AddFormText.h"
#include "generator/CodeWriter.h"
#include "generator/FormBlocks.h"
#include "generator/MemberKind.h"

namespace {

// The caption-label number, the next tab index and the next row's top.
struct TLayout {
  int label = 1;
  int tab = 0;
  int y = 47;
};

std::string N(int value) { return std::to_string(value); }

void Head(TCodeWriter& out, const std::string& c) {
  out.Line(0, "<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _")
      .Line(0, "Partial Class FrmAdd" + c)
      .Line(4, "Inherits System.Windows.Forms.Form")
      .Line(4, "'Form 重写 Dispose，以清理组件列表。")
      .Line(4, "<System.Diagnostics.DebuggerNonUserCode()> _")
      .Line(4, "Protected Overrides Sub Dispose(ByVal disposing As Boolean)")
      .Line(8, "Try")
      .Line(12, "If disposing AndAlso components IsNot Nothing Then")
      .Line(16, "components.Dispose()")
      .Line(12, "End If")
      .Line(8, "Finally")
      .Line(12, "MyBase.Dispose(disposing)")
      .Line(8, "End Try")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "'Windows 窗体设计器所必需的")
      .Line(4, "Private components As System.ComponentModel.IContainer")
      .Line(1, "'注意: 以下过程是 Windows 窗体设计器所必需的;")
      .Line(4, "'可以使用 Windows 窗体设计器修改它。")
      .Line(4, "'不要使用代码编辑器修改它。")
      .Line(2, "<System.Diagnostics.DebuggerStepThrough()> _")
      .Line(3, "Private Sub InitializeComponent()")
      .Line(8, "Dim resources As System.ComponentModel.ComponentResourceManager = New "
               "System.ComponentModel.ComponentResourceManager(GetType(FrmAdd" +
                   c + "))")
      .Line(8, "Me.Btn_Add = New System.Windows.Forms.Button()");
}

// The key row sits at fixed positions, 3 units above where the counter starts.
void KeyRow(TCodeWriter& out, const TMember& key, TLayout& at) {
  const std::string& k = key.memberName;
  out.Line(8, "Me.label1 = New System.Windows.Forms.Label()")
      .Line(8, "Me.txt_" + k + " = New System.Windows.Forms.TextBox()")
      .Line(8, "Me.Controls.Add(Me.label1)")
      .Line(8, "Me.Controls.Add(Me.txt_" + k + ")")
      .Line(8, "'label1")
      .Line(8, "Me.label1.AutoSize = True")
      .Line(8, "Me.label1.Location = New System.Drawing.Point(95, 44)")
      .Line(8, std::string("Me.label1.Name = ") + Q + "label1" + Q)
      .Line(8, "Me.label1.Size = New System.Drawing.Size(77, 12)")
      .Line(8, "Me.label1.TabIndex = 0")
      .Line(8, std::string("Me.label1.Text = ") + Q + key.memberComment + "：" + Q)
      .Line(8, "'txt_" + k)
      .Line(8, "Me.txt_" + k + ".Location = New System.Drawing.Point(194, 44)")
      .Line(8, "Me.txt_" + k + ".Name = " + Q + "txt_" + k + Q)
      .Line(8, "Me.txt_" + k + ".Size = New System.Drawing.Size(199, 21)")
      .Line(8, "Me.txt_" + k + ".TabIndex = 1");
  at = TLayout{2, 2, 82};
}

// The caption label's position, name, size, tab index and text, shared by every row.
void LabelProperties(TCodeWriter& out, const std::string& label, const TLayout& at, const std::string& comment) {
  out.Line(8, "Me." + label + ".Location = new System.Drawing.Point(95, " + N(at.y) + ")")
      .Line(8, "Me." + label + ".Name = " + Q + label + Q)
      .Line(8, "Me." + label + ".Size = new System.Drawing.Size(65, 12)")
      .Line(8, "Me." + label + ".TabIndex = " + N(at.tab))
      .Line(8, "Me." + label + ".Text = " + Q + comment + "：" + Q);
}

void StringRow(TCodeWriter& out, const TMember& member, const TLayout& at) {
  const std::string label = "label" + N(at.label);
  const std::string txt = "txt_" + member.memberName;
  out.Line(8, "Me." + label + " = New System.Windows.Forms.Label()")
      .Line(8, "Me." + txt + " = New System.Windows.Forms.TextBox()")
      .Line(8, "Me.Controls.Add(Me." + label + ")")
      .Line(8, "Me.Controls.Add(Me." + txt + ")")
      .Line(6, "'" + label)
      .Line(8, "Me." + label + ".AutoSize = True")
      .Line(8, "Me." + label + ".Location = New System.Drawing.Point(95, " + N(at.y) + ")")
      .Line(8, "Me." + label + ".Name = " + Q + label + Q)
      .Line(8, "Me." + label + ".Size = new System.Drawing.Size(65, 12)")
      .Line(8, "Me." + label + ".TabIndex = " + N(at.tab))
      .Line(8, "Me." + label + ".Text = " + Q + member.memberComment + "：" + Q)
      .Line(8, "'" + txt)
      .Line(8, "Me." + txt + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me." + txt + ".Name = " + Q + txt + Q)
      .Line(8, "Me." + txt + ".Size = new System.Drawing.Size(199, " + N(member.memberLength) + ")")
      .Line(8, "Me." + txt + ".TabIndex = " + N(at.tab + 1));
}

// The start of a row with one control beside its caption label.
void SingleControlRowHead(TCodeWriter& out, const TMember& member, const TLayout& at, const std::string& control,
                          const std::string& controlType) {
  const std::string label = "label" + N(at.label);
  out.Line(8, "Me." + label + " = new System.Windows.Forms.Label()")
      .Line(8, "Me." + control + " = new System.Windows.Forms." + controlType + "()")
      .Line(8, "Me.Controls.Add(Me." + label + ")")
      .Line(8, "Me.Controls.Add(Me." + control + ")")
      .Line(8, "'" + label)
      .Line(8, "Me." + label + ".AutoSize = true");
  LabelProperties(out, label, at, member.memberComment);
}

void NumberRow(TCodeWriter& out, const TMember& member, const TLayout& at) {
  const std::string txt = "txt_" + member.memberName;
  SingleControlRowHead(out, member, at, txt, "TextBox");
  out.Line(8, "' " + txt)
      .Line(8, "Me." + txt + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me." + txt + ".Name = " + Q + txt + Q)
      .Line(8, "Me." + txt + ".Size = new System.Drawing.Size(199, 21)")
      .Line(8, "Me." + txt + ".TabIndex = " + N(at.tab + 1));
}

// The picker is placed; the text box is created but never added to the form.
void DateTimeRow(TCodeWriter& out, const TMember& member, const TLayout& at) {
  const std::string label = "label" + N(at.label);
  const std::string& m = member.memberName;
  out.Line(8, "Me." + label + " = new System.Windows.Forms.Label()")
      .Line(8, "Me.dtp_" + m + " = new System.Windows.Forms.DateTimePicker()")
      .Line(8, "Me.txt_" + m + " = new System.Windows.Forms.TextBox()")
      .Line(8, "Me.Controls.Add(Me." + label + ")")
      .Line(8, "Me.Controls.Add(Me.dtp_" + m + ")")
      .Line(8, "'" + label)
      .Line(8, "Me." + label + ".AutoSize = true");
  LabelProperties(out, label, at, member.memberComment);
  out.Line(8, "'dtp_" + m)
      .Line(8, "Me.dtp_" + m + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me.txt_" + m + ".Name = " + Q + "dtp_" + m + Q)
      .Line(8, "Me.txt_" + m + ".Size = new System.Drawing.Size(208, 21)")
      .Line(8, "Me.txt_" + m + ".TabIndex = " + N(at.tab + 1));
}

void PictureRow(TCodeWriter& out, const TMember& member, const TLayout& at) {
  const std::string label = "label" + N(at.label);
  const std::string& m = member.memberName;
  const std::string box = "pictureBox_" + m;
  const std::string txt = "txt_" + m;
  const std::string btn = "btn_" + m;
  out.Line(8, "Me." + label + " = new System.Windows.Forms.Label()")
      .Line(8, "Me." + box + " = new System.Windows.Forms.PictureBox()")
      .Line(8, "CType(Me." + box + ", System.ComponentModel.ISupportInitialize).BeginInit()")
      .Line(8, "CType(Me." + box + ", System.ComponentModel.ISupportInitialize).EndInit()")
      .Line(8, "Me." + txt + " = new System.Windows.Forms.TextBox()")
      .Line(8, "Me." + btn + " = new System.Windows.Forms.Button()")
      .Line(8, "Me.Controls.Add(Me." + label + ")")
      .Line(8, "Me.Controls.Add(Me." + box + ")")
      .Line(8, "Me.Controls.Add(Me." + txt + ")")
      .Line(8, "Me.Controls.Add(Me." + btn + ")")
      .Line(8, "' " + label)
      .Line(8, "Me." + label + ".AutoSize = true");
  LabelProperties(out, label, at, member.memberComment);
  out.Line(8, "' " + box);
  WritePictureRowControls(out, box, txt, btn, at.y, at.tab);
}

void ReferenceRow(TCodeWriter& out, const TMember& member, const TLayout& at) {
  const std::string cb = "cb_" + member.memberName;
  SingleControlRowHead(out, member, at, cb, "ComboBox");
  out.Line(8, "'" + cb)
      .Line(8, "Me." + cb + ".FormattingEnabled = true")
      .Line(8, "Me." + cb + ".Location = new System.Drawing.Point(194, " + N(at.y - 3) + ")")
      .Line(8, "Me." + cb + ".Name = " + Q + cb + Q)
      .Line(8, "Me." + cb + ".Size = new System.Drawing.Size(199, 20)")
      .Line(8, "Me." + cb + ".TabIndex = " + N(at.tab + 1));
}

void MemberRow(TCodeWriter& out, const TMember& member, TLayout& at) {
  const TMemberKind kind = KindOf(member);
  switch (kind) {
    case TMemberKind::String: StringRow(out, member, at); break;
    case TMemberKind::Integer:
    case TMemberKind::Float: NumberRow(out, member, at); break;
    case TMemberKind::DateTime: DateTimeRow(out, member, at); break;
    case TMemberKind::Picture: PictureRow(out, member, at); break;
    case TMemberKind::Reference: ReferenceRow(out, member, at); break;
  }
  const bool picture = kind == TMemberKind::Picture;
  at.label += 1;
  at.tab += picture ? 4 : 2;
  at.y += picture ? 178 : 35;
}

void AddButtonAndForm(TCodeWriter& out, const TFormModel& form, const TLayout& at) {
  const std::string& c = form.className;
  out.Line(8, "'Btn_Add")
      .Line(8, "Me.Btn_Add.Location = new System.Drawing.Point(208, " + N(at.y) + ")")
      .Line(8, std::string("Me.Btn_Add.Name = ") + Q + "Btn_Add" + Q)
      .Line(8, "Me.Btn_Add.Size = new System.Drawing.Size(142, 25)")
      .Line(8, "Me.Btn_Add.TabIndex = " + N(at.tab))
      .Line(8, std::string("Me.Btn_Add.Text = ") + Q + "添加" + form.friendName + Q)
      .Line(8, "Me.Btn_Add.UseVisualStyleBackColor = true")
      .Line(8, "Me.SuspendLayout()")
      .Line(8, "'FrmAdd" + c)
      .Line(8, "Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)")
      .Line(8, "Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font")
      .Line(8, "Me.AutoScroll = true")
      .Line(8, "Me.ClientSize = new System.Drawing.Size(601, 513)")
      .Line(8, "Me.Controls.Add(Me.Btn_Add)")
      .Line(8, "Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D")
      .Line(8, std::string("Me.Icon = CType(resources.GetObject(") + Q + "$this.Icon" + Q + "), System.Drawing.Icon)")
      .Line(8, "Me.MaximizeBox = false")
      .Line(8, "Me.MinimizeBox = false")
      .Line(8, std::string("Me.Name = ") + Q + "FrmAdd" + c + Q)
      .Line(8, "Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent")
      .Line(8, std::string("Me.Text = ") + Q + form.friendName + "添加界面" + Q)
      .Line(8, "Me.ResumeLayout(false)")
      .Line(8, "Me.PerformLayout()")
      .Line(4, "End Sub");
}

void Field(TCodeWriter& out, const std::string& name, const std::string& type) {
  out.Line(4, "Private WithEvents " + name + " As System.Windows.Forms." + type);
}

void MemberFields(TCodeWriter& out, const TMember& member, int label) {
  const std::string& m = member.memberName;
  Field(out, "label" + N(label), "Label");
  switch (KindOf(member)) {
    case TMemberKind::String:
    case TMemberKind::Integer:
    case TMemberKind::Float: Field(out, "txt_" + m, "TextBox"); break;
    case TMemberKind::DateTime:
      Field(out, "txt_" + m, "TextBox");
      Field(out, "dtp_" + m, "DateTimePicker");
      break;
    case TMemberKind::Picture:
      Field(out, "txt_" + m, "TextBox");
      Field(out, "pictureBox_" + m, "PictureBox");
      Field(out, "btn_" + m, "Button");
      break;
    case TMemberKind::Reference: Field(out, "cb_" + m, "ComboBox"); break;
  }
}

void FieldDeclarations(TCodeWriter& out, const TFormModel& form) {
  int label = 1;
  if (!IsIntegerKey(form.key)) {
    Field(out, "label1", "Label");
    Field(out, "txt_" + form.key.memberName, "TextBox");
    label = 2;
  }
  for (const TMember& member : form.nonKeyMembers) MemberFields(out, member, label++);
  Field(out, "Btn_Add", "Button");
  out.Line(0, "End Class");
}

}  // namespace

std::string AddFormDesigner(const TFormModel& form) {
  TCodeWriter out;
  Head(out, form.className);
  TLayout at;
  if (!IsIntegerKey(form.key)) KeyRow(out, form.key, at);
  for (const TMember& member : form.nonKeyMembers) MemberRow(out, member, at);
  AddButtonAndForm(out, form, at);
  FieldDeclarations(out, form);
  return out.Take();
}
