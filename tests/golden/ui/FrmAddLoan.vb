Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmAddLoan
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private loan As New Loan()
    Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click
        If Me.cb_borrower.SelectedValue Is Nothing Then
            MessageBox.Show("请选择借书人!")
            Me.cb_borrower.Focus()
            Return
        End If
        loan.borrower = Int32.Parse(Me.cb_borrower.SelectedValue.ToString())
        If Me.cb_handler.SelectedValue Is Nothing Then
            MessageBox.Show("请选择经办人!")
            Me.cb_handler.Focus()
            Return
        End If
        loan.handler = Int32.Parse(Me.cb_handler.SelectedValue.ToString())
        Try
            If BLL.bllLoan.AddLoan(loan) Then
                MessageBox.Show("借阅添加成功!")
                Me.Close()
            Else
                MessageBox.Show("借阅添加失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "借阅添加失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub

    Private Sub FrmAddLoan_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Try
            '查询所有的人员
            Dim personDs As DataSet = BLL.bllPerson.getAllPerson()
            Me.cb_borrower.DataSource = personDs.Tables(0)
            Me.cb_borrower.DisplayMember = "personName"
            Me.cb_borrower.ValueMember = "personId"
            '查询所有的人员
            personDs = BLL.bllPerson.getAllPerson()
            Me.cb_handler.DataSource = personDs.Tables(0)
            Me.cb_handler.DisplayMember = "personName"
            Me.cb_handler.ValueMember = "personId"
        Catch ex As Exception
            MessageBox.Show(Me, "读取下拉列表失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
