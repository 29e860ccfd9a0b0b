// The full query form's code file: the paging state, the search condition
// built from the search fields, and the handlers of the buttons and the grid.
// Every call to the database sits in a Try whose Catch shows the reason in a
// message box, so that a failure leaves the form usable.
#include <utility>

#include "generator/CodeWriter.h"
#include "generator/vb/forms/FormBlocks.h"
#include "metadata/ReferencedKey.h"
#include "generator/vb/forms/QueryFormFull.h"
#include "generator/naming/VbNamer.h"

std::string CaptionOf(const TMember& member) {
  return member.memberComment.empty() ? member.memberName : member.memberComment;
}

namespace {

bool Has(const TQueryFormModel& form, TSearchKind kind) {
  for (const auto& field : form.fields)
    if (field.kind == kind) return true;
  return false;
}

// The values the whole file's lines name.
void SetNames(TCodeWriter& out, const TQueryFormModel& form) {
  const std::string& c = form.className;
  out.Set("form", VbNamer::QueryForm(c))
      .Set("f", form.friendName)
      .Set("addForm", VbNamer::AddForm(c))
      .Set("editForm", VbNamer::EditForm(c))
      .Set("get", VbNamer::Bll(c) + "." + VbNamer::ProcedureAfterDot(TProcedure::Get, c))
      .Set("del", VbNamer::Bll(c) + "." + VbNamer::ProcedureAfterDot(TProcedure::Del, c))
      .Set("keyShown", form.key.memberQueryDisplay == 1 ? "True" : "False");
}

void Head(TCodeWriter& out, const TQueryFormModel& form) {
  WriteImports(out, {"System", "System.Collections.Generic", "System.ComponentModel", "System.Data", "System.Drawing",
                     "System.Globalization", "System.Linq", "System.Text", "System.Windows.Forms"});
  out.Lines(R"(

'$f$信息查询：按条件分页列出记录，并可添加、修改和删除
Partial Public Class $form$
    Inherits Form
    '每页的记录数
    Private Const PageSize As Integer = 20
    Private pageIndex As Integer = 1
    Private pageCount As Integer = 0
    Private recordCount As Integer = 0
    '当前的查询条件，由 BuildCondition 生成
    Private condition As String = ""

    Public Sub New()
        InitializeComponent()
    End Sub

    Private Sub $form$_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
)");
  if (Has(form, TSearchKind::Choice)) out.Line(8, "LoadChoices()");
  out.Lines(R"(
        LoadPage()
    End Sub

)");
}

// Sets the values of one Choice field's FillChoices call.
TCodeWriter& SetChoice(TCodeWriter& out, const TSearchField& field) {
  const TReferencedClass& r = *field.referenced;
  return out.Set("cb", VbNamer::ComboBox(field.member.memberName))
      .Set("getAll", VbNamer::Bll(r.className) + "." + VbNamer::ProcedureAfterDot(TProcedure::GetAll, r.className))
      .Set("key", VbQuoted(r.keyName))
      .Set("display", VbQuoted(r.displayName));
}

// The drop-down boxes of the reference members: "全部" (no condition), then
// every record of the referenced class by its display value. A box whose
// records could not be read still offers "全部".
void LoadChoices(TCodeWriter& out, const TQueryFormModel& form) {
  if (!Has(form, TSearchKind::Choice)) return;
  auto member = out.Indent(4);
  out.Lines(R"(
Private Sub LoadChoices()
    Try
)");
  for (const auto& field : form.fields)
    if (field.kind == TSearchKind::Choice)
      SetChoice(out, field).Line("        FillChoices(Me.$cb$, $getAll$().Tables(0), $key$, $display$)");
  out.Lines(R"(
    Catch ex As Exception
        ShowError(ex)
    End Try
)");
  for (const auto& field : form.fields)
    if (field.kind == TSearchKind::Choice)
      SetChoice(out, field).Line("    If Me.$cb$.DataSource Is Nothing Then FillChoices(Me.$cb$, New DataTable(), $key$, $display$)");
  out.Lines(R"(
End Sub

Private Shared Sub FillChoices(ByVal box As ComboBox, ByVal rows As DataTable, ByVal keyColumn As String, ByVal displayColumn As String)
    Dim choices As New DataTable()
    choices.Columns.Add("Key", GetType(Object))
    choices.Columns.Add("Text", GetType(String))
    choices.Rows.Add(DBNull.Value, "全部")
    For Each row As DataRow In rows.Rows
        choices.Rows.Add(row(keyColumn), Convert.ToString(row(displayColumn)))
    Next
    box.DisplayMember = "Text"
    box.ValueMember = "Key"
    box.DataSource = choices
End Sub

)");
}

// One search field's part of the condition. Typed text reaches the SQL only
// as a literal built by SqlText or LikeText; keys and dates only in the
// invariant culture's digits.
void ConditionLines(TCodeWriter& out, const TSearchField& field, bool integerChoice) {
  const std::string& m = field.member.memberName;
  out.Set("column", "[" + m + "]")
      .Set("txt", VbNamer::TextBox(m))
      .Set("cb", VbNamer::ComboBox(m))
      .Set("from", VbNamer::DateFrom(m))
      .Set("to", VbNamer::DateTo(m));
  switch (field.kind) {
    case TSearchKind::Contains:
      out.Lines(R"(
If Me.$txt$.Text.Trim() <> "" Then
    parts.Append(" and $column$ like N'%" & LikeText(Me.$txt$.Text.Trim()) & "%'")
End If
)");
      return;
    case TSearchKind::DateRange:
      out.Lines(R"(
If Me.$from$.Checked Then
    parts.Append(" and $column$ >= '" & DayText(Me.$from$.Value) & "'")
End If
If Me.$to$.Checked Then
    parts.Append(" and $column$ < '" & DayText(Me.$to$.Value.AddDays(1)) & "'")
End If
)");
      return;
    case TSearchKind::Choice:
      out.Line("If Me.$cb$.SelectedIndex > 0 Then");
      if (integerChoice)
        out.Line(R"(    parts.Append(" and $column$ = " & Convert.ToInt64(Me.$cb$.SelectedValue).ToString(CultureInfo.InvariantCulture)))");
      else
        out.Line(R"(    parts.Append(" and $column$ = N'" & SqlText(Convert.ToString(Me.$cb$.SelectedValue)) & "'"))");
      out.Line("End If");
      return;
  }
}

void BuildCondition(TCodeWriter& out, const TQueryFormModel& form) {
  out.Lines(R"(
    '查询条件：以 " and " 开头的条件依次相连，空的查询字段不限条件
    Private Function BuildCondition() As String
        Dim parts As New StringBuilder()
)");
  {
    auto body = out.Indent(8);
    for (const auto& field : form.fields)
      ConditionLines(out, field, field.referenced && field.referenced->keyIsInteger != 0);
  }
  out.Lines(R"(
        Return parts.ToString()
    End Function

)");
}

// The helpers that turn typed text into SQL literals, each only when a field needs it.
void LiteralHelpers(TCodeWriter& out, const TQueryFormModel& form) {
  const bool choiceByText = [&] {
    for (const auto& field : form.fields)
      if (field.kind == TSearchKind::Choice && field.referenced->keyIsInteger == 0) return true;
    return false;
  }();
  auto member = out.Indent(4);
  if (Has(form, TSearchKind::Contains) || choiceByText)
    out.Lines(R"(
'SQL 文本常量的内容：单引号成对
Private Shared Function SqlText(ByVal text As String) As String
    Return text.Replace("'", "''")
End Function

)");
  if (Has(form, TSearchKind::Contains))
    out.Lines(R"(
'LIKE 的匹配文字：通配符 [ % _ 放进方括号按原样匹配，再让单引号成对
Private Shared Function LikeText(ByVal text As String) As String
    Return SqlText(text.Replace("[", "[[]").Replace("%", "[%]").Replace("_", "[_]"))
End Function

)");
  if (Has(form, TSearchKind::DateRange))
    out.Lines(R"(
'日期的 SQL 文本，yyyyMMdd 格式与服务器的语言设置无关
Private Shared Function DayText(ByVal day As DateTime) As String
    Return day.ToString("yyyyMMdd", CultureInfo.InvariantCulture)
End Function

)");
}

void QueryAndReset(TCodeWriter& out, const TQueryFormModel& form) {
  out.Lines(R"(
    Private Sub btn_Query_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Query.Click
        condition = BuildCondition()
        pageIndex = 1
        LoadPage()
    End Sub

    Private Sub btn_Reset_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Reset.Click
)");
  auto body = out.Indent(8);
  for (const auto& field : form.fields) {
    const std::string& m = field.member.memberName;
    out.Set("txt", VbNamer::TextBox(m))
        .Set("cb", VbNamer::ComboBox(m))
        .Set("from", VbNamer::DateFrom(m))
        .Set("to", VbNamer::DateTo(m));
    switch (field.kind) {
      case TSearchKind::Contains: out.Line(R"(Me.$txt$.Text = "")"); break;
      case TSearchKind::DateRange: out.Line("Me.$from$.Checked = False").Line("Me.$to$.Checked = False"); break;
      case TSearchKind::Choice: out.Line("If Me.$cb$.Items.Count > 0 Then Me.$cb$.SelectedIndex = 0"); break;
    }
  }
  out.Lines(R"(
condition = ""
pageIndex = 1
LoadPage()
)");
  out.Line(4, "End Sub").Blank();
}

// The grid shows the paged query's table: column 0 is the key, the others the
// query-display members in order; the key column is shown only when the key
// itself is marked for the query display.
void Paging(TCodeWriter& out, const TQueryFormModel& form) {
  std::string captions = VbQuoted(CaptionOf(form.key));
  for (const auto& m : form.columns) captions += ", " + VbQuoted(CaptionOf(m));
  out.Set("captions", captions);
  auto member = out.Indent(4);
  out.Lines(R"(
'读取第 pageIndex 页；页数变少时退到最后一页
Private Sub LoadPage()
    Try
        Dim table As DataTable = $get$(pageIndex, PageSize, pageCount, recordCount, condition)
        If pageIndex > pageCount AndAlso pageCount > 0 Then
            pageIndex = pageCount
            table = $get$(pageIndex, PageSize, pageCount, recordCount, condition)
        End If
        Me.dgv_List.DataSource = table
        ShowColumns()
    Catch ex As Exception
        ShowError(ex)
    End Try
    ShowPageInfo()
End Sub

Private Sub ShowColumns()
    Dim captions As String() = {$captions$}
    For i As Integer = 0 To Math.Min(captions.Length, Me.dgv_List.Columns.Count) - 1
        Me.dgv_List.Columns(i).HeaderText = captions(i)
    Next
    If Me.dgv_List.Columns.Count > 0 Then Me.dgv_List.Columns(0).Visible = $keyShown$
End Sub

Private Sub ShowPageInfo()
    Dim pages As Integer = Math.Max(pageCount, 1)
    Me.lblPageInfo.Text = "第 " & pageIndex & "/" & pages & " 页，共 " & recordCount & " 条"
    Me.btn_First.Enabled = pageIndex > 1
    Me.btn_Prev.Enabled = pageIndex > 1
    Me.btn_Next.Enabled = pageIndex < pages
    Me.btn_Last.Enabled = pageIndex < pages
End Sub

Private Sub GoToPage(ByVal page As Integer)
    pageIndex = Math.Max(1, Math.Min(page, Math.Max(pageCount, 1)))
    LoadPage()
End Sub

)");
  for (const auto& [button, page] : {std::pair{"btn_First", "1"}, {"btn_Prev", "pageIndex - 1"},
                                     {"btn_Next", "pageIndex + 1"}, {"btn_Last", "pageCount"}})
    out.Set("button", button).Set("page", page).Lines(R"(
Private Sub $button$_Click(ByVal sender As Object, ByVal e As EventArgs) Handles $button$.Click
    GoToPage($page$)
End Sub

)");
}

// Add, edit and delete; the grid is read again after each.
void Actions(TCodeWriter& out, const TQueryFormModel& form) {
  // Text keys go to Del one by one, since a key may hold a comma.
  out.Set("keys", IsIntegerKey(form.key) ? "String.Join(\",\", keys)" : "keys.ToArray()");
  auto member = out.Indent(4);
  out.Lines(R"(
'添加或修改窗体关闭后重新读取当前页
Private Sub ShowAndReload(ByVal dialog As Form)
    Try
        dialog.ShowDialog(Me)
    Catch ex As Exception
        ShowError(ex)
    Finally
        dialog.Dispose()
    End Try
    LoadPage()
End Sub

Private Sub btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Add.Click
    ShowAndReload(New $addForm$())
End Sub

Private Sub btn_Edit_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Edit.Click
    If Me.dgv_List.CurrentRow Is Nothing Then
        MessageBox.Show("请先选择要修改的记录!")
        Return
    End If
    ShowAndReload(New $editForm$(RowKey(Me.dgv_List.CurrentRow.Index), Me))
End Sub

Private Sub dgv_List_CellDoubleClick(ByVal sender As Object, ByVal e As DataGridViewCellEventArgs) Handles dgv_List.CellDoubleClick
    If e.RowIndex >= 0 Then ShowAndReload(New $editForm$(RowKey(e.RowIndex), Me))
End Sub

'第 0 列是主键
Private Function RowKey(ByVal row As Integer) As String
    Return Convert.ToString(Me.dgv_List.Rows(row).Cells(0).Value, CultureInfo.InvariantCulture)
End Function

Private Sub btn_Delete_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Delete.Click
    Dim keys As New List(Of String)()
    For Each row As DataGridViewRow In Me.dgv_List.SelectedRows
        keys.Add(RowKey(row.Index))
    Next
    If keys.Count = 0 Then
        MessageBox.Show("请先选择要删除的记录!")
        Return
    End If
    If MessageBox.Show("确定要删除选中的 " & keys.Count & " 条记录吗?", "删除确认", MessageBoxButtons.OKCancel, MessageBoxIcon.Question) <> DialogResult.OK Then
        Return
    End If
    Try
        If Not $del$($keys$) Then
            MessageBox.Show("删除失败!")
        End If
    Catch ex As Exception
        ShowError(ex)
    End Try
    LoadPage()
End Sub

Private Sub ShowError(ByVal ex As Exception)
    MessageBox.Show(Me, ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
End Sub
)");
}

}  // namespace

std::string FullQueryFormCodeText(const TQueryFormModel& form) {
  TCodeWriter out;
  SetNames(out, form);
  Head(out, form);
  LoadChoices(out, form);
  BuildCondition(out, form);
  LiteralHelpers(out, form);
  QueryAndReset(out, form);
  Paging(out, form);
  Actions(out, form);
  out.Line(0, "End Class");
  return out.Take();
}
