Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditNote
    Inherits Form
    Public Sub New(ByVal noteId As Integer, ByVal frmQueryNote As FrmQueryNote)
        InitializeComponent()
        Me.noteId = noteId
        Me.frmQueryNote = frmQueryNote
    End Sub
    Private note As Note
    Private noteId As Integer
    Private frmQueryNote As FrmQueryNote
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        '内容
        note.content = Me.txt_content.Text
        Try
            If BLL.bllNote.EditNote(note) Then
                MessageBox.Show("更新成功!")
                Me.Close()
            Else
                MessageBox.Show("更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub FrmEditNote_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_noteId.[ReadOnly] = True
        Try
            note = BLL.bllNote.getSomeNote(noteId)
            Me.txt_noteId.Text = note.noteId.ToString()
            Me.txt_content.Text = note.content
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
