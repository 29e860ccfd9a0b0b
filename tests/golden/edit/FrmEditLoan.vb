Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditLoan
    Inherits Form
    Public Sub New(ByVal book As [String], ByVal frmQueryLoan As FrmQueryLoan)
        InitializeComponent()
        Me.book = book
        Me.frmQueryLoan = frmQueryLoan
    End Sub
    Private loan As Loan
    Private book As [String]
    Private frmQueryLoan As FrmQueryLoan
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        If Me.cb_reader.SelectedValue Is Nothing Then
            MessageBox.Show("请选择读者!")
            Me.cb_reader.Focus()
            Return
        End If
        loan.reader = Me.cb_reader.SelectedValue.ToString()
        Try
            If BLL.bllLoan.EditLoan(loan) Then
                MessageBox.Show("借阅更新成功!")
                Me.Close()
            Else
                MessageBox.Show("借阅更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "借阅更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditLoan_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_book.[ReadOnly] = True
        Try
            loan = BLL.bllLoan.getSomeLoan(book)
            '查询所有的读者
            Dim readerDs As DataSet = BLL.bllReader.getAllReader()
            Me.cb_reader.DataSource = readerDs.Tables(0)
            Me.cb_reader.DisplayMember = "readerName"
            Me.cb_reader.ValueMember = "readerNo"
            Me.cb_reader.SelectedValue = loan.reader.ToString()
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取借阅失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
