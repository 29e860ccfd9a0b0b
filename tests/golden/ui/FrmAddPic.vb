Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmAddPic
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private pic As New Pic()
    Private Sub btn_photo_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_photo.Click
        Dim openFileDialog1 As New OpenFileDialog()
        Try
            openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)
            openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png"
            If openFileDialog1.ShowDialog() = DialogResult.OK Then
                Me.txt_photo.Text = openFileDialog1.FileName
                pictureBox_photo.Image = Image.FromFile(txt_photo.Text)
                pictureBox_photo.SizeMode = PictureBoxSizeMode.StretchImage
                Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)
                Dim bw As New BinaryReader(fs)
                pic.photo = bw.ReadBytes(CInt(fs.Length))
            End If
        Catch
            MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)
        End Try
    End Sub
    Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click
        If Me.txt_picKey.Text = "" Then
            MessageBox.Show("图片编号输入不能为空!")
            Me.txt_picKey.Focus()
            Return
        End If
        'picKey
        pic.picKey = System.Text.Encoding.Default.GetBytes(Me.txt_picKey.Text)
        '名称
        pic.picName = Me.txt_picName.Text
        Try
            If BLL.bllPic.AddPic(pic) Then
                MessageBox.Show("图添加成功!")
                Me.Close()
            Else
                MessageBox.Show("图添加失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "图添加失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub

    Private Sub FrmAddPic_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Try
            pictureBox_photo.Image = Image.FromFile(Path.Combine(Application.StartupPath, "pic", "NoImage.jpg"))
            pictureBox_photo.SizeMode = PictureBoxSizeMode.StretchImage
            Dim fs_photo As New FileStream(Path.Combine(Application.StartupPath, "pic", "NoImage.jpg"), FileMode.Open, FileAccess.Read)
            Dim bw_photo As New BinaryReader(fs_photo)
            pic.photo = bw_photo.ReadBytes(CInt(fs_photo.Length))
        Catch ex As Exception
            MessageBox.Show(Me, "读取默认图片失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
