#include <algorithm>
#include <cctype>
#include <set>

#include "generator/AddFormText.h"
#include "generator/CodeWriter.h"
#include "generator/FormBlocks.h"
#include "generator/MemberKind.h"
#include "generator/VbNames.h"

namespace {

// The key, whatever its type, has a text box on the form and no picture box,
// upload button or drop-down list: the picture and reference walks leave it out.
bool IsKey(const TMember& member) { return member.memberIsPri == 1; }

void Head(TCodeWriter& out, const TFormModel& form) {
  WriteFormImports(out, form.typeAliases);
  out.Line(0, "Partial Public Class FrmAdd" + form.className)
      .Line(0, "Inherits Form")
      .Line(4, "Public Sub New()")
      .Line(8, "InitializeComponent()")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private " + form.objName + " As New " + ModelClassRef(form.className, form.rootNamespace) + "()");
}

void UploadHandler(TCodeWriter& out, const std::string& o, const std::string& m) {
  out.Line(4, "Private Sub btn_" + m + "_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_" + m + ".Click")
      .Line(8, "Dim openFileDialog1 As New OpenFileDialog()")
      .Line(8, "Try")
      .Line(12, "openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)")
      .Line(12, std::string("openFileDialog1.Filter = ") + Q + "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png" + Q)
      .Line(12, "If openFileDialog1.ShowDialog() = DialogResult.OK Then")
      .Line(16, "Me.txt_" + m + ".Text = openFileDialog1.FileName")
      .Line(16, "pictureBox_" + m + ".Image = Image.FromFile(txt_" + m + ".Text)")
      .Line(16, "pictureBox_" + m + ".SizeMode = PictureBoxSizeMode.StretchImage")
      .Line(16, "Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)")
      .Line(16, "Dim bw As New BinaryReader(fs)")
      .Line(16, o + "." + m + " = bw.ReadBytes(CInt(fs.Length))")
      .Line(12, "End If")
      .Line(8, "Catch")
      .Line(12, std::string("MessageBox.Show(") + Q + "请选择正确的图片格式" + Q + ", " + Q + "提示" + Q +
                    ", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)")
      .Line(8, "End Try")
      .Line(4, "End Sub");
}

void RequiredTextCheck(TCodeWriter& out, const std::string& name, const std::string& comment) {
  out.Line(8, "If Me.txt_" + name + ".Text = " + Q + Q + " Then")
      .Line(12, std::string("MessageBox.Show(") + Q + comment + "输入不能为空!" + Q + ")")
      .Line(12, "Me.txt_" + name + ".Focus()")
      .Line(12, "Return")
      .Line(8, "End If");
}

// The key's comment line carries its name, not its comment. A picture key
// holds bytes, which a text cannot be assigned to: it takes the text's bytes.
void KeyAssignment(TCodeWriter& out, const std::string& o, const TMember& key) {
  const std::string& k = key.memberName;
  RequiredTextCheck(out, k, key.memberComment);
  out.Line(8, "'" + k);
  if (KindOf(key) == TMemberKind::Picture)
    out.Line(8, o + "." + k + " = System.Text.Encoding.Default.GetBytes(Me.txt_" + k + ".Text)");
  else
    out.Line(8, o + "." + k + " = Me.txt_" + k + ".Text");
}

void StringAssignment(TCodeWriter& out, const std::string& o, const TMember& member) {
  if (member.memberIsMust == 1) RequiredTextCheck(out, member.memberName, member.memberComment);
  out.Line(8, "'" + member.memberComment)
      .Line(8, o + "." + member.memberName + " = Me.txt_" + member.memberName + ".Text");
}

void NumberAssignment(TCodeWriter& out, const std::string& o, const TMember& member, const std::string& conversion) {
  const std::string& m = member.memberName;
  out.Line(8, "Try")
      .Line(12, "'" + member.memberComment)
      .Line(12, o + "." + m + " = " + conversion + m + ".Text)")
      .Line(8, "Catch")
      .Line(12, std::string("MessageBox.Show(") + Q + member.memberComment + "请输入正确的格式!" + Q + ")")
      .Line(12, "Me.txt_" + m + ".SelectAll()")
      .Line(12, "Me.txt_" + m + ".Focus()")
      .Line(12, "Return")
      .Line(8, "End Try");
}

void ReferenceAssignment(TCodeWriter& out, const std::string& o, const TMember& member, const TReferencedClass& r) {
  const std::string& m = member.memberName;
  if (r.keyIsInteger == 1)
    out.Line(8, o + "." + m + " = Int32.Parse(Me.cb_" + m + ".SelectedValue.ToString())");
  else
    out.Line(8, o + "." + m + " = Me.cb_" + m + ".SelectedValue.ToString()");
}

void MemberAssignment(TCodeWriter& out, const TFormModel& form, const TMember& member) {
  const std::string& o = form.objName;
  switch (KindOf(member)) {
    case TMemberKind::String: StringAssignment(out, o, member); break;
    case TMemberKind::Integer: NumberAssignment(out, o, member, "Convert.ToInt32(Me.txt_"); break;
    case TMemberKind::Float: NumberAssignment(out, o, member, "Convert.ToSingle(Me.txt_"); break;
    case TMemberKind::DateTime:
      out.Line(8, o + "." + member.memberName + " = Me.dtp_" + member.memberName + ".Value");
      break;
    case TMemberKind::Picture: break;  // the load and upload handlers store the bytes
    case TMemberKind::Reference: ReferenceAssignment(out, o, member, form.referenced.at(member.memberType)); break;
  }
}

void StoreCall(TCodeWriter& out, const std::string& c, const std::string& o, const std::string& f) {
  out.Line(8, "If BLL.bll" + c + "." + ProcedureName("Add", c) + "(" + o + ") Then")
      .Line(12, std::string("MessageBox.Show(") + Q + f + "添加成功!" + Q + ")")
      .Line(8, "Else")
      .Line(12, std::string("MessageBox.Show(") + Q + f + "添加失败!" + Q + ")")
      .Line(8, "End If")
      .Line(8, "Me.Close()")
      .Line(4, "End Sub")
      .Blank();
}

void AddHandler(TCodeWriter& out, const TFormModel& form) {
  out.Line(4, "Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click");
  if (!IsIntegerKey(form.key)) KeyAssignment(out, form.objName, form.key);
  for (const TMember& member : form.nonKeyMembers) MemberAssignment(out, form, member);
  StoreCall(out, form.className, form.objName, form.friendName);
}

// A second reference to the same class assigns the data set it declared
// before: declaring it again would not compile, and a fresh set keeps the two
// drop-down lists from sharing one current row.
void ReferenceDataSource(TCodeWriter& out, const TMember& member, const TReferencedClass& r, bool declared) {
  const std::string& m = member.memberName;
  const std::string fill = r.objName + "Ds" + (declared ? "" : " As DataSet") + " = BLL.bll" + r.className + "." +
                           ProcedureName("getAll", r.className) + "()";
  out.Line(8, "'查询所有的" + r.friendName)
      .Line(8, declared ? fill : "Dim " + fill)
      .Line(8, "Me.cb_" + m + ".DataSource = " + r.objName + "Ds.Tables(0)")
      .Line(8, "Me.cb_" + m + ".DisplayMember = " + Q + r.displayName + Q)
      .Line(8, "Me.cb_" + m + ".ValueMember = " + Q + r.keyName + Q);
}

void DefaultPicture(TCodeWriter& out, const std::string& o, const std::string& m) {
  out.Line(8, "pictureBox_" + m + ".Image = Image.FromFile(" + Q + "pic/NoImage.jpg" + Q + ")")
      .Line(8, "pictureBox_" + m + ".SizeMode = PictureBoxSizeMode.StretchImage")
      .Line(8, "Dim fs_" + m + " As New FileStream(" + Q + "pic/NoImage.jpg" + Q + ", FileMode.Open, FileAccess.Read)")
      .Line(8, "Dim bw_" + m + " As New BinaryReader(fs_" + m + ")")
      .Line(8, o + "." + m + " = bw_" + m + ".ReadBytes(CInt(fs_" + m + ".Length))");
}

void LoadHandler(TCodeWriter& out, const TFormModel& form) {
  out.Line(4, "Private Sub FrmAdd" + form.className + "_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load");
  std::set<std::string> declaredSets;  // VB names ignore case
  for (const TMember& reference : form.referenceMembers) {
    if (IsKey(reference)) continue;
    const TReferencedClass& r = form.referenced.at(reference.memberType);
    std::string setName = r.objName;
    std::transform(setName.begin(), setName.end(), setName.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    const bool declared = !declaredSets.insert(setName).second;
    ReferenceDataSource(out, reference, r, declared);
  }
  for (const TMember& picture : form.pictureMembers)
    if (!IsKey(picture)) DefaultPicture(out, form.objName, picture.memberName);
  out.Line(4, "End Sub").Line(0, "End Class");
}

}  // namespace

std::string AddFormCode(const TFormModel& form) {
  TCodeWriter out;
  Head(out, form);
  for (const TMember& picture : form.pictureMembers)
    if (!IsKey(picture)) UploadHandler(out, form.objName, picture.memberName);
  AddHandler(out, form);
  LoadHandler(out, form);
  return out.Take();
}
