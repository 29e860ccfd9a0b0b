Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms
Imports System.IO
Imports Model

Partial Public Class FrmAddBook
Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub

    Private book As New Book()
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
    Private Sub Btn_Add_Click(ByVal sender As Object, ByVal e As EventArgs) Handles Btn_Add.Click
        If Me.txt_bookName.Text = "" Then
            MessageBox.Show("书名输入不能为空!")
            Me.txt_bookName.Focus()
            Return
        End If
        '书名
        book.bookName = Me.txt_bookName.Text
        '作者
        book.author = Me.txt_author.Text
        Try
            '价格
            book.price = Convert.ToSingle(Me.txt_price.Text)
        Catch
            MessageBox.Show("价格请输入正确的格式!")
            Me.txt_price.SelectAll()
            Me.txt_price.Focus()
            Return
        End Try
        Try
            '库存
            book.stock = Convert.ToInt32(Me.txt_stock.Text)
        Catch
            MessageBox.Show("库存请输入正确的格式!")
            Me.txt_stock.SelectAll()
            Me.txt_stock.Focus()
            Return
        End Try
        book.publishDate = Me.dtp_publishDate.Value
        If Me.cb_category.SelectedValue Is Nothing Then
            MessageBox.Show("请选择类别!")
            Me.cb_category.Focus()
            Return
        End If
        book.category = Int32.Parse(Me.cb_category.SelectedValue.ToString())
        If Me.cb_publisher.SelectedValue Is Nothing Then
            MessageBox.Show("请选择出版社!")
            Me.cb_publisher.Focus()
            Return
        End If
        book.publisher = Me.cb_publisher.SelectedValue.ToString()
        Try
            If BLL.bllBook.AddBook(book) Then
                MessageBox.Show("图书添加成功!")
                Me.Close()
            Else
                MessageBox.Show("图书添加失败!")
            End If
        Catch ex As Exception
            MessageBox.Show(Me, "图书添加失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub

    Private Sub FrmAddBook_Load(ByVal sender As Object, ByVal e As EventArgs) Handles MyBase.Load
        Try
            '查询所有的图书类别
            Dim categoryDs As DataSet = BLL.bllCategory.getAllCategory()
            Me.cb_category.DataSource = categoryDs.Tables(0)
            Me.cb_category.DisplayMember = "categoryName"
            Me.cb_category.ValueMember = "categoryId"
            '查询所有的出版社
            Dim publisherDs As DataSet = BLL.bllPublisher.getAllPublisher()
            Me.cb_publisher.DataSource = publisherDs.Tables(0)
            Me.cb_publisher.DisplayMember = "publisherName"
            Me.cb_publisher.ValueMember = "publisherNo"
        Catch ex As Exception
            MessageBox.Show(Me, "读取下拉列表失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
        Try
            pictureBox_cover.Image = Image.FromFile(Path.Combine(Application.StartupPath, "pic", "NoImage.jpg"))
            pictureBox_cover.SizeMode = PictureBoxSizeMode.StretchImage
            Dim fs_cover As New FileStream(Path.Combine(Application.StartupPath, "pic", "NoImage.jpg"), FileMode.Open, FileAccess.Read)
            Dim bw_cover As New BinaryReader(fs_cover)
            book.cover = bw_cover.ReadBytes(CInt(fs_cover.Length))
        Catch ex As Exception
            MessageBox.Show(Me, "读取默认图片失败：" & ex.Message, "操作失败", MessageBoxButtons.OK, MessageBoxIcon.Error)
        End Try
    End Sub
End Class
