<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmEditBook
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

    '注意: 以下过程是 Windows 窗体设计器所必需的
    '可以使用 Windows 窗体设计器修改它。
    '不要使用代码编辑器修改它。

    <System.Diagnostics.DebuggerStepThrough()> _
    Private Sub InitializeComponent()
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmEditBook))
        Me.Btn_Update = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_bookId = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_bookId)
        'label1
        Me.label1.AutoSize = true
        Me.label1.Location = new System.Drawing.Point(95, 47)
        Me.label1.Name = "label1"
        Me.label1.Size = new System.Drawing.Size(77, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "图书编号："
        'txt_bookId
        Me.txt_bookId.Location = new System.Drawing.Point(194, 44)
        Me.txt_bookId.Name = "txt_bookId"
        Me.txt_bookId.Size = new System.Drawing.Size(199, 21)
        Me.txt_bookId.TabIndex = 1
        Me.label2 = new System.Windows.Forms.Label()
        Me.txt_bookName = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label2)
        Me.Controls.Add(Me.txt_bookName)
        'label2
        Me.label2.AutoSize = true
        Me.label2.Location = new System.Drawing.Point(95, 82)
        Me.label2.Name = "label2"
        Me.label2.Size = new System.Drawing.Size(65, 12)
        Me.label2.TabIndex = 2
        Me.label2.Text = "图书名称："
        'txt_bookName
        Me.txt_bookName.Location = new System.Drawing.Point(194, 79)
        Me.txt_bookName.Name = "txt_bookName"
        Me.txt_bookName.Size = new System.Drawing.Size(199, 20)
        Me.txt_bookName.TabIndex = 3
        Me.label3 = new System.Windows.Forms.Label()
        Me.pictureBox_cover = new System.Windows.Forms.PictureBox()
        CType(Me.pictureBox_cover, System.ComponentModel.ISupportInitialize).BeginInit()
        CType(Me.pictureBox_cover, System.ComponentModel.ISupportInitialize).EndInit()
        Me.txt_cover = new System.Windows.Forms.TextBox()
        Me.btn_cover = new System.Windows.Forms.Button()
        Me.Controls.Add(Me.label3)
        Me.Controls.Add(Me.pictureBox_cover)
        Me.Controls.Add(Me.txt_cover)
        Me.Controls.Add(Me.btn_cover)
        'label3
        Me.label3.AutoSize = true
        Me.label3.Location = new System.Drawing.Point(95, 117)
        Me.label3.Name = "label3"
        Me.label3.Size = new System.Drawing.Size(65, 12)
        Me.label3.TabIndex = 4
        Me.label3.Text = "封面："
        'pictureBox_cover
        Me.pictureBox_cover.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch
        Me.pictureBox_cover.Location = new System.Drawing.Point(194, 114)
        Me.pictureBox_cover.Name = "pictureBox_cover"
        Me.pictureBox_cover.Size = new System.Drawing.Size(156, 140)
        Me.pictureBox_cover.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage
        Me.pictureBox_cover.TabIndex = 5
        Me.pictureBox_cover.TabStop = false
        'txt_cover
        Me.txt_cover.Location = new System.Drawing.Point(194, 263)
        Me.txt_cover.Name = "txt_cover"
        Me.txt_cover.ReadOnly = true
        Me.txt_cover.Size = new System.Drawing.Size(300, 21)
        Me.txt_cover.TabIndex = 6
        'btn_cover
        Me.btn_cover.Location = new System.Drawing.Point(365, 231)
        Me.btn_cover.Name = "btn_cover"
        Me.btn_cover.Size = new System.Drawing.Size(60, 26)
        Me.btn_cover.TabIndex = 7
        Me.btn_cover.Text = "上 传"
        Me.btn_cover.UseVisualStyleBackColor = true
        Me.label4 = new System.Windows.Forms.Label()
        Me.cb_category = new System.Windows.Forms.ComboBox()
        Me.Controls.Add(Me.label4)
        Me.Controls.Add(Me.cb_category)
        'label4
        Me.label4.AutoSize = true
        Me.label4.Location = new System.Drawing.Point(95, 295)
        Me.label4.Name = "label4"
        Me.label4.Size = new System.Drawing.Size(65, 12)
        Me.label4.TabIndex = 8
        Me.label4.Text = "图书类别："
        'cb_category
        Me.cb_category.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
        Me.cb_category.FormattingEnabled = true
        Me.cb_category.Location = new System.Drawing.Point(194, 292)
        Me.cb_category.Name = "cb_category"
        Me.cb_category.Size = new System.Drawing.Size(199, 20)
        Me.cb_category.TabIndex = 9
        'Btn_Update
        Me.Btn_Update.Location = new System.Drawing.Point(208, 330)
        Me.Btn_Update.Name = "Btn_Update"
        Me.Btn_Update.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Update.TabIndex = 10
        Me.Btn_Update.Text = "更新图书"
        Me.Btn_Update.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmUpdateBook
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Update)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmUpdateBook"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "图书编辑界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_bookId As System.Windows.Forms.TextBox
    Private WithEvents label2 As System.Windows.Forms.Label
    Private WithEvents txt_bookName As System.Windows.Forms.TextBox
    Private WithEvents label3 As System.Windows.Forms.Label
    Private WithEvents txt_cover As System.Windows.Forms.TextBox
    Private WithEvents pictureBox_cover As System.Windows.Forms.PictureBox
    Private WithEvents btn_cover As System.Windows.Forms.Button
    Private WithEvents label4 As System.Windows.Forms.Label
    Private WithEvents cb_category As System.Windows.Forms.ComboBox
    Private WithEvents Btn_Update As System.Windows.Forms.Button
End Class
