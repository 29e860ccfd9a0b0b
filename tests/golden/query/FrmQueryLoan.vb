Imports System
Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Globalization
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms

'借阅记录信息查询：按条件分页列出记录，并可添加、修改和删除
Partial Public Class FrmQueryLoan
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

    Private Sub FrmQueryLoan_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        LoadChoices()
        LoadPage()
    End Sub

    Private Sub LoadChoices()
        Try
            FillChoices(Me.cb_borrowedBook, BLL.bllBook.getAllBook().Tables(0), "bookId", "title")
            FillChoices(Me.cb_borrower, BLL.bllReader.getAllReader().Tables(0), "cardNo", "readerName")
        Catch ex As Exception
            ShowError(ex)
        End Try
        If Me.cb_borrowedBook.DataSource Is Nothing Then FillChoices(Me.cb_borrowedBook, New DataTable(), "bookId", "title")
        If Me.cb_borrower.DataSource Is Nothing Then FillChoices(Me.cb_borrower, New DataTable(), "cardNo", "readerName")
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

    '查询条件：以 " and " 开头的条件依次相连，空的查询字段不限条件
    Private Function BuildCondition() As String
        Dim parts As New StringBuilder()
        If Me.txt_loanNo.Text.Trim() <> "" Then
            parts.Append(" and [loanNo] like N'%" & LikeText(Me.txt_loanNo.Text.Trim()) & "%'")
        End If
        If Me.cb_borrowedBook.SelectedIndex > 0 Then
            parts.Append(" and [borrowedBook] = " & Convert.ToInt64(Me.cb_borrowedBook.SelectedValue).ToString(CultureInfo.InvariantCulture))
        End If
        If Me.cb_borrower.SelectedIndex > 0 Then
            parts.Append(" and [borrower] = N'" & SqlText(Convert.ToString(Me.cb_borrower.SelectedValue)) & "'")
        End If
        If Me.dtpFrom_loanDate.Checked Then
            parts.Append(" and [loanDate] >= '" & DayText(Me.dtpFrom_loanDate.Value) & "'")
        End If
        If Me.dtpTo_loanDate.Checked Then
            parts.Append(" and [loanDate] < '" & DayText(Me.dtpTo_loanDate.Value.AddDays(1)) & "'")
        End If
        If Me.txt_remark.Text.Trim() <> "" Then
            parts.Append(" and [remark] like N'%" & LikeText(Me.txt_remark.Text.Trim()) & "%'")
        End If
        Return parts.ToString()
    End Function

    'SQL 文本常量的内容：单引号成对
    Private Shared Function SqlText(ByVal text As String) As String
        Return text.Replace("'", "''")
    End Function

    'LIKE 的匹配文字：通配符 [ % _ 放进方括号按原样匹配，再让单引号成对
    Private Shared Function LikeText(ByVal text As String) As String
        Return SqlText(text.Replace("[", "[[]").Replace("%", "[%]").Replace("_", "[_]"))
    End Function

    '日期的 SQL 文本，yyyyMMdd 格式与服务器的语言设置无关
    Private Shared Function DayText(ByVal day As DateTime) As String
        Return day.ToString("yyyyMMdd", CultureInfo.InvariantCulture)
    End Function

    Private Sub btn_Query_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Query.Click
        condition = BuildCondition()
        pageIndex = 1
        LoadPage()
    End Sub

    Private Sub btn_Reset_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Reset.Click
        Me.txt_loanNo.Text = ""
        If Me.cb_borrowedBook.Items.Count > 0 Then Me.cb_borrowedBook.SelectedIndex = 0
        If Me.cb_borrower.Items.Count > 0 Then Me.cb_borrower.SelectedIndex = 0
        Me.dtpFrom_loanDate.Checked = False
        Me.dtpTo_loanDate.Checked = False
        Me.txt_remark.Text = ""
        condition = ""
        pageIndex = 1
        LoadPage()
    End Sub

    '读取第 pageIndex 页；页数变少时退到最后一页
    Private Sub LoadPage()
        Try
            Dim table As DataTable = BLL.bllLoan.GetLoan(pageIndex, PageSize, pageCount, recordCount, condition)
            If pageIndex > pageCount AndAlso pageCount > 0 Then
                pageIndex = pageCount
                table = BLL.bllLoan.GetLoan(pageIndex, PageSize, pageCount, recordCount, condition)
            End If
            Me.dgv_List.DataSource = table
            ShowColumns()
        Catch ex As Exception
            ShowError(ex)
        End Try
        ShowPageInfo()
    End Sub

    Private Sub ShowColumns()
        Dim captions As String() = {"loanId", "借阅单号", "图书", "借阅人", "借阅日期", "remark"}
        For i As Integer = 0 To Math.Min(captions.Length, Me.dgv_List.Columns.Count) - 1
            Me.dgv_List.Columns(i).HeaderText = captions(i)
        Next
        If Me.dgv_List.Columns.Count > 0 Then Me.dgv_List.Columns(0).Visible = False
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

    Private Sub btn_First_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_First.Click
        GoToPage(1)
    End Sub

    Private Sub btn_Prev_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Prev.Click
        GoToPage(pageIndex - 1)
    End Sub

    Private Sub btn_Next_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Next.Click
        GoToPage(pageIndex + 1)
    End Sub

    Private Sub btn_Last_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Last.Click
        GoToPage(pageCount)
    End Sub

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
        ShowAndReload(New FrmAddLoan())
    End Sub

    Private Sub btn_Edit_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Edit.Click
        If Me.dgv_List.CurrentRow Is Nothing Then
            MessageBox.Show("请先选择要修改的记录!")
            Return
        End If
        ShowAndReload(New FrmEditLoan(RowKey(Me.dgv_List.CurrentRow.Index), Me))
    End Sub

    Private Sub dgv_List_CellDoubleClick(ByVal sender As Object, ByVal e As DataGridViewCellEventArgs) Handles dgv_List.CellDoubleClick
        If e.RowIndex >= 0 Then ShowAndReload(New FrmEditLoan(RowKey(e.RowIndex), Me))
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
            If Not BLL.bllLoan.DelLoan(String.Join(",", keys)) Then
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
End Class
