Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmEditBook
    Inherits Form
    Public Sub New(ByVal bookId As Integer, ByVal frmQueryBook As FrmQueryBook)
        InitializeComponent()
        Me.bookId = bookId
        Me.frmQueryBook = frmQueryBook
    End Sub
    Private book As Book
    Private bookId As Integer
    Private frmQueryBook As FrmQueryBook
    Private Sub Btn_Update_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Update.Click
        If Me.txt_bookName.Text = "" Then
            MessageBox.Show("图书名称输入不能为空!")
            Me.txt_bookName.Focus()
            Return
        End If
        '图书名称
        book.bookName = Me.txt_bookName.Text
        If Me.cb_category.SelectedValue Is Nothing Then
            MessageBox.Show("请选择图书类别!")
            Me.cb_category.Focus()
            Return
        End If
        book.category = Int32.Parse(Me.cb_category.SelectedValue.ToString())  '图书类别
        Try
            If BLL.bllBook.EditBook(book) Then
                MessageBox.Show("图书更新成功!")
                Me.Close()
            Else
                MessageBox.Show("图书更新失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "图书更新失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
    Private Sub btn_cover_Click(ByVal sender As Object, ByVal e As EventArgs) Handles btn_cover.Click
        Dim openFileDialog1 As New OpenFileDialog()
        Try
            openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer)
            openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png"
            If openFileDialog1.ShowDialog() = DialogResult.OK Then
                Me.txt_cover.Text = openFileDialog1.FileName
                pictureBox_cover.Image = Image.FromFile(txt_cover.Text)
                pictureBox_cover.SizeMode = PictureBoxSizeMode.StretchImage
                Dim fs As New FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read)
                Dim bw As New BinaryReader(fs)
                book.cover = bw.ReadBytes(CInt(fs.Length))
            End If
        Catch
            MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk)
        End Try
    End Sub

    Private Sub FrmEditBook_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Me.txt_bookId.[ReadOnly] = True
        Try
            book = BLL.bllBook.getSomeBook(bookId)
            '查询所有的图书类别
            Dim categoryDs As DataSet = BLL.bllBookType.getAllBookType()
            Me.cb_category.DataSource = categoryDs.Tables(0)
            Me.cb_category.DisplayMember = "typeName"
            Me.cb_category.ValueMember = "typeId"
            Me.cb_category.SelectedValue = book.category.ToString()
            Me.txt_bookId.Text = book.bookId.ToString()
            Me.txt_bookName.Text = book.bookName
            Dim cover As Byte() = DirectCast(book.cover, Byte())
            Dim ms As New MemoryStream(cover)
            pictureBox_cover.Image = Image.FromStream(ms)
        Catch ex As Exception
            Me.Btn_Update.Enabled = False
            MessageBox.Show(Me, "读取图书失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
