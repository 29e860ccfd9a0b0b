<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmEditReader
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmEditReader))
        Me.Btn_Update = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_readerNo = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_readerNo)
        'label1
        Me.label1.AutoSize = true
        Me.label1.Location = new System.Drawing.Point(95, 47)
        Me.label1.Name = "label1"
        Me.label1.Size = new System.Drawing.Size(77, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "读者编号："
        'txt_readerNo
        Me.txt_readerNo.Location = new System.Drawing.Point(194, 44)
        Me.txt_readerNo.Name = "txt_readerNo"
        Me.txt_readerNo.Size = new System.Drawing.Size(199, 21)
        Me.txt_readerNo.TabIndex = 1
        Me.label2 = new System.Windows.Forms.Label()
        Me.txt_readerName = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label2)
        Me.Controls.Add(Me.txt_readerName)
        'label2
        Me.label2.AutoSize = true
        Me.label2.Location = new System.Drawing.Point(95, 82)
        Me.label2.Name = "label2"
        Me.label2.Size = new System.Drawing.Size(65, 12)
        Me.label2.TabIndex = 2
        Me.label2.Text = "姓名："
        'txt_readerName
        Me.txt_readerName.Location = new System.Drawing.Point(194, 79)
        Me.txt_readerName.Multiline = true
        Me.txt_readerName.Name = "txt_readerName"
        Me.txt_readerName.ScrollBars = System.Windows.Forms.ScrollBars.Vertical
        Me.txt_readerName.Size = new System.Drawing.Size(199, 50)
        Me.txt_readerName.TabIndex = 3
        Me.label3 = new System.Windows.Forms.Label()
        Me.txt_age = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label3)
        Me.Controls.Add(Me.txt_age)
        'label3
        Me.label3.AutoSize = true
        Me.label3.Location = new System.Drawing.Point(95, 146)
        Me.label3.Name = "label3"
        Me.label3.Size = new System.Drawing.Size(65, 12)
        Me.label3.TabIndex = 4
        Me.label3.Text = "年龄："
        'txt_age
        Me.txt_age.Location = new System.Drawing.Point(194, 143)
        Me.txt_age.Name = "txt_age"
        Me.txt_age.Size = new System.Drawing.Size(199, 21)
        Me.txt_age.TabIndex = 5
        Me.label4 = new System.Windows.Forms.Label()
        Me.txt_balance = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label4)
        Me.Controls.Add(Me.txt_balance)
        'label4
        Me.label4.AutoSize = true
        Me.label4.Location = new System.Drawing.Point(95, 181)
        Me.label4.Name = "label4"
        Me.label4.Size = new System.Drawing.Size(65, 12)
        Me.label4.TabIndex = 6
        Me.label4.Text = "余额："
        'txt_balance
        Me.txt_balance.Location = new System.Drawing.Point(194, 178)
        Me.txt_balance.Name = "txt_balance"
        Me.txt_balance.Size = new System.Drawing.Size(199, 21)
        Me.txt_balance.TabIndex = 7
        Me.label5 = new System.Windows.Forms.Label()
        Me.dtp_birthday = new System.Windows.Forms.DateTimePicker()
        Me.txt_birthday = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label5)
        Me.Controls.Add(Me.dtp_birthday)
        'label5
        Me.label5.AutoSize = true
        Me.label5.Location = new System.Drawing.Point(95, 216)
        Me.label5.Name = "label5"
        Me.label5.Size = new System.Drawing.Size(65, 12)
        Me.label5.TabIndex = 8
        Me.label5.Text = "出生日期："
        'dtp_birthday
        Me.dtp_birthday.Location = new System.Drawing.Point(194, 213)
        Me.dtp_birthday.Name = "dtp_birthday"
        Me.dtp_birthday.Size = new System.Drawing.Size(208, 21)
        Me.dtp_birthday.TabIndex = 9
        Me.label6 = new System.Windows.Forms.Label()
        Me.cb_dept = new System.Windows.Forms.ComboBox()
        Me.Controls.Add(Me.label6)
        Me.Controls.Add(Me.cb_dept)
        'label6
        Me.label6.AutoSize = true
        Me.label6.Location = new System.Drawing.Point(95, 251)
        Me.label6.Name = "label6"
        Me.label6.Size = new System.Drawing.Size(65, 12)
        Me.label6.TabIndex = 10
        Me.label6.Text = "所在部门："
        'cb_dept
        Me.cb_dept.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
        Me.cb_dept.FormattingEnabled = true
        Me.cb_dept.Location = new System.Drawing.Point(194, 248)
        Me.cb_dept.Name = "cb_dept"
        Me.cb_dept.Size = new System.Drawing.Size(199, 20)
        Me.cb_dept.TabIndex = 11
        'Btn_Update
        Me.Btn_Update.Location = new System.Drawing.Point(208, 286)
        Me.Btn_Update.Name = "Btn_Update"
        Me.Btn_Update.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Update.TabIndex = 12
        Me.Btn_Update.Text = "更新读者"
        Me.Btn_Update.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmUpdateReader
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Update)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmUpdateReader"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "读者编辑界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_readerNo As System.Windows.Forms.TextBox
    Private WithEvents label2 As System.Windows.Forms.Label
    Private WithEvents txt_readerName As System.Windows.Forms.TextBox
    Private WithEvents label3 As System.Windows.Forms.Label
    Private WithEvents txt_age As System.Windows.Forms.TextBox
    Private WithEvents label4 As System.Windows.Forms.Label
    Private WithEvents txt_balance As System.Windows.Forms.TextBox
    Private WithEvents label5 As System.Windows.Forms.Label
    Private WithEvents txt_birthday As System.Windows.Forms.TextBox
    Private WithEvents dtp_birthday As System.Windows.Forms.DateTimePicker
    Private WithEvents label6 As System.Windows.Forms.Label
    Private WithEvents cb_dept As System.Windows.Forms.ComboBox
    Private WithEvents Btn_Update As System.Windows.Forms.Button
End Class
