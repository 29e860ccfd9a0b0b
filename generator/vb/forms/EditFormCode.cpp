// The edit form's code file: constructor, update handler, upload handlers, load handler.

#include "generator/CodeWriter.h"
#include "generator/vb/forms/EditForm.h"
#include "generator/vb/forms/FormBlocks.h"
#include "generator/naming/VbNamer.h"
#include "metadata/MemberKind.h"

namespace {

bool IsKey(const TFormModel& form, const TMember& member) { return member.memberId == form.key.memberId; }

void WriteHead(TCodeWriter& w, const TFormModel& form) {
  const std::string& c = form.className;
  WriteFormImports(w, form.typeAliases);
  w.Set("form", VbNamer::EditForm(c))
      .Set("query", VbNamer::QueryForm(c))
      .Set("k", form.keyParameter)
      .Set("keyField", form.keyField)
      .Set("keyType", form.key.memberIsInteger != 0 ? "Integer" : "[String]")
      .Set("o", form.objName)
      .Set("model", ModelClassRef(c, form.rootNamespace))
      .Set("queryField", VbNamer::QueryFormField(c));
  w.Lines(R"(
Partial Public Class $form$
    Inherits Form
    Public Sub New(ByVal $k$ As $keyType$, ByVal $queryField$ As $query$)
        InitializeComponent()
        Me.$keyField$ = $k$
        Me.$queryField$ = $queryField$
    End Sub
    Private $o$ As $model$
    Private $keyField$ As $keyType$
    Private $queryField$ As $query$
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
)");
}

void WriteDropDownSetup(TCodeWriter& w, const TFormModel& form, const TMember& m) {
  const std::string& r = m.memberType;
  const TReferencedClass& target = form.referenced.at(r);
  w.Set("friend", target.friendName)
      .Set("set", VbNamer::DataSetLocal(m.memberName))
      .Set("getAll", VbNamer::Bll(r) + "." + VbNamer::Procedure(TProcedure::GetAll, r))
      .Set("cb", VbNamer::ComboBox(m.memberName))
      .Set("display", VbQuoted(target.displayName))
      .Set("value", VbQuoted(target.keyName))
      .Set("o", form.objName)
      .Set("m", m.memberName);
  auto body = w.Indent(8);
  w.Lines(R"(
'查询所有的$friend$
Dim $set$ As DataSet = $getAll$()
Me.$cb$.DataSource = $set$.Tables(0)
Me.$cb$.DisplayMember = $display$
Me.$cb$.ValueMember = $value$
Me.$cb$.SelectedValue = $o$.$m$.ToString()
)");
}

// The picture's bytes shown through a memory stream. The stream variable is
// declared by the first picture only: a second Dim in one procedure would not compile.
// The bytes' local is named after the member unless that is a parameter of the
// handler, the stream, the caught exception or the entity's field.
void WritePictureFill(TCodeWriter& w, const std::string& o, const TMember& m, bool& streamDeclared) {
  w.Set("bytes", FormLocalName(m.memberName, {"sender", "e", "ms", "ex", o}))
      .Set("stream", streamDeclared ? "ms = New MemoryStream(" : "Dim ms As New MemoryStream(");
  w.Lines(R"(
Dim $bytes$ As Byte() = DirectCast($o$.$m$, Byte())
$stream$$bytes$)
$box$.Image = Image.FromStream(ms)
)");
  streamDeclared = true;
}

// Shows one member's stored value in its control. The key always has a text
// box, so a date-time key is shown there and a picture key not at all.
void WriteFill(TCodeWriter& w, const TFormModel& form, const TMember& m, bool& streamDeclared) {
  const bool key = IsKey(form, m);
  w.Set("o", form.objName)
      .Set("m", m.memberName)
      .Set("txt", VbNamer::TextBox(m.memberName))
      .Set("dtp", VbNamer::DatePicker(m.memberName))
      .Set("box", VbNamer::PictureBox(m.memberName));
  auto body = w.Indent(8);
  switch (KindOf(m)) {
    case TMemberKind::String: w.Line("Me.$txt$.Text = $o$.$m$"); break;
    case TMemberKind::Integer:
    case TMemberKind::Float: w.Line("Me.$txt$.Text = $o$.$m$.ToString()"); break;
    case TMemberKind::DateTime: w.Line(key ? "Me.$txt$.Text = $o$.$m$.ToString()" : "Me.$dtp$.Value = $o$.$m$"); break;
    case TMemberKind::Picture:
      if (!key) WritePictureFill(w, form.objName, m, streamDeclared);
      break;
    case TMemberKind::Reference: break;  // set with its drop-down list
  }
}

// The key stays read-only whatever happens; a record that could not be read
// cannot be updated.
void WriteLoadHandler(TCodeWriter& w, const TFormModel& form) {
  const std::string& c = form.className;
  const std::string& k = form.key.memberName;
  w.Set("form", VbNamer::EditForm(c))
      .Set("o", form.objName)
      .Set("getSome", VbNamer::Bll(c) + "." + VbNamer::Procedure(TProcedure::GetSome, c))
      .Set("keyField", form.keyField)
      .Set("txt", VbNamer::TextBox(k))
      .Lines(R"(
    Private Sub $form$_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.$txt$.[ReadOnly] = True
        Try
            $o$ = $getSome$($keyField$)
)");
  {
    auto inTry = w.Indent(4);
    // A reference key has a text box, not a drop-down list.
    for (const TMember& m : form.referenceMembers)
      if (!IsKey(form, m)) WriteDropDownSetup(w, form, m);
    bool streamDeclared = false;
    for (const TMember& m : form.members) WriteFill(w, form, m, streamDeclared);
  }
  auto body = w.Indent(8);
  WriteFailureCatch(w, "读取" + form.friendName + "失败", "Me.Btn_Update.Enabled = False");
  w.Line(4, "End Sub").Line(0, "End Class");
}

}  // namespace

std::string EditFormCode(const TFormModel& form) {
  TCodeWriter w;
  WriteHead(w, form);
  for (const TMember& m : form.nonKeyMembers) WriteMemberAssignment(w, form, m, kEditAssignments);
  const std::string& c = form.className;
  WriteStoreCall(w, VbNamer::Bll(c) + "." + VbNamer::Procedure(TProcedure::Edit, c) + "(" + form.objName + ")",
                 form.friendName, "更新");
  // A picture key has no upload button on the form.
  for (const TMember& m : form.pictureMembers) {
    if (IsKey(form, m)) continue;
    WriteUploadHandler(w, form.objName, m.memberName);
    w.Blank();
  }
  WriteLoadHandler(w, form);
  return w.Take();
}
