#include <algorithm>
#include <cctype>
#include <set>

#include "generator/vb/forms/AddFormText.h"
#include "generator/CodeWriter.h"
#include "generator/vb/forms/FormBlocks.h"
#include "metadata/ReferencedKey.h"
#include "generator/naming/VbNamer.h"

namespace {

// The key, whatever its type, has a text box on the form and no picture box,
// upload button or drop-down list: the picture and reference walks leave it out.
bool IsKey(const TMember& member) { return member.memberIsPri == 1; }

void Head(TCodeWriter& out, const TFormModel& form) {
  WriteFormImports(out, form.typeAliases);
  out.Set("form", VbNamer::AddForm(form.className))
      .Set("o", form.objName)
      .Set("model", ModelClassRef(form.className, form.rootNamespace))
      .Lines(R"(
Partial Public Class $form$
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private $o$ As New $model$()
)");
}

// The key's comment line carries its name, not its comment. A picture key
// holds bytes, which a text cannot be assigned to: it takes the text's bytes.
void KeyAssignment(TCodeWriter& out, const std::string& o, const TMember& key) {
  auto body = out.Indent(8);
  WriteRequiredTextCheck(out, key);
  out.Set("o", o).Set("k", key.memberName).Set("txt", VbNamer::TextBox(key.memberName));
  out.Line("'$k$");
  if (KindOf(key) == TMemberKind::Picture)
    out.Line("$o$.$k$ = System.Text.Encoding.Default.GetBytes(Me.$txt$.Text)");
  else
    out.Line("$o$.$k$ = Me.$txt$.Text");
}

void AddHandler(TCodeWriter& out, const TFormModel& form) {
  out.Line(4, "Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click");
  if (!IsIntegerKey(form.key)) KeyAssignment(out, form.objName, form.key);
  for (const TMember& member : form.nonKeyMembers) WriteMemberAssignment(out, form, member, kAddAssignments);
  const std::string& c = form.className;
  WriteStoreCall(out, VbNamer::Bll(c) + "." + VbNamer::Procedure(TProcedure::Add, c) + "(" + form.objName + ")",
                 form.friendName, "添加");
  out.Blank();
}

// A second reference to the same class assigns the data set it declared
// before: declaring it again would not compile, and a fresh set keeps the two
// drop-down lists from sharing one current row.
void ReferenceDataSource(TCodeWriter& out, const TMember& member, const TReferencedClass& r, bool declared) {
  out.Set("friend", r.friendName)
      .Set("set", VbNamer::DataSetLocal(r.objName))
      .Set("dim", declared ? "" : "Dim ")
      .Set("as", declared ? "" : " As DataSet")
      .Set("getAll", VbNamer::Bll(r.className) + "." + VbNamer::Procedure(TProcedure::GetAll, r.className))
      .Set("cb", VbNamer::ComboBox(member.memberName))
      .Set("display", VbQuoted(r.displayName))
      .Set("value", VbQuoted(r.keyName));
  auto body = out.Indent(8);
  out.Lines(R"(
'查询所有的$friend$
$dim$$set$$as$ = $getAll$()
Me.$cb$.DataSource = $set$.Tables(0)
Me.$cb$.DisplayMember = $display$
Me.$cb$.ValueMember = $value$
)");
}

// The picture lies beside the program, wherever it was started from; a missing
// one is told, and the form opens without it.
void DefaultPicture(TCodeWriter& out, const std::string& o, const std::string& m) {
  out.Set("o", o)
      .Set("m", m)
      .Set("box", VbNamer::PictureBox(m))
      .Set("fs", VbNamer::PictureStream(m))
      .Set("bw", VbNamer::PictureReader(m));
  auto body = out.Indent(8);
  out.Line("Try");
  {
    auto inTry = out.Indent(4);
    out.Lines(R"(
$box$.Image = Image.FromFile(Path.Combine(Application.StartupPath, "pic", "NoImage.jpg"))
$box$.SizeMode = PictureBoxSizeMode.StretchImage
Dim $fs$ As New FileStream(Path.Combine(Application.StartupPath, "pic", "NoImage.jpg"), FileMode.Open, FileAccess.Read)
Dim $bw$ As New BinaryReader($fs$)
$o$.$m$ = $bw$.ReadBytes(CInt($fs$.Length))
)");
  }
  WriteFailureCatch(out, "读取默认图片失败");
}

// The drop-down lists are filled in one Try: a failed read leaves them empty,
// which the add handler's choice checks tell the user of.
void DropDownSources(TCodeWriter& out, const TFormModel& form) {
  const bool any = std::any_of(form.referenceMembers.begin(), form.referenceMembers.end(),
                               [](const TMember& m) { return !IsKey(m); });
  if (!any) return;
  out.Line(8, "Try");
  {
    auto inTry = out.Indent(4);
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
  }
  auto body = out.Indent(8);
  WriteFailureCatch(out, "读取下拉列表失败");
}

void LoadHandler(TCodeWriter& out, const TFormModel& form) {
  out.Set("form", VbNamer::AddForm(form.className))
      .Line(4, "Private Sub $form$_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load");
  DropDownSources(out, form);
  for (const TMember& picture : form.pictureMembers)
    if (!IsKey(picture)) DefaultPicture(out, form.objName, picture.memberName);
  out.Line(4, "End Sub").Line(0, "End Class");
}

}  // namespace

std::string AddFormCode(const TFormModel& form) {
  TCodeWriter out;
  Head(out, form);
  for (const TMember& picture : form.pictureMembers)
    if (!IsKey(picture)) WriteUploadHandler(out, form.objName, picture.memberName);
  AddHandler(out, form);
  LoadHandler(out, form);
  return out.Take();
}
