Imports System
Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Globalization
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms

'标签信息查询：按条件分页列出记录，并可添加、修改和删除
Partial Public Class FrmQueryTag
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

    Private Sub FrmQueryTag_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        LoadPage()
    End Sub

    '查询条件：以 " and " 开头的条件依次相连，空的查询字段不限条件
    Private Function BuildCondition() As String
        Dim parts As New StringBuilder()
        Return parts.ToString()
    End Function

    Private Sub btn_Query_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Query.Click
        condition = BuildCondition()
        pageIndex = 1
        LoadPage()
    End Sub

    Private Sub btn_Reset_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Reset.Click
        condition = ""
        pageIndex = 1
        LoadPage()
    End Sub

    '读取第 pageIndex 页；页数变少时退到最后一页
    Private Sub LoadPage()
        Try
            Dim table As DataTable = BLL.bllTag.GetTag(pageIndex, PageSize, pageCount, recordCount, condition)
            If pageIndex > pageCount AndAlso pageCount > 0 Then
                pageIndex = pageCount
                table = BLL.bllTag.GetTag(pageIndex, PageSize, pageCount, recordCount, condition)
            End If
            Me.dgv_List.DataSource = table
            ShowColumns()
        Catch ex As Exception
            ShowError(ex)
        End Try
        ShowPageInfo()
    End Sub

    Private Sub ShowColumns()
        Dim captions As String() = {"标签"}
        For i As Integer = 0 To Math.Min(captions.Length, Me.dgv_List.Columns.Count) - 1
            Me.dgv_List.Columns(i).HeaderText = captions(i)
        Next
        If Me.dgv_List.Columns.Count > 0 Then Me.dgv_List.Columns(0).Visible = True
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
        ShowAndReload(New FrmAddTag())
    End Sub

    Private Sub btn_Edit_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_Edit.Click
        If Me.dgv_List.CurrentRow Is Nothing Then
            MessageBox.Show("请先选择要修改的记录!")
            Return
        End If
        ShowAndReload(New FrmEditTag(RowKey(Me.dgv_List.CurrentRow.Index), Me))
    End Sub

    Private Sub dgv_List_CellDoubleClick(ByVal sender As Object, ByVal e As DataGridViewCellEventArgs) Handles dgv_List.CellDoubleClick
        If e.RowIndex >= 0 Then ShowAndReload(New FrmEditTag(RowKey(e.RowIndex), Me))
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
            If Not BLL.bllTag.DelTag(keys.ToArray()) Then
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
