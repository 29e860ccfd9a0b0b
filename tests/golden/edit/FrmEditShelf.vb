Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditShelf
    Inherits Form
    Public Sub New(ByVal shelfCode As [String], ByVal frmQueryShelf As FrmQueryShelf)
        InitializeComponent()
        Me.shelfCode = shelfCode
        Me.frmQueryShelf = frmQueryShelf
    End Sub
    Private shelf As Shelf
    Private shelfCode As [String]
    Private frmQueryShelf As FrmQueryShelf
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        Try
            If BLL.bllShelf.EditShelf(shelf) Then
                MessageBox.Show("书架更新成功!")
                Me.Close()
            Else
                MessageBox.Show("书架更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "书架更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditShelf_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_shelfCode.[ReadOnly] = True
        Try
            shelf = BLL.bllShelf.getSomeShelf(shelfCode)
            Me.txt_shelfCode.Text = shelf.shelfCode
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取书架失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
