<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmAddBook
    Inherits System.Windows.Forms.Form
    'Form 重写 Dispose，以清理组件列表。
    <System.Diagnostics.DebuggerNonUserCode()> _
    Protected Overrides Sub Dispose(ByVal disposing As Boolean)
        Try
            If disposing AndAlso components IsNot Nothing Then
                components.Dispose()
            End If
        Finally
            MyBase.Dispose(disposing)
        End Try
    End Sub

    'Windows 窗体设计器所必需的
    Private components As System.ComponentModel.IContainer
 '注意: 以下过程是 Windows 窗体设计器所必需的;
    '可以使用 Windows 窗体设计器修改它。
    '不要使用代码编辑器修改它。
  <System.Diagnostics.DebuggerStepThrough()> _
   Private Sub InitializeComponent()
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmAddBook))
        Me.Btn_Add = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_bookName = New System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_bookName)
      'label1
        Me.label1.AutoSize = True
        Me.label1.Location = New System.Drawing.Point(95, 47)
        Me.label1.Name = "label1"
        Me.label1.Size = new System.Drawing.Size(65, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "书名："
        'txt_bookName
        Me.txt_bookName.Location = new System.Drawing.Point(194, 44)
        Me.txt_bookName.Multiline = True
        Me.txt_bookName.Name = "txt_bookName"
        Me.txt_bookName.ScrollBars = System.Windows.Forms.ScrollBars.Vertical
        Me.txt_bookName.Size = new System.Drawing.Size(199, 50)
        Me.txt_bookName.TabIndex = 1
        Me.label2 = New System.Windows.Forms.Label()
        Me.txt_author = New System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label2)
        Me.Controls.Add(Me.txt_author)
      'label2
        Me.label2.AutoSize = True
        Me.label2.Location = New System.Drawing.Point(95, 111)
        Me.label2.Name = "label2"
        Me.label2.Size = new System.Drawing.Size(65, 12)
        Me.label2.TabIndex = 2
        Me.label2.Text = "作者："
        'txt_author
        Me.txt_author.Location = new System.Drawing.Point(194, 108)
        Me.txt_author.Name = "txt_author"
        Me.txt_author.Size = new System.Drawing.Size(199, 20)
        Me.txt_author.TabIndex = 3
        Me.label3 = new System.Windows.Forms.Label()
        Me.txt_price = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label3)
        Me.Controls.Add(Me.txt_price)
        'label3
        Me.label3.AutoSize = true
        Me.label3.Location = new System.Drawing.Point(95, 146)
        Me.label3.Name = "label3"
        Me.label3.Size = new System.Drawing.Size(65, 12)
        Me.label3.TabIndex = 4
        Me.label3.Text = "价格："
        ' txt_price
        Me.txt_price.Location = new System.Drawing.Point(194, 143)
        Me.txt_price.Name = "txt_price"
        Me.txt_price.Size = new System.Drawing.Size(199, 21)
        Me.txt_price.TabIndex = 5
        Me.label4 = new System.Windows.Forms.Label()
        Me.txt_stock = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label4)
        Me.Controls.Add(Me.txt_stock)
        'label4
        Me.label4.AutoSize = true
        Me.label4.Location = new System.Drawing.Point(95, 181)
        Me.label4.Name = "label4"
        Me.label4.Size = new System.Drawing.Size(65, 12)
        Me.label4.TabIndex = 6
        Me.label4.Text = "库存："
        ' txt_stock
        Me.txt_stock.Location = new System.Drawing.Point(194, 178)
        Me.txt_stock.Name = "txt_stock"
        Me.txt_stock.Size = new System.Drawing.Size(199, 21)
        Me.txt_stock.TabIndex = 7
        Me.label5 = new System.Windows.Forms.Label()
        Me.dtp_publishDate = new System.Windows.Forms.DateTimePicker()
        Me.txt_publishDate = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label5)
        Me.Controls.Add(Me.dtp_publishDate)
        'label5
        Me.label5.AutoSize = true
        Me.label5.Location = new System.Drawing.Point(95, 216)
        Me.label5.Name = "label5"
        Me.label5.Size = new System.Drawing.Size(65, 12)
        Me.label5.TabIndex = 8
        Me.label5.Text = "出版日期："
        'dtp_publishDate
        Me.dtp_publishDate.Location = new System.Drawing.Point(194, 213)
        Me.dtp_publishDate.Name = "dtp_publishDate"
        Me.dtp_publishDate.Size = new System.Drawing.Size(208, 21)
        Me.dtp_publishDate.TabIndex = 9
        Me.label6 = new System.Windows.Forms.Label()
        Me.pictureBox_cover = new System.Windows.Forms.PictureBox()
        CType(Me.pictureBox_cover, System.ComponentModel.ISupportInitialize).BeginInit()
        CType(Me.pictureBox_cover, System.ComponentModel.ISupportInitialize).EndInit()
        Me.txt_cover = new System.Windows.Forms.TextBox()
        Me.btn_cover = new System.Windows.Forms.Button()
        Me.Controls.Add(Me.label6)
        Me.Controls.Add(Me.pictureBox_cover)
        Me.Controls.Add(Me.txt_cover)
        Me.Controls.Add(Me.btn_cover)
        ' label6
        Me.label6.AutoSize = true
        Me.label6.Location = new System.Drawing.Point(95, 251)
        Me.label6.Name = "label6"
        Me.label6.Size = new System.Drawing.Size(65, 12)
        Me.label6.TabIndex = 10
        Me.label6.Text = "封面："
        ' pictureBox_cover
        Me.pictureBox_cover.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch
        Me.pictureBox_cover.Location = new System.Drawing.Point(194, 248)
        Me.pictureBox_cover.Name = "pictureBox_cover"
        Me.pictureBox_cover.Size = new System.Drawing.Size(156, 140)
        Me.pictureBox_cover.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage
        Me.pictureBox_cover.TabIndex = 11
        Me.pictureBox_cover.TabStop = false
        'txt_cover
        Me.txt_cover.Location = new System.Drawing.Point(194, 397)
        Me.txt_cover.Name = "txt_cover"
        Me.txt_cover.ReadOnly = true
        Me.txt_cover.Size = new System.Drawing.Size(300, 21)
        Me.txt_cover.TabIndex = 12
        'btn_cover
        Me.btn_cover.Location = new System.Drawing.Point(365, 365)
        Me.btn_cover.Name = "btn_cover"
        Me.btn_cover.Size = new System.Drawing.Size(60, 26)
        Me.btn_cover.TabIndex = 13
        Me.btn_cover.Text = "上 传"
        Me.btn_cover.UseVisualStyleBackColor = true
        Me.label7 = new System.Windows.Forms.Label()
        Me.cb_category = new System.Windows.Forms.ComboBox()
        Me.Controls.Add(Me.label7)
        Me.Controls.Add(Me.cb_category)
        'label7
        Me.label7.AutoSize = true
        Me.label7.Location = new System.Drawing.Point(95, 429)
        Me.label7.Name = "label7"
        Me.label7.Size = new System.Drawing.Size(65, 12)
        Me.label7.TabIndex = 14
        Me.label7.Text = "类别："
        'cb_category
        Me.cb_category.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
        Me.cb_category.FormattingEnabled = true
        Me.cb_category.Location = new System.Drawing.Point(194, 426)
        Me.cb_category.Name = "cb_category"
        Me.cb_category.Size = new System.Drawing.Size(199, 20)
        Me.cb_category.TabIndex = 15
        Me.label8 = new System.Windows.Forms.Label()
        Me.cb_publisher = new System.Windows.Forms.ComboBox()
        Me.Controls.Add(Me.label8)
        Me.Controls.Add(Me.cb_publisher)
        'label8
        Me.label8.AutoSize = true
        Me.label8.Location = new System.Drawing.Point(95, 464)
        Me.label8.Name = "label8"
        Me.label8.Size = new System.Drawing.Size(65, 12)
        Me.label8.TabIndex = 16
        Me.label8.Text = "出版社："
        'cb_publisher
        Me.cb_publisher.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
        Me.cb_publisher.FormattingEnabled = true
        Me.cb_publisher.Location = new System.Drawing.Point(194, 461)
        Me.cb_publisher.Name = "cb_publisher"
        Me.cb_publisher.Size = new System.Drawing.Size(199, 20)
        Me.cb_publisher.TabIndex = 17
        'Btn_Add
        Me.Btn_Add.Location = new System.Drawing.Point(208, 499)
        Me.Btn_Add.Name = "Btn_Add"
        Me.Btn_Add.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Add.TabIndex = 18
        Me.Btn_Add.Text = "添加图书"
        Me.Btn_Add.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmAddBook
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Add)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmAddBook"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "图书添加界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_bookName As System.Windows.Forms.TextBox
    Private WithEvents label2 As System.Windows.Forms.Label
    Private WithEvents txt_author As System.Windows.Forms.TextBox
    Private WithEvents label3 As System.Windows.Forms.Label
    Private WithEvents txt_price As System.Windows.Forms.TextBox
    Private WithEvents label4 As System.Windows.Forms.Label
    Private WithEvents txt_stock As System.Windows.Forms.TextBox
    Private WithEvents label5 As System.Windows.Forms.Label
    Private WithEvents txt_publishDate As System.Windows.Forms.TextBox
    Private WithEvents dtp_publishDate As System.Windows.Forms.DateTimePicker
    Private WithEvents label6 As System.Windows.Forms.Label
    Private WithEvents txt_cover As System.Windows.Forms.TextBox
    Private WithEvents pictureBox_cover As System.Windows.Forms.PictureBox
    Private WithEvents btn_cover As System.Windows.Forms.Button
    Private WithEvents label7 As System.Windows.Forms.Label
    Private WithEvents cb_category As System.Windows.Forms.ComboBox
    Private WithEvents label8 As System.Windows.Forms.Label
    Private WithEvents cb_publisher As System.Windows.Forms.ComboBox
    Private WithEvents Btn_Add As System.Windows.Forms.Button
End Class
