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
        If BLL.bllShelf.EditShelf(shelf) Then
            MessageBox.Show("书架更新成功!")
        Else
            MessageBox.Show("书架更新失败!")
        End If
        Me.Close()
    End Sub
    Private Sub FrmEditShelf_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        shelf = BLL.bllShelf.getSomeShelf(shelfCode)
        Me.txt_shelfCode.[ReadOnly] = True
        Me.txt_shelfCode.Text = shelf.shelfCode
    End Sub
End Class
