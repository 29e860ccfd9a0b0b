Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditReader
    Inherits Form
    Public Sub New(ByVal readerNo As [String], ByVal frmQueryReader As FrmQueryReader)
        InitializeComponent()
        Me.readerNo = readerNo
        Me.frmQueryReader = frmQueryReader
    End Sub
    Private reader As Reader
    Private readerNo As [String]
    Private frmQueryReader As FrmQueryReader
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        '姓名
        reader.readerName = Me.txt_readerName.Text
        Try
            '年龄
                reader.age = Convert.ToInt32(Me.txt_age.Text)  '图书库存
        Catch
            MessageBox.Show("年龄请输入正确的格式!")
            Me.txt_age.SelectAll()
            Me.txt_age.Focus()
            Return
        End Try
        Try
            '余额
            reader.balance = Convert.ToSingle(Me.txt_balance.Text)
        Catch
            MessageBox.Show("余额请输入正确的格式!")
            Me.txt_balance.SelectAll()
            Me.txt_balance.Focus()
            Return
        End Try
        reader.birthday = Me.dtp_birthday.Value
        If Me.cb_dept.SelectedValue Is Nothing Then
            MessageBox.Show("请选择所在部门!")
            Me.cb_dept.Focus()
            Return
        End If
        reader.dept = Me.cb_dept.SelectedValue.ToString()
        Try
            If BLL.bllReader.EditReader(reader) Then
                MessageBox.Show("读者更新成功!")
                Me.Close()
            Else
                MessageBox.Show("读者更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "读者更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditReader_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_readerNo.[ReadOnly] = True
        Try
            reader = BLL.bllReader.getSomeReader(readerNo)
            '查询所有的部门
            Dim deptDs As DataSet = BLL.bllDept.getAllDept()
            Me.cb_dept.DataSource = deptDs.Tables(0)
            Me.cb_dept.DisplayMember = "deptName"
            Me.cb_dept.ValueMember = "deptNo"
            Me.cb_dept.SelectedValue = reader.dept.ToString()
            Me.txt_readerNo.Text = reader.readerNo
            Me.txt_readerName.Text = reader.readerName
            Me.txt_age.Text = reader.age.ToString()
            Me.txt_balance.Text = reader.balance.ToString()
            Me.dtp_birthday.Value = reader.birthday
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取读者失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
