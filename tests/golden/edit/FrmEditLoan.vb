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
        loan.reader = Me.cb_reader.SelectedValue.ToString()
        If BLL.bllLoan.EditLoan(loan) Then
            MessageBox.Show("借阅更新成功!")
        Else
            MessageBox.Show("借阅更新失败!")
        End If
        Me.Close()
    End Sub
    Private Sub FrmEditLoan_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        loan = BLL.bllLoan.getSomeLoan(book)
        '查询所有的读者
        Dim readerDs As DataSet = BLL.bllReader.getAllReader()
        Me.cb_reader.DataSource = readerDs.Tables(0)
        Me.cb_reader.DisplayMember = "readerName"
        Me.cb_reader.ValueMember = "readerNo"
        Me.cb_reader.SelectedValue = loan.reader.ToString()
        Me.txt_book.[ReadOnly] = True
    End Sub
End Class
