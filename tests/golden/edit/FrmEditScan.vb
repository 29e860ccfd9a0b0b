Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditScan
    Inherits Form
    Public Sub New(ByVal scanPic As [String], ByVal frmQueryScan As FrmQueryScan)
        InitializeComponent()
        Me.scanPic = scanPic
        Me.frmQueryScan = frmQueryScan
    End Sub
    Private scan As Scan
    Private scanPic As [String]
    Private frmQueryScan As FrmQueryScan
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        '标题
        scan.title = Me.txt_title.Text
        If BLL.bllScan.EditScan(scan) Then
            MessageBox.Show("扫描件更新成功!")
        Else
            MessageBox.Show("扫描件更新失败!")
        End If
        Me.Close()
    End Sub
    Private Sub FrmEditScan_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        scan = BLL.bllScan.getSomeScan(scanPic)
        Me.txt_scanPic.[ReadOnly] = True
        Me.txt_title.Text = scan.title
    End Sub
End Class
