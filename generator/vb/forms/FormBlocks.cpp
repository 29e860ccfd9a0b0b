#include "generator/vb/forms/FormBlocks.h"

#include <algorithm>

#include "generator/naming/VbNamer.h"
#include "metadata/MemberKind.h"

void WriteFormImports(TCodeWriter& out, const std::vector<std::string>& aliases) {
  WriteImports(out, {"System.Collections.Generic", "System.ComponentModel", "System.Data", "System.Drawing",
                     "System.Linq", "System.Text", "System.Windows.Forms", "System.IO", "Model"});
  for (const std::string& alias : aliases) out.Line(alias);
  out.Blank();
}

namespace {

void BlankIf(TCodeWriter& out, bool blank) {
  if (blank) out.Blank();
}

}  // namespace

void WriteDesignerHead(TCodeWriter& out, const std::string& formClass, const TDesignerHeadQuirks& quirks) {
  out.Set("form", formClass).Set("noteEnd", std::string(quirks.noteEnd));
  out.Lines(R"(
<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class $form$
    Inherits System.Windows.Forms.Form
)");
  BlankIf(out, quirks.blankAfterInherits);
  auto member = out.Indent(4);
  out.Lines(R"(
'Form 重写 Dispose，以清理组件列表。
<System.Diagnostics.DebuggerNonUserCode()> _
Protected Overrides Sub Dispose(ByVal disposing As Boolean)
    Try
)");
  BlankIf(out, quirks.blankInTry);
  out.Line("        If disposing AndAlso components IsNot Nothing Then");
  BlankIf(out, quirks.blankInIf);
  out.Lines(R"(
            components.Dispose()
        End If
    Finally
        MyBase.Dispose(disposing)
    End Try
End Sub
)");
  BlankIf(out, quirks.blankAfterDispose);
  out.Line("'Windows 窗体设计器所必需的");
  BlankIf(out, quirks.blankAfterComponentsComment);
  out.Line("Private components As System.ComponentModel.IContainer");
  BlankIf(out, quirks.blankAfterComponents);
  out.Line(quirks.noteColumn, "'注意: 以下过程是 Windows 窗体设计器所必需的$noteEnd$");
  out.Lines(R"(
'可以使用 Windows 窗体设计器修改它。
'不要使用代码编辑器修改它。
)");
  BlankIf(out, quirks.blankBeforeInitialize);
  out.Line(quirks.stepThroughColumn, "<System.Diagnostics.DebuggerStepThrough()> _");
  out.Line(quirks.initializeColumn, "Private Sub InitializeComponent()");
  out.Line("    Dim resources As System.ComponentModel.ComponentResourceManager = "
           "New System.ComponentModel.ComponentResourceManager(GetType($form$))");
}

void WriteFormProperties(TCodeWriter& out, const TFormProperties& form) {
  out.Set("comment", form.comment)
      .Set("button", form.button);
  auto body = out.Indent(8);
  out.Lines(R"(
Me.SuspendLayout()
'$comment$
)");
  WriteAutoScale(out, form.size, "new");
  if (!form.button.empty()) out.Line("Me.Controls.Add(Me.$button$)");
  WriteWindowProperties(out, form.border, form.name, form.text);
  out.Lines(R"(
Me.ResumeLayout(false)
Me.PerformLayout()
)");
  out.Line(4, "End Sub");
}

void WriteAutoScale(TCodeWriter& out, const std::string& size, std::string_view newWord) {
  out.Set("size", size).Set("New", std::string(newWord)).Lines(R"(
Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
Me.AutoScroll = true
Me.ClientSize = $New$ System.Drawing.Size($size$)
)");
}

void WriteWindowProperties(TCodeWriter& out, const std::string& border, const std::string& name,
                           const std::string& text) {
  out.Set("border", border).Set("name", VbQuoted(name)).Set("text", VbQuoted(text)).Lines(R"(
Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.$border$
Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
Me.MaximizeBox = false
Me.MinimizeBox = false
Me.Name = $name$
Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
Me.Text = $text$
)");
}

namespace {

// The values every row's lines name: its label, its top and tab indexes, the
// member's controls, and the row's spelling.
void SetRow(TCodeWriter& out, const TMember& member, const TRowLayout& at, const TRowSpelling& spelling) {
  const std::string& m = member.memberName;
  out.Set("label", VbNamer::Label(at.label))
      .Set("y", at.y)
      .Set("top", at.y - 3)
      .Set("tab", at.tab)
      .Set("tab1", at.tab + 1)
      .Set("caption", VbQuoted(member.memberComment + "："))
      .Set("txt", VbNamer::TextBox(m))
      .Set("dtp", VbNamer::DatePicker(m))
      .Set("box", VbNamer::PictureBox(m))
      .Set("btn", VbNamer::UploadButton(m))
      .Set("cb", VbNamer::ComboBox(m))
      .Set("New", std::string(spelling.newWord))
      .Set("True", std::string(spelling.trueWord))
      .Set("labelComment", std::string(spelling.labelComment))
      .Set("controlComment", std::string(spelling.controlComment));
}

// The caption label's comment, AutoSize and properties.
void WriteLabelProperties(TCodeWriter& out, const TRowSpelling& spelling) {
  out.Line(spelling.labelCommentColumn, "$labelComment$$label$").Lines(R"(
Me.$label$.AutoSize = $True$
Me.$label$.Location = $New$ System.Drawing.Point(95, $y$)
Me.$label$.Name = "$label$"
Me.$label$.Size = new System.Drawing.Size(65, 12)
Me.$label$.TabIndex = $tab$
Me.$label$.Text = $caption$
)");
}

// The label and one control created and added to the form, and the label's properties.
void WriteSingleControlRowHead(TCodeWriter& out, const std::string& control, const std::string& controlType,
                               const TRowSpelling& spelling) {
  out.Set("control", control).Set("type", controlType).Lines(R"(
Me.$label$ = $New$ System.Windows.Forms.Label()
Me.$control$ = $New$ System.Windows.Forms.$type$()
Me.Controls.Add(Me.$label$)
Me.Controls.Add(Me.$control$)
)");
  WriteLabelProperties(out, spelling);
}

}  // namespace

void WriteKeyRow(TCodeWriter& out, const TMember& key, const TRowSpelling& spelling, int labelTop) {
  auto body = out.Indent(8);
  SetRow(out, key, {}, spelling);
  out.Set("labelTop", labelTop).Lines(R"(
Me.label1 = New System.Windows.Forms.Label()
Me.$txt$ = $New$ System.Windows.Forms.TextBox()
Me.Controls.Add(Me.label1)
Me.Controls.Add(Me.$txt$)
'label1
Me.label1.AutoSize = $True$
Me.label1.Location = $New$ System.Drawing.Point(95, $labelTop$)
Me.label1.Name = "label1"
Me.label1.Size = $New$ System.Drawing.Size(77, 12)
Me.label1.TabIndex = 0
Me.label1.Text = $caption$
'$txt$
Me.$txt$.Location = $New$ System.Drawing.Point(194, 44)
Me.$txt$.Name = "$txt$"
Me.$txt$.Size = $New$ System.Drawing.Size(199, 21)
Me.$txt$.TabIndex = 1
)");
}

namespace {

constexpr int kLineHeight = 21;
constexpr int kTallestTextBox = 200;
constexpr int kRowPitch = 35;

// A string's box is as high as its length, up to kTallestTextBox; a number's is one line.
int TextBoxHeight(const TMember& member) {
  return KindOf(member) == TMemberKind::String ? std::min(member.memberLength, kTallestTextBox) : kLineHeight;
}

}  // namespace

// A box taller than a line holds several lines, scrolled up and down.
void WriteTextBoxRow(TCodeWriter& out, const TMember& member, const TRowLayout& at, const TRowSpelling& spelling) {
  auto body = out.Indent(8);
  SetRow(out, member, at, spelling);
  WriteSingleControlRowHead(out, VbNamer::TextBox(member.memberName), "TextBox", spelling);
  const int height = TextBoxHeight(member);
  out.Set("height", height).Lines(R"(
$controlComment$$txt$
Me.$txt$.Location = new System.Drawing.Point(194, $top$)
)");
  if (height > kLineHeight) out.Line("Me.$txt$.Multiline = $True$");
  out.Line(R"(Me.$txt$.Name = "$txt$")");
  if (height > kLineHeight) out.Line("Me.$txt$.ScrollBars = System.Windows.Forms.ScrollBars.Vertical");
  out.Lines(R"(
Me.$txt$.Size = new System.Drawing.Size(199, $height$)
Me.$txt$.TabIndex = $tab1$
)");
}

// The picker is placed; the text box is created but never added to the form
// nor laid out.
void WriteDateTimeRow(TCodeWriter& out, const TMember& member, const TRowLayout& at) {
  auto body = out.Indent(8);
  SetRow(out, member, at, kPlainRow);
  out.Lines(R"(
Me.$label$ = new System.Windows.Forms.Label()
Me.$dtp$ = new System.Windows.Forms.DateTimePicker()
Me.$txt$ = new System.Windows.Forms.TextBox()
Me.Controls.Add(Me.$label$)
Me.Controls.Add(Me.$dtp$)
)");
  WriteLabelProperties(out, kPlainRow);
  out.Lines(R"(
'$dtp$
Me.$dtp$.Location = new System.Drawing.Point(194, $top$)
Me.$dtp$.Name = "$dtp$"
Me.$dtp$.Size = new System.Drawing.Size(208, 21)
Me.$dtp$.TabIndex = $tab1$
)");
}

void WritePictureRow(TCodeWriter& out, const TMember& member, const TRowLayout& at, const TRowSpelling& spelling) {
  auto body = out.Indent(8);
  SetRow(out, member, at, spelling);
  out.Lines(R"(
Me.$label$ = new System.Windows.Forms.Label()
Me.$box$ = new System.Windows.Forms.PictureBox()
CType(Me.$box$, System.ComponentModel.ISupportInitialize).BeginInit()
CType(Me.$box$, System.ComponentModel.ISupportInitialize).EndInit()
Me.$txt$ = new System.Windows.Forms.TextBox()
Me.$btn$ = new System.Windows.Forms.Button()
Me.Controls.Add(Me.$label$)
Me.Controls.Add(Me.$box$)
Me.Controls.Add(Me.$txt$)
Me.Controls.Add(Me.$btn$)
)");
  WriteLabelProperties(out, spelling);
  out.Set("tab2", at.tab + 2).Set("tab3", at.tab + 3).Set("pathTop", at.y + 146).Set("uploadTop", at.y + 114).Lines(R"(
$controlComment$$box$
Me.$box$.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch
Me.$box$.Location = new System.Drawing.Point(194, $top$)
Me.$box$.Name = "$box$"
Me.$box$.Size = new System.Drawing.Size(156, 140)
Me.$box$.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage
Me.$box$.TabIndex = $tab1$
Me.$box$.TabStop = false
'$txt$
Me.$txt$.Location = new System.Drawing.Point(194, $pathTop$)
Me.$txt$.Name = "$txt$"
Me.$txt$.ReadOnly = true
Me.$txt$.Size = new System.Drawing.Size(300, 21)
Me.$txt$.TabIndex = $tab2$
'$btn$
Me.$btn$.Location = new System.Drawing.Point(365, $uploadTop$)
Me.$btn$.Name = "$btn$"
Me.$btn$.Size = new System.Drawing.Size(60, 26)
Me.$btn$.TabIndex = $tab3$
Me.$btn$.Text = "上 传"
Me.$btn$.UseVisualStyleBackColor = true
)");
}

void WriteReferenceRow(TCodeWriter& out, const TMember& member, const TRowLayout& at) {
  auto body = out.Indent(8);
  SetRow(out, member, at, kPlainRow);
  WriteSingleControlRowHead(out, VbNamer::ComboBox(member.memberName), "ComboBox", kPlainRow);
  out.Lines(R"(
'$cb$
Me.$cb$.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
Me.$cb$.FormattingEnabled = true
Me.$cb$.Location = new System.Drawing.Point(194, $top$)
Me.$cb$.Name = "$cb$"
Me.$cb$.Size = new System.Drawing.Size(199, 20)
Me.$cb$.TabIndex = $tab1$
)");
}

void WriteMemberRow(TCodeWriter& out, const TMember& member, TRowLayout& at, const TFormRowSpellings& spellings) {
  switch (KindOf(member)) {
    case TMemberKind::String: WriteTextBoxRow(out, member, at, spellings.string); break;
    case TMemberKind::Integer:
    case TMemberKind::Float: WriteTextBoxRow(out, member, at, spellings.number); break;
    case TMemberKind::DateTime: WriteDateTimeRow(out, member, at); break;
    case TMemberKind::Picture: WritePictureRow(out, member, at, spellings.picture); break;
    case TMemberKind::Reference: WriteReferenceRow(out, member, at); break;
  }
  AdvanceRow(at, member);
}

void WriteFormButton(TCodeWriter& out, const std::string& name, const std::string& text, const TRowLayout& at) {
  out.Set("button", name).Set("y", at.y).Set("tab", at.tab).Set("text", VbQuoted(text));
  auto body = out.Indent(8);
  out.Lines(R"(
'$button$
Me.$button$.Location = new System.Drawing.Point(208, $y$)
Me.$button$.Name = "$button$"
Me.$button$.Size = new System.Drawing.Size(142, 25)
Me.$button$.TabIndex = $tab$
Me.$button$.Text = $text$
Me.$button$.UseVisualStyleBackColor = true
)");
}

// A row keeps the gap under a one-line box under a taller box too.
void AdvanceRow(TRowLayout& at, const TMember& member) {
  const bool picture = KindOf(member) == TMemberKind::Picture;
  at.label += 1;
  at.tab += picture ? 4 : 2;
  at.y += picture ? 178 : std::max(kRowPitch, TextBoxHeight(member) + kRowPitch - kLineHeight);
}

void WriteMemberFields(TCodeWriter& out, const TMember& member, int label) {
  auto field = out.Indent(4);
  out.Set("label", VbNamer::Label(label))
      .Set("txt", VbNamer::TextBox(member.memberName))
      .Set("dtp", VbNamer::DatePicker(member.memberName))
      .Set("box", VbNamer::PictureBox(member.memberName))
      .Set("btn", VbNamer::UploadButton(member.memberName))
      .Set("cb", VbNamer::ComboBox(member.memberName))
      .Line("Private WithEvents $label$ As System.Windows.Forms.Label");
  // A picker and a picture box come with the text box beside them.
  switch (Traits(KindOf(member)).control) {
    case TInputControl::TextBox: out.Line("Private WithEvents $txt$ As System.Windows.Forms.TextBox"); break;
    case TInputControl::DatePicker:
      out.Lines(R"(
Private WithEvents $txt$ As System.Windows.Forms.TextBox
Private WithEvents $dtp$ As System.Windows.Forms.DateTimePicker
)");
      break;
    case TInputControl::PictureBox:
      out.Lines(R"(
Private WithEvents $txt$ As System.Windows.Forms.TextBox
Private WithEvents $box$ As System.Windows.Forms.PictureBox
Private WithEvents $btn$ As System.Windows.Forms.Button
)");
      break;
    case TInputControl::ComboBox: out.Line("Private WithEvents $cb$ As System.Windows.Forms.ComboBox"); break;
  }
}

void WriteUploadHandler(TCodeWriter& out, const std::string& object, const std::string& member) {
  out.Set("o", object)
      .Set("m", member)
      .Set("txt", VbNamer::TextBox(member))
      .Set("box", VbNamer::PictureBox(member))
      .Set("btn", VbNamer::UploadButton(member));
  auto handler = out.Indent(4);
  out.Lines(R"(
Private Sub $btn$_Click(ByVal sender As Object, ByVal e As EventArgs) Handles $btn$.Click
    Dim openFileDialog1 As New OpenFileDialog()
    Try
        openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)
        openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png"
        If openFileDialog1.ShowDialog() = DialogResult.OK Then
            Me.$txt$.Text = openFileDialog1.FileName
            $box$.Image = Image.FromFile($txt$.Text)
            $box$.SizeMode = PictureBoxSizeMode.StretchImage
            Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)
            Dim bw As New BinaryReader(fs)
            $o$.$m$ = bw.ReadBytes(CInt(fs.Length))
        End If
    Catch
        MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)
    End Try
End Sub
)");
}

void WriteMemberAssignment(TCodeWriter& out, const TFormModel& form, const TMember& member,
                           const TAssignmentSpelling& spelling) {
  const std::string& m = member.memberName;
  out.Set("o", form.objName)
      .Set("m", m)
      .Set("comment", member.memberComment)
      .Set("txt", VbNamer::TextBox(m))
      .Set("dtp", VbNamer::DatePicker(m))
      .Set("cb", VbNamer::ComboBox(m))
      .Set("integerNote", std::string(spelling.integerNote))
      .Set("referenceNote", spelling.referenceComment ? "  '" + member.memberComment : "");
  auto body = out.Indent(8);
  switch (KindOf(member)) {
    case TMemberKind::String:
      if (member.memberIsMust == 1) WriteRequiredTextCheck(out, member);
      out.Lines(R"(
'$comment$
$o$.$m$ = Me.$txt$.Text
)");
      break;
    case TMemberKind::Integer:
      WriteNumberAssignment(out, member, spelling.integerColumn, "$o$.$m$ = Convert.ToInt32(Me.$txt$.Text)$integerNote$");
      break;
    case TMemberKind::Float: WriteNumberAssignment(out, member, 12, "$o$.$m$ = Convert.ToSingle(Me.$txt$.Text)"); break;
    case TMemberKind::DateTime: out.Line("$o$.$m$ = Me.$dtp$.Value"); break;
    case TMemberKind::Picture: break;
    case TMemberKind::Reference:
      WriteChoiceCheck(out, member);
      if (form.referenced.at(member.memberType).keyIsInteger == 1)
        out.Line("$o$.$m$ = Int32.Parse(Me.$cb$.SelectedValue.ToString())$referenceNote$");
      else
        out.Line("$o$.$m$ = Me.$cb$.SelectedValue.ToString()");
      break;
  }
}

void WriteRequiredTextCheck(TCodeWriter& out, const TMember& member) {
  out.Set("txt", VbNamer::TextBox(member.memberName)).Set("message", VbQuoted(member.memberComment + "输入不能为空!"));
  out.Lines(R"(
If Me.$txt$.Text = "" Then
    MessageBox.Show($message$)
    Me.$txt$.Focus()
    Return
End If
)");
}

// With no row chosen a drop-down list's SelectedValue is Nothing.
void WriteChoiceCheck(TCodeWriter& out, const TMember& member) {
  out.Set("cb", VbNamer::ComboBox(member.memberName)).Set("message", VbQuoted("请选择" + member.memberComment + "!"));
  out.Lines(R"(
If Me.$cb$.SelectedValue Is Nothing Then
    MessageBox.Show($message$)
    Me.$cb$.Focus()
    Return
End If
)");
}

void WriteNumberAssignment(TCodeWriter& out, const TMember& member, int column, std::string_view assignment) {
  out.Set("txt", VbNamer::TextBox(member.memberName))
      .Set("comment", member.memberComment)
      .Set("message", VbQuoted(member.memberComment + "请输入正确的格式!"));
  out.Lines(R"(
Try
    '$comment$
)");
  out.Line(column, assignment);
  out.Lines(R"(
Catch
    MessageBox.Show($message$)
    Me.$txt$.SelectAll()
    Me.$txt$.Focus()
    Return
End Try
)");
}

void WriteStoreCall(TCodeWriter& out, const std::string& call, const std::string& friendName, const std::string& verb) {
  out.Set("call", call)
      .Set("done", VbQuoted(friendName + verb + "成功!"))
      .Set("failed", VbQuoted(friendName + verb + "失败!"));
  auto body = out.Indent(8);
  out.Lines(R"(
Try
    If $call$ Then
        MessageBox.Show($done$)
        Me.Close()
    Else
        MessageBox.Show($failed$)
    End If
)");
  WriteFailureCatch(out, friendName + verb + "失败");
  out.Line(4, "End Sub");
}

void WriteFailureCatch(TCodeWriter& out, const std::string& failure, std::string_view firstStatement) {
  out.Line("Catch ex As Exception");
  if (!firstStatement.empty()) {
    auto inCatch = out.Indent(4);
    out.Line(firstStatement);
  }
  out.Set("failure", VbQuoted(failure + "：")).Lines(R"(
    MessageBox.Show(Me, $failure$ & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
End Try
)");
}
