<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmEditPhoto
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmEditPhoto))
        Me.Btn_Update = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_photoId = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_photoId)
        'label1
        Me.label1.AutoSize = true
        Me.label1.Location = new System.Drawing.Point(95, 47)
        Me.label1.Name = "label1"
        Me.label1.Size = new System.Drawing.Size(77, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "相片编号："
        'txt_photoId
        Me.txt_photoId.Location = new System.Drawing.Point(194, 44)
        Me.txt_photoId.Name = "txt_photoId"
        Me.txt_photoId.Size = new System.Drawing.Size(199, 21)
        Me.txt_photoId.TabIndex = 1
        Me.label2 = new System.Windows.Forms.Label()
        Me.txt_title = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label2)
        Me.Controls.Add(Me.txt_title)
        'label2
        Me.label2.AutoSize = true
        Me.label2.Location = new System.Drawing.Point(95, 82)
        Me.label2.Name = "label2"
        Me.label2.Size = new System.Drawing.Size(65, 12)
        Me.label2.TabIndex = 2
        Me.label2.Text = "标题："
        'txt_title
        Me.txt_title.Location = new System.Drawing.Point(194, 79)
        Me.txt_title.Name = "txt_title"
        Me.txt_title.Size = new System.Drawing.Size(199, 20)
        Me.txt_title.TabIndex = 3
        Me.label3 = new System.Windows.Forms.Label()
        Me.pictureBox_front = new System.Windows.Forms.PictureBox()
        CType(Me.pictureBox_front, System.ComponentModel.ISupportInitialize).BeginInit()
        CType(Me.pictureBox_front, System.ComponentModel.ISupportInitialize).EndInit()
        Me.txt_front = new System.Windows.Forms.TextBox()
        Me.btn_front = new System.Windows.Forms.Button()
        Me.Controls.Add(Me.label3)
        Me.Controls.Add(Me.pictureBox_front)
        Me.Controls.Add(Me.txt_front)
        Me.Controls.Add(Me.btn_front)
        'label3
        Me.label3.AutoSize = true
        Me.label3.Location = new System.Drawing.Point(95, 117)
        Me.label3.Name = "label3"
        Me.label3.Size = new System.Drawing.Size(65, 12)
        Me.label3.TabIndex = 4
        Me.label3.Text = "正面："
        'pictureBox_front
        Me.pictureBox_front.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch
        Me.pictureBox_front.Location = new System.Drawing.Point(194, 114)
        Me.pictureBox_front.Name = "pictureBox_front"
        Me.pictureBox_front.Size = new System.Drawing.Size(156, 140)
        Me.pictureBox_front.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage
        Me.pictureBox_front.TabIndex = 5
        Me.pictureBox_front.TabStop = false
        'txt_front
        Me.txt_front.Location = new System.Drawing.Point(194, 263)
        Me.txt_front.Name = "txt_front"
        Me.txt_front.ReadOnly = true
        Me.txt_front.Size = new System.Drawing.Size(300, 21)
        Me.txt_front.TabIndex = 6
        'btn_front
        Me.btn_front.Location = new System.Drawing.Point(365, 231)
        Me.btn_front.Name = "btn_front"
        Me.btn_front.Size = new System.Drawing.Size(60, 26)
        Me.btn_front.TabIndex = 7
        Me.btn_front.Text = "上 传"
        Me.btn_front.UseVisualStyleBackColor = true
        Me.label4 = new System.Windows.Forms.Label()
        Me.pictureBox_back = new System.Windows.Forms.PictureBox()
        CType(Me.pictureBox_back, System.ComponentModel.ISupportInitialize).BeginInit()
        CType(Me.pictureBox_back, System.ComponentModel.ISupportInitialize).EndInit()
        Me.txt_back = new System.Windows.Forms.TextBox()
        Me.btn_back = new System.Windows.Forms.Button()
        Me.Controls.Add(Me.label4)
        Me.Controls.Add(Me.pictureBox_back)
        Me.Controls.Add(Me.txt_back)
        Me.Controls.Add(Me.btn_back)
        'label4
        Me.label4.AutoSize = true
        Me.label4.Location = new System.Drawing.Point(95, 295)
        Me.label4.Name = "label4"
        Me.label4.Size = new System.Drawing.Size(65, 12)
        Me.label4.TabIndex = 8
        Me.label4.Text = "背面："
        'pictureBox_back
        Me.pictureBox_back.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch
        Me.pictureBox_back.Location = new System.Drawing.Point(194, 292)
        Me.pictureBox_back.Name = "pictureBox_back"
        Me.pictureBox_back.Size = new System.Drawing.Size(156, 140)
        Me.pictureBox_back.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage
        Me.pictureBox_back.TabIndex = 9
        Me.pictureBox_back.TabStop = false
        'txt_back
        Me.txt_back.Location = new System.Drawing.Point(194, 441)
        Me.txt_back.Name = "txt_back"
        Me.txt_back.ReadOnly = true
        Me.txt_back.Size = new System.Drawing.Size(300, 21)
        Me.txt_back.TabIndex = 10
        'btn_back
        Me.btn_back.Location = new System.Drawing.Point(365, 409)
        Me.btn_back.Name = "btn_back"
        Me.btn_back.Size = new System.Drawing.Size(60, 26)
        Me.btn_back.TabIndex = 11
        Me.btn_back.Text = "上 传"
        Me.btn_back.UseVisualStyleBackColor = true
        'Btn_Update
        Me.Btn_Update.Location = new System.Drawing.Point(208, 473)
        Me.Btn_Update.Name = "Btn_Update"
        Me.Btn_Update.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Update.TabIndex = 12
        Me.Btn_Update.Text = "更新相册"
        Me.Btn_Update.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmUpdatePhoto
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Update)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmUpdatePhoto"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "相册编辑界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_photoId As System.Windows.Forms.TextBox
    Private WithEvents label2 As System.Windows.Forms.Label
    Private WithEvents txt_title As System.Windows.Forms.TextBox
    Private WithEvents label3 As System.Windows.Forms.Label
    Private WithEvents txt_front As System.Windows.Forms.TextBox
    Private WithEvents pictureBox_front As System.Windows.Forms.PictureBox
    Private WithEvents btn_front As System.Windows.Forms.Button
    Private WithEvents label4 As System.Windows.Forms.Label
    Private WithEvents txt_back As System.Windows.Forms.TextBox
    Private WithEvents pictureBox_back As System.Windows.Forms.PictureBox
    Private WithEvents btn_back As System.Windows.Forms.Button
    Private WithEvents Btn_Update As System.Windows.Forms.Button
End Class
