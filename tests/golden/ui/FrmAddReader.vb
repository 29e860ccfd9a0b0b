Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmAddReader
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private reader As New Reader()
    Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click
        If Me.txt_readerNo.Text = "" Then
            MessageBox.Show("读者编号输入不能为空!")
            Me.txt_readerNo.Focus()
            Return
        End If
        'readerNo
        reader.readerNo = Me.txt_readerNo.Text
        If Me.txt_readerName.Text = "" Then
            MessageBox.Show("姓名输入不能为空!")
            Me.txt_readerName.Focus()
            Return
        End If
        '姓名
        reader.readerName = Me.txt_readerName.Text
        '电话
        reader.phone = Me.txt_phone.Text
        Try
            If BLL.bllReader.AddReader(reader) Then
                MessageBox.Show("读者添加成功!")
                Me.Close()
            Else
                MessageBox.Show("读者添加失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "读者添加失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub

    Private Sub FrmAddReader_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
    End Sub
End Class
