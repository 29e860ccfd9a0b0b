// The full query form's code file: the paging state, the search condition
// built from the search fields, and the handlers of the buttons and the grid.
// Every call to the database sits in a Try whose Catch shows the reason in a
// message box, so that a failure leaves the form usable.
#include "generator/CodeWriter.h"
#include "generator/MemberKind.h"
#include "generator/QueryFormFull.h"

std::string CaptionOf(const TMember& member) {
  return member.memberComment.empty() ? member.memberName : member.memberComment;
}

namespace {

bool Has(const TQueryFormModel& form, TSearchKind kind) {
  for (const auto& field : form.fields)
    if (field.kind == kind) return true;
  return false;
}

void Head(TCodeWriter& out, const TQueryFormModel& form) {
  const std::string& c = form.className;
  out.Line(0, "Imports System")
      .Line(0, "Imports System.Collections.Generic")
      .Line(0, "Imports System.ComponentModel")
      .Line(0, "Imports System.Data")
      .Line(0, "Imports System.Drawing")
      .Line(0, "Imports System.Globalization")
      .Line(0, "Imports System.Linq")
      .Line(0, "Imports System.Text")
      .Line(0, "Imports System.Windows.Forms")
      .Blank()
      .Line(0, "'" + form.friendName + "信息查询：按条件分页列出记录，并可添加、修改和删除")
      .Line(0, "Partial Public Class FrmQuery" + c)
      .Line(4, "Inherits Form")
      .Line(4, "'每页的记录数")
      .Line(4, "Private Const PageSize As Integer = 20")
      .Line(4, "Private pageIndex As Integer = 1")
      .Line(4, "Private pageCount As Integer = 0")
      .Line(4, "Private recordCount As Integer = 0")
      .Line(4, "'当前的查询条件，由 BuildCondition 生成")
      .Line(4, std::string("Private condition As String = ") + Q + Q)
      .Blank()
      .Line(4, "Public Sub New()")
      .Line(8, "InitializeComponent()")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub FrmQuery" + c + "_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load");
  if (Has(form, TSearchKind::Choice)) out.Line(8, "LoadChoices()");
  out.Line(8, "LoadPage()").Line(4, "End Sub").Blank();
}

// The drop-down boxes of the reference members: "全部" (no condition), then
// every record of the referenced class by its display value.
void LoadChoices(TCodeWriter& out, const TQueryFormModel& form) {
  if (!Has(form, TSearchKind::Choice)) return;
  out.Line(4, "Private Sub LoadChoices()").Line(8, "Try");
  for (const auto& field : form.fields) {
    if (field.kind != TSearchKind::Choice) continue;
    const TReferencedClass& r = *field.referenced;
    out.Line(12, "FillChoices(Me.cb_" + field.member.memberName + ", BLL.bll" + r.className + ".getAll" + r.className +
                     "().Tables(0), " + Q + r.keyName + Q + ", " + Q + r.displayName + Q + ")");
  }
  out.Line(8, "Catch ex As Exception")
      .Line(12, "ShowError(ex)")
      .Line(8, "End Try")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Shared Sub FillChoices(ByVal box As ComboBox, ByVal rows As DataTable, ByVal keyColumn As String, "
               "ByVal displayColumn As String)")
      .Line(8, "Dim choices As New DataTable()")
      .Line(8, std::string("choices.Columns.Add(") + Q + "Key" + Q + ", GetType(Object))")
      .Line(8, std::string("choices.Columns.Add(") + Q + "Text" + Q + ", GetType(String))")
      .Line(8, std::string("choices.Rows.Add(DBNull.Value, ") + Q + "全部" + Q + ")")
      .Line(8, "For Each row As DataRow In rows.Rows")
      .Line(12, "choices.Rows.Add(row(keyColumn), Convert.ToString(row(displayColumn)))")
      .Line(8, "Next")
      .Line(8, std::string("box.DisplayMember = ") + Q + "Text" + Q)
      .Line(8, std::string("box.ValueMember = ") + Q + "Key" + Q)
      .Line(8, "box.DataSource = choices")
      .Line(4, "End Sub")
      .Blank();
}

// One search field's part of the condition. Typed text reaches the SQL only
// as a literal built by SqlText or LikeText; keys and dates only in the
// invariant culture's digits.
void ConditionLines(TCodeWriter& out, const TSearchField& field, bool integerChoice) {
  const std::string& m = field.member.memberName;
  const std::string column = "[" + m + "]";
  switch (field.kind) {
    case TSearchKind::Contains:
      out.Line(8, "If Me.txt_" + m + ".Text.Trim() <> " + Q + Q + " Then")
          .Line(12, std::string("parts.Append(") + Q + " and " + column + " like N'%" + Q + " & LikeText(Me.txt_" + m +
                        ".Text.Trim()) & " + Q + "%'" + Q + ")")
          .Line(8, "End If");
      return;
    case TSearchKind::DateRange:
      out.Line(8, "If Me.dtpFrom_" + m + ".Checked Then")
          .Line(12, std::string("parts.Append(") + Q + " and " + column + " >= '" + Q + " & DayText(Me.dtpFrom_" + m + ".Value) & " +
                        Q + "'" + Q + ")")
          .Line(8, "End If")
          .Line(8, "If Me.dtpTo_" + m + ".Checked Then")
          .Line(12, std::string("parts.Append(") + Q + " and " + column + " < '" + Q + " & DayText(Me.dtpTo_" + m +
                        ".Value.AddDays(1)) & " + Q + "'" + Q + ")")
          .Line(8, "End If");
      return;
    case TSearchKind::Choice:
      out.Line(8, "If Me.cb_" + m + ".SelectedIndex > 0 Then");
      if (integerChoice)
        out.Line(12, std::string("parts.Append(") + Q + " and " + column + " = " + Q + " & Convert.ToInt64(Me.cb_" + m +
                         ".SelectedValue).ToString(CultureInfo.InvariantCulture))");
      else
        out.Line(12, std::string("parts.Append(") + Q + " and " + column + " = N'" + Q + " & SqlText(Convert.ToString(Me.cb_" + m +
                         ".SelectedValue)) & " + Q + "'" + Q + ")");
      out.Line(8, "End If");
      return;
  }
}

void BuildCondition(TCodeWriter& out, const TQueryFormModel& form) {
  out.Line(4, "'查询条件：以 " + std::string(Q) + " and " + Q + " 开头的条件依次相连，空的查询字段不限条件")
      .Line(4, "Private Function BuildCondition() As String")
      .Line(8, "Dim parts As New StringBuilder()");
  for (const auto& field : form.fields)
    ConditionLines(out, field, field.referenced && field.referenced->keyIsInteger != 0);
  out.Line(8, "Return parts.ToString()").Line(4, "End Function").Blank();
}

// The helpers that turn typed text into SQL literals, each only when a field needs it.
void LiteralHelpers(TCodeWriter& out, const TQueryFormModel& form) {
  const bool choiceByText = [&] {
    for (const auto& field : form.fields)
      if (field.kind == TSearchKind::Choice && field.referenced->keyIsInteger == 0) return true;
    return false;
  }();
  if (Has(form, TSearchKind::Contains) || choiceByText)
    out.Line(4, "'SQL 文本常量的内容：单引号成对")
        .Line(4, "Private Shared Function SqlText(ByVal text As String) As String")
        .Line(8, std::string("Return text.Replace(") + Q + "'" + Q + ", " + Q + "''" + Q + ")")
        .Line(4, "End Function")
        .Blank();
  if (Has(form, TSearchKind::Contains))
    out.Line(4, "'LIKE 的匹配文字：通配符 [ % _ 放进方括号按原样匹配，再让单引号成对")
        .Line(4, "Private Shared Function LikeText(ByVal text As String) As String")
        .Line(8, std::string("Return SqlText(text.Replace(") + Q + "[" + Q + ", " + Q + "[[]" + Q + ").Replace(" + Q +
                     "%" + Q + ", " + Q + "[%]" + Q + ").Replace(" + Q + "_" + Q + ", " + Q + "[_]" + Q + "))")
        .Line(4, "End Function")
        .Blank();
  if (Has(form, TSearchKind::DateRange))
    out.Line(4, "'日期的 SQL 文本，yyyyMMdd 格式与服务器的语言设置无关")
        .Line(4, "Private Shared Function DayText(ByVal day As DateTime) As String")
        .Line(8, std::string("Return day.ToString(") + Q + "yyyyMMdd" + Q + ", CultureInfo.InvariantCulture)")
        .Line(4, "End Function")
        .Blank();
}

void QueryAndReset(TCodeWriter& out, const TQueryFormModel& form) {
  out.Line(4, "Private Sub btn_Query_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Query.Click")
      .Line(8, "condition = BuildCondition()")
      .Line(8, "pageIndex = 1")
      .Line(8, "LoadPage()")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub btn_Reset_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Reset.Click");
  for (const auto& field : form.fields) {
    const std::string& m = field.member.memberName;
    switch (field.kind) {
      case TSearchKind::Contains:
        out.Line(8, "Me.txt_" + m + ".Text = " + Q + Q);
        break;
      case TSearchKind::DateRange:
        out.Line(8, "Me.dtpFrom_" + m + ".Checked = False").Line(8, "Me.dtpTo_" + m + ".Checked = False");
        break;
      case TSearchKind::Choice:
        out.Line(8, "If Me.cb_" + m + ".Items.Count > 0 Then Me.cb_" + m + ".SelectedIndex = 0");
        break;
    }
  }
  out.Line(8, std::string("condition = ") + Q + Q)
      .Line(8, "pageIndex = 1")
      .Line(8, "LoadPage()")
      .Line(4, "End Sub")
      .Blank();
}

// The grid shows the paged query's table: column 0 is the key, the others the
// query-display members in order; the key column is shown only when the key
// itself is marked for the query display.
void Paging(TCodeWriter& out, const TQueryFormModel& form) {
  const std::string& c = form.className;
  std::string captions = Q + CaptionOf(form.key) + Q;
  for (const auto& m : form.columns) captions += ", " + std::string(Q) + CaptionOf(m) + Q;
  out.Line(4, "'读取第 pageIndex 页；页数变少时退到最后一页")
      .Line(4, "Private Sub LoadPage()")
      .Line(8, "Try")
      .Line(12, "Dim table As DataTable = BLL.bll" + c + ".Get" + c +
                    "(pageIndex, PageSize, pageCount, recordCount, condition)")
      .Line(12, "If pageIndex > pageCount AndAlso pageCount > 0 Then")
      .Line(16, "pageIndex = pageCount")
      .Line(16, "table = BLL.bll" + c + ".Get" + c + "(pageIndex, PageSize, pageCount, recordCount, condition)")
      .Line(12, "End If")
      .Line(12, "Me.dgv_List.DataSource = table")
      .Line(12, "ShowColumns()")
      .Line(8, "Catch ex As Exception")
      .Line(12, "ShowError(ex)")
      .Line(8, "End Try")
      .Line(8, "ShowPageInfo()")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub ShowColumns()")
      .Line(8, "Dim captions As String() = {" + captions + "}")
      .Line(8, "For i As Integer = 0 To Math.Min(captions.Length, Me.dgv_List.Columns.Count) - 1")
      .Line(12, "Me.dgv_List.Columns(i).HeaderText = captions(i)")
      .Line(8, "Next")
      .Line(8, "If Me.dgv_List.Columns.Count > 0 Then Me.dgv_List.Columns(0).Visible = " +
                   std::string(form.key.memberQueryDisplay == 1 ? "True" : "False"))
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub ShowPageInfo()")
      .Line(8, "Dim pages As Integer = Math.Max(pageCount, 1)")
      .Line(8, std::string("Me.lblPageInfo.Text = ") + Q + "第 " + Q + " & pageIndex & " + Q + "/" + Q + " & pages & " +
                   Q + " 页，共 " + Q + " & recordCount & " + Q + " 条" + Q)
      .Line(8, "Me.btn_First.Enabled = pageIndex > 1")
      .Line(8, "Me.btn_Prev.Enabled = pageIndex > 1")
      .Line(8, "Me.btn_Next.Enabled = pageIndex < pages")
      .Line(8, "Me.btn_Last.Enabled = pageIndex < pages")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub GoToPage(ByVal page As Integer)")
      .Line(8, "pageIndex = Math.Max(1, Math.Min(page, Math.Max(pageCount, 1)))")
      .Line(8, "LoadPage()")
      .Line(4, "End Sub")
      .Blank();
  const std::pair<const char*, const char*> buttons[] = {
      {"btn_First", "1"}, {"btn_Prev", "pageIndex - 1"}, {"btn_Next", "pageIndex + 1"}, {"btn_Last", "pageCount"}};
  for (const auto& [button, page] : buttons)
    out.Line(4, std::string("Private Sub ") + button + "_Click(ByVal sender As Object, ByVal e As EventArgs) Handles " +
                    button + ".Click")
        .Line(8, std::string("GoToPage(") + page + ")")
        .Line(4, "End Sub")
        .Blank();
}

// Add, edit and delete; the grid is read again after each.
void Actions(TCodeWriter& out, const TQueryFormModel& form) {
  const std::string& c = form.className;
  const std::string edit = "ShowAndReload(New FrmEdit" + c + "(RowKey(";
  out.Line(4, "'添加或修改窗体关闭后重新读取当前页")
      .Line(4, "Private Sub ShowAndReload(ByVal dialog As Form)")
      .Line(8, "Try")
      .Line(12, "dialog.ShowDialog(Me)")
      .Line(8, "Catch ex As Exception")
      .Line(12, "ShowError(ex)")
      .Line(8, "Finally")
      .Line(12, "dialog.Dispose()")
      .Line(8, "End Try")
      .Line(8, "LoadPage()")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Add.Click")
      .Line(8, "ShowAndReload(New FrmAdd" + c + "())")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub btn_Edit_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Edit.Click")
      .Line(8, "If Me.dgv_List.CurrentRow Is Nothing Then")
      .Line(12, std::string("MessageBox.Show(") + Q + "请先选择要修改的记录!" + Q + ")")
      .Line(12, "Return")
      .Line(8, "End If")
      .Line(8, edit + "Me.dgv_List.CurrentRow.Index), Me))")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub dgv_List_CellDoubleClick(ByVal sender As Object, ByVal e As DataGridViewCellEventArgs) "
               "Handles dgv_List.CellDoubleClick")
      .Line(8, "If e.RowIndex >= 0 Then " + edit + "e.RowIndex), Me))")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "'第 0 列是主键")
      .Line(4, "Private Function RowKey(ByVal row As Integer) As String")
      .Line(8, "Return Convert.ToString(Me.dgv_List.Rows(row).Cells(0).Value, CultureInfo.InvariantCulture)")
      .Line(4, "End Function")
      .Blank()
      .Line(4, "Private Sub btn_Delete_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Delete.Click")
      .Line(8, "Dim keys As New List(Of String)()")
      .Line(8, "For Each row As DataGridViewRow In Me.dgv_List.SelectedRows")
      .Line(12, "keys.Add(RowKey(row.Index))")
      .Line(8, "Next")
      .Line(8, "If keys.Count = 0 Then")
      .Line(12, std::string("MessageBox.Show(") + Q + "请先选择要删除的记录!" + Q + ")")
      .Line(12, "Return")
      .Line(8, "End If");
  if (!IsIntegerKey(form.key))
    // Del puts each key between single quotes as it is and splits the list at commas.
    out.Line(8, std::string("If keys.Exists(Function(k) k.Contains(") + Q + "'" + Q + ") OrElse k.Contains(" + Q +
                    "," + Q + ")) Then")
        .Line(12, std::string("MessageBox.Show(") + Q + "选中记录的主键含有单引号或逗号，不能删除!" + Q + ")")
        .Line(12, "Return")
        .Line(8, "End If");
  out.Line(8, std::string("If MessageBox.Show(") + Q + "确定要删除选中的 " + Q + " & keys.Count & " + Q + " 条记录吗?" + Q +
                  ", " + Q + "删除确认" + Q + ", MessageBoxButtons.OKCancel, MessageBoxIcon.Question) <> DialogResult.OK Then")
      .Line(12, "Return")
      .Line(8, "End If")
      .Line(8, "Try")
      .Line(12, "If Not BLL.bll" + c + ".Del" + c + "(String.Join(" + Q + "," + Q + ", keys)) Then")
      .Line(16, std::string("MessageBox.Show(") + Q + "删除失败!" + Q + ")")
      .Line(12, "End If")
      .Line(8, "Catch ex As Exception")
      .Line(12, "ShowError(ex)")
      .Line(8, "End Try")
      .Line(8, "LoadPage()")
      .Line(4, "End Sub")
      .Blank()
      .Line(4, "Private Sub ShowError(ByVal ex As Exception)")
      .Line(8, std::string("MessageBox.Show(Me, ex.Message, ") + Q + "操作失败" + Q +
                   ", MessageBoxButtons.OK, MessageBoxIcon.Error)")
      .Line(4, "End Sub");
}

}  // namespace

std::string FullQueryFormCodeText(const TQueryFormModel& form) {
  TCodeWriter out;
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
