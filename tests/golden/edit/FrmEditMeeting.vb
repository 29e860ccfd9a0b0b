Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditMeeting
    Inherits Form
    Public Sub New(ByVal meetDate As [String], ByVal frmQueryMeeting As FrmQueryMeeting)
        InitializeComponent()
        Me.meetDate = meetDate
        Me.frmQueryMeeting = frmQueryMeeting
    End Sub
    Private meeting As Meeting
    Private meetDate As [String]
    Private frmQueryMeeting As FrmQueryMeeting
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        If Me.txt_topic.Text = "" Then
            MessageBox.Show("议题输入不能为空!")
            Me.txt_topic.Focus()
            Return
        End If
        '议题
        meeting.topic = Me.txt_topic.Text
        Try
            If BLL.bllMeeting.EditMeeting(meeting) Then
                MessageBox.Show("会议更新成功!")
                Me.Close()
            Else
                MessageBox.Show("会议更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "会议更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditMeeting_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_meetDate.[ReadOnly] = True
        Try
            meeting = BLL.bllMeeting.getSomeMeeting(meetDate)
            Me.txt_meetDate.Text = meeting.meetDate.ToString()
            Me.txt_topic.Text = meeting.topic
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取会议失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
