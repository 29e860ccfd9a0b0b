Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditTransfer
    Inherits Form
    Public Sub New(ByVal transferId As Integer, ByVal frmQueryTransfer As FrmQueryTransfer)
        InitializeComponent()
        Me.transferId = transferId
        Me.frmQueryTransfer = frmQueryTransfer
    End Sub
    Private transfer As Transfer
    Private transferId As Integer
    Private frmQueryTransfer As FrmQueryTransfer
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        If Me.cb_fromDept.SelectedValue Is Nothing Then
            MessageBox.Show("请选择调出部门!")
            Me.cb_fromDept.Focus()
            Return
        End If
        transfer.fromDept = Me.cb_fromDept.SelectedValue.ToString()
        If Me.cb_toDept.SelectedValue Is Nothing Then
            MessageBox.Show("请选择调入部门!")
            Me.cb_toDept.Focus()
            Return
        End If
        transfer.toDept = Me.cb_toDept.SelectedValue.ToString()
        Try
            If BLL.bllTransfer.EditTransfer(transfer) Then
                MessageBox.Show("调动更新成功!")
                Me.Close()
            Else
                MessageBox.Show("调动更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "调动更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditTransfer_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_transferId.[ReadOnly] = True
        Try
            transfer = BLL.bllTransfer.getSomeTransfer(transferId)
            '查询所有的部门
            Dim fromDeptDs As DataSet = BLL.bllDept.getAllDept()
            Me.cb_fromDept.DataSource = fromDeptDs.Tables(0)
            Me.cb_fromDept.DisplayMember = "deptName"
            Me.cb_fromDept.ValueMember = "deptNo"
            Me.cb_fromDept.SelectedValue = transfer.fromDept.ToString()
            '查询所有的部门
            Dim toDeptDs As DataSet = BLL.bllDept.getAllDept()
            Me.cb_toDept.DataSource = toDeptDs.Tables(0)
            Me.cb_toDept.DisplayMember = "deptName"
            Me.cb_toDept.ValueMember = "deptNo"
            Me.cb_toDept.SelectedValue = transfer.toDept.ToString()
            Me.txt_transferId.Text = transfer.transferId.ToString()
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取调动失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
