Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmAddSeat
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private seat As New Seat()
    Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click
        If Me.txt_room.Text = "" Then
            MessageBox.Show("房间输入不能为空!")
            Me.txt_room.Focus()
            Return
        End If
        'room
        seat.room = Me.txt_room.Text
        '座位名
        seat.seatName = Me.txt_seatName.Text
        If Me.cb_owner.SelectedValue Is Nothing Then
            MessageBox.Show("请选择主人!")
            Me.cb_owner.Focus()
            Return
        End If
        seat.owner = Int32.Parse(Me.cb_owner.SelectedValue.ToString())
        Try
            If BLL.bllSeat.AddSeat(seat) Then
                MessageBox.Show("座位添加成功!")
                Me.Close()
            Else
                MessageBox.Show("座位添加失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "座位添加失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub

    Private Sub FrmAddSeat_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Try
            '查询所有的人员
            Dim personDs As DataSet = BLL.bllPerson.getAllPerson()
            Me.cb_owner.DataSource = personDs.Tables(0)
            Me.cb_owner.DisplayMember = "personName"
            Me.cb_owner.ValueMember = "personId"
        Catch ex As Exception
            MessageBox.Show(Me, "读取下拉列表失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
