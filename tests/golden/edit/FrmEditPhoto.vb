Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditPhoto
    Inherits Form
    Public Sub New(ByVal photoId As Integer, ByVal frmQueryPhoto As FrmQueryPhoto)
        InitializeComponent()
        Me.photoId = photoId
        Me.frmQueryPhoto = frmQueryPhoto
    End Sub
    Private photo As Photo
    Private photoId As Integer
    Private frmQueryPhoto As FrmQueryPhoto
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        '标题
        photo.title = Me.txt_title.Text
        Try
            If BLL.bllPhoto.EditPhoto(photo) Then
                MessageBox.Show("相册更新成功!")
                Me.Close()
            Else
                MessageBox.Show("相册更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "相册更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub btn_front_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_front.Click
        Dim openFileDialog1 As New OpenFileDialog()
        Try
            openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)
            openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png"
            If openFileDialog1.ShowDialog() = DialogResult.OK Then
                Me.txt_front.Text = openFileDialog1.FileName
                pictureBox_front.Image = Image.FromFile(txt_front.Text)
                pictureBox_front.SizeMode = PictureBoxSizeMode.StretchImage
                Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)
                Dim bw As New BinaryReader(fs)
                photo.front = bw.ReadBytes(CInt(fs.Length))
            End If
        Catch
            MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)
        End Try
    End Sub

    Private Sub btn_back_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_back.Click
        Dim openFileDialog1 As New OpenFileDialog()
        Try
            openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)
            openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png"
            If openFileDialog1.ShowDialog() = DialogResult.OK Then
                Me.txt_back.Text = openFileDialog1.FileName
                pictureBox_back.Image = Image.FromFile(txt_back.Text)
                pictureBox_back.SizeMode = PictureBoxSizeMode.StretchImage
                Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)
                Dim bw As New BinaryReader(fs)
                photo.back = bw.ReadBytes(CInt(fs.Length))
            End If
        Catch
            MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)
        End Try
    End Sub

    Private Sub FrmEditPhoto_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_photoId.[ReadOnly] = True
        Try
            photo = BLL.bllPhoto.getSomePhoto(photoId)
            Me.txt_photoId.Text = photo.photoId.ToString()
            Me.txt_title.Text = photo.title
            Dim front As Byte() = DirectCast(photo.front, Byte())
            Dim ms As New MemoryStream(front)
            pictureBox_front.Image = Image.FromStream(ms)
            Dim back As Byte() = DirectCast(photo.back, Byte())
            ms = New MemoryStream(back)
            pictureBox_back.Image = Image.FromStream(ms)
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取相册失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
