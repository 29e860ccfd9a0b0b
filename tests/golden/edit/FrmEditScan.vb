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
        Try
            If BLL.bllScan.EditScan(scan) Then
                MessageBox.Show("扫描件更新成功!")
                Me.Close()
            Else
                MessageBox.Show("扫描件更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "扫描件更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditScan_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_scanPic.[ReadOnly] = True
        Try
            scan = BLL.bllScan.getSomeScan(scanPic)
            Me.txt_title.Text = scan.title
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取扫描件失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
