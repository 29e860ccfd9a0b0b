Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmAddTag
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private tag As New Tag()
    Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click
        Try
            If BLL.bllTag.AddTag(tag) Then
                MessageBox.Show("添加成功!")
                Me.Close()
            Else
                MessageBox.Show("添加失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "添加失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub

    Private Sub FrmAddTag_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
    End Sub
End Class
