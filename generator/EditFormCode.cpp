// The edit form's code file: constructor, update handler, upload handlers, load handler.

#include "generator/CodeWriter.h"
#include "generator/EditForm.h"
#include "generator/FormBlocks.h"
#include "generator/VbNames.h"

namespace {

using namespace member_type;

bool IsKey(const TFormModel& form, const TMember& member) { return member.memberId == form.key.memberId; }

std::string KeyType(const TMember& key) { return key.memberIsInteger != 0 ? " As Integer" : " As [String]"; }

void WriteHead(TCodeWriter& w, const TFormModel& form) {
  const std::string& c = form.className;
  const std::string& k = form.key.memberName;
  const std::string x = KeyType(form.key);
  WriteFormImports(w, form.typeAliases);
  w.Line(0, "Partial Public Class FrmEdit" + c)
      .Line(4, "Inherits Form")
      .Line(4, "Public Sub New(ByVal " + k + x + ", ByVal frmQuery" + c + " As FrmQuery" + c + ")")
      .Line(8, "InitializeComponent()")
      .Line(8, "Me." + FormFieldName(k) + " = " + k)
      .Line(8, "Me.frmQuery" + c + " = frmQuery" + c)
      .Line(4, "End Sub")
      .Line(4, "Private " + form.objName + " As " + ModelClassRef(c, form.rootNamespace))
      .Line(4, "Private " + FormFieldName(k) + x)
      .Line(4, "Private frmQuery" + c + " As FrmQuery" + c)
      .Line(4, "Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click");
}

void WriteStringAssignment(TCodeWriter& w, const std::string& o, const TMember& m) {
  const std::string& name = m.memberName;
  if (m.memberIsMust == 1) {
    w.Line(8, "If Me.txt_" + name + ".Text = " + Q + Q + " Then")
        .Line(12, "MessageBox.Show(" + std::string(Q) + m.memberComment + "输入不能为空!" + Q + ")")
        .Line(12, "Me.txt_" + name + ".Focus()")
        .Line(12, "Return")
        .Line(8, "End If");
  }
  w.Line(8, "'" + m.memberComment).Line(8, o + "." + name + " = Me.txt_" + name + ".Text");
}

// The Try block around a numeric conversion; only the assignment line differs by type.
void WriteNumericAssignment(TCodeWriter& w, const TMember& m, int assignmentIndent, const std::string& assignment) {
  const std::string& name = m.memberName;
  w.Line(8, "Try")
      .Line(12, "'" + m.memberComment)
      .Line(assignmentIndent, assignment)
      .Line(8, "Catch")
      .Line(12, "MessageBox.Show(" + std::string(Q) + m.memberComment + "请输入正确的格式!" + Q + ")")
      .Line(12, "Me.txt_" + name + ".SelectAll()")
      .Line(12, "Me.txt_" + name + ".Focus()")
      .Line(12, "Return")
      .Line(8, "End Try");
}

void WriteReferenceAssignment(TCodeWriter& w, const TFormModel& form, const TMember& m) {
  const std::string& name = m.memberName;
  if (form.referenced.at(m.memberType).keyIsInteger == 1)
    w.Line(8, form.objName + "." + name + " = Int32.Parse(Me.cb_" + name + ".SelectedValue.ToString())  '" +
                  m.memberComment);
  else
    w.Line(8, form.objName + "." + name + " = Me.cb_" + name + ".SelectedValue.ToString()");
}

// Reads one non-key member's control back into the object.
void WriteAssignment(TCodeWriter& w, const TFormModel& form, const TMember& m) {
  const std::string& o = form.objName;
  const std::string& name = m.memberName;
  const std::string& type = m.memberType;
  if (type == kString)
    WriteStringAssignment(w, o, m);
  else if (type == kInteger)
    WriteNumericAssignment(w, m, 16, o + "." + name + " = Convert.ToInt32(Me.txt_" + name + ".Text)  '图书库存");
  else if (type == kFloat)
    WriteNumericAssignment(w, m, 12, o + "." + name + " = Convert.ToSingle(Me.txt_" + name + ".Text)");
  else if (type == kDateTime)
    w.Line(8, o + "." + name + " = Me.dtp_" + name + ".Value");
  else if (type != kPicture)
    WriteReferenceAssignment(w, form, m);
}

void WriteStoreCall(TCodeWriter& w, const TFormModel& form) {
  const std::string& c = form.className;
  const std::string& f = form.friendName;
  w.Line(8, "If BLL.bll" + c + "." + ProcedureName("Edit", c) + "(" + form.objName + ") Then")
      .Line(12, "MessageBox.Show(" + std::string(Q) + f + "更新成功!" + Q + ")")
      .Line(8, "Else")
      .Line(12, "MessageBox.Show(" + std::string(Q) + f + "更新失败!" + Q + ")")
      .Line(8, "End If")
      .Line(8, "Me.Close()")
      .Line(4, "End Sub");
}

void WriteUploadHandler(TCodeWriter& w, const std::string& o, const TMember& m) {
  const std::string& name = m.memberName;
  w.Line(4, "Private Sub btn_" + name + "_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_" + name +
                ".Click")
      .Line(8, "Dim openFileDialog1 As New OpenFileDialog()")
      .Line(8, "Try")
      .Line(12, "openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)")
      .Line(12, "openFileDialog1.Filter = " + std::string(Q) + "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png" + Q)
      .Line(12, "If openFileDialog1.ShowDialog() = DialogResult.OK Then")
      .Line(16, "Me.txt_" + name + ".Text = openFileDialog1.FileName")
      .Line(16, "pictureBox_" + name + ".Image = Image.FromFile(txt_" + name + ".Text)")
      .Line(16, "pictureBox_" + name + ".SizeMode = PictureBoxSizeMode.StretchImage")
      .Line(16, "Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)")
      .Line(16, "Dim bw As New BinaryReader(fs)")
      .Line(16, o + "." + name + " = bw.ReadBytes(CInt(fs.Length))")
      .Line(12, "End If")
      .Line(8, "Catch")
      .Line(12, "MessageBox.Show(" + std::string(Q) + "请选择正确的图片格式" + Q + ", " + Q + "提示" + Q +
                    ", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)")
      .Line(8, "End Try")
      .Line(4, "End Sub")
      .Blank();
}

void WriteDropDownSetup(TCodeWriter& w, const TFormModel& form, const TMember& m) {
  const std::string& name = m.memberName;
  const std::string& r = m.memberType;
  const TReferencedClass& target = form.referenced.at(r);
  w.Line(8, "'查询所有的" + target.friendName)
      .Line(8, "Dim " + name + "Ds As DataSet = BLL.bll" + r + "." + ProcedureName("getAll", r) + "()")
      .Line(8, "Me.cb_" + name + ".DataSource = " + name + "Ds.Tables(0)")
      .Line(8, "Me.cb_" + name + ".DisplayMember = " + Q + target.displayName + Q)
      .Line(8, "Me.cb_" + name + ".ValueMember = " + Q + target.keyName + Q)
      .Line(8, "Me.cb_" + name + ".SelectedValue = " + form.objName + "." + name + ".ToString()");
}

// The picture's bytes shown through a memory stream. The stream variable is
// declared by the first picture only: a second Dim in one procedure would not compile.
// The bytes' local is named after the member unless that is a parameter of the
// handler, the stream or the entity's field.
void WritePictureFill(TCodeWriter& w, const std::string& o, const TMember& m, bool& streamDeclared) {
  const std::string& name = m.memberName;
  const std::string bytes = FormLocalName(name, {"sender", "e", "ms", o});
  w.Line(8, "Dim " + bytes + " As Byte() = DirectCast(" + o + "." + name + ", Byte())");
  w.Line(8, (streamDeclared ? "ms = New MemoryStream(" : "Dim ms As New MemoryStream(") + bytes + ")");
  w.Line(8, "pictureBox_" + name + ".Image = Image.FromStream(ms)");
  streamDeclared = true;
}

// Shows one member's stored value in its control. The key always has a text
// box, so a date-time key is shown there and a picture key not at all.
void WriteFill(TCodeWriter& w, const TFormModel& form, const TMember& m, bool& streamDeclared) {
  const std::string& o = form.objName;
  const std::string& name = m.memberName;
  const std::string& type = m.memberType;
  const bool key = IsKey(form, m);
  if (type == kString)
    w.Line(8, "Me.txt_" + name + ".Text = " + o + "." + name);
  else if (type == kInteger || type == kFloat || (key && type == kDateTime))
    w.Line(8, "Me.txt_" + name + ".Text = " + o + "." + name + ".ToString()");
  else if (type == kPicture && !key)
    WritePictureFill(w, o, m, streamDeclared);
  else if (type == kDateTime)
    w.Line(8, "Me.dtp_" + name + ".Value = " + o + "." + name);
}

void WriteLoadHandler(TCodeWriter& w, const TFormModel& form) {
  const std::string& c = form.className;
  const std::string& k = form.key.memberName;
  w.Line(4, "Private Sub FrmEdit" + c + "_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load")
      .Line(8, form.objName + " = BLL.bll" + c + "." + ProcedureName("getSome", c) + "(" + FormFieldName(k) + ")");
  // A reference key has a text box, not a drop-down list.
  for (const TMember& m : form.referenceMembers)
    if (!IsKey(form, m)) WriteDropDownSetup(w, form, m);
  w.Line(8, "Me.txt_" + k + ".[ReadOnly] = True");
  bool streamDeclared = false;
  for (const TMember& m : form.members) WriteFill(w, form, m, streamDeclared);
  w.Line(4, "End Sub").Line(0, "End Class");
}

}  // namespace

std::string EditFormCode(const TFormModel& form) {
  TCodeWriter w;
  WriteHead(w, form);
  for (const TMember& m : form.nonKeyMembers) WriteAssignment(w, form, m);
  WriteStoreCall(w, form);
  // A picture key has no upload button on the form.
  for (const TMember& m : form.pictureMembers)
    if (!IsKey(form, m)) WriteUploadHandler(w, form.objName, m);
  WriteLoadHandler(w, form);
  return w.Take();
}
