<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmAddReader
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmAddReader))
        Me.Btn_Add = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_readerNo = New System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_readerNo)
        'label1
        Me.label1.AutoSize = True
        Me.label1.Location = New System.Drawing.Point(95, 44)
        Me.label1.Name = "label1"
        Me.label1.Size = New System.Drawing.Size(77, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "读者编号："
        'txt_readerNo
        Me.txt_readerNo.Location = New System.Drawing.Point(194, 44)
        Me.txt_readerNo.Name = "txt_readerNo"
        Me.txt_readerNo.Size = New System.Drawing.Size(199, 21)
        Me.txt_readerNo.TabIndex = 1
        Me.label2 = New System.Windows.Forms.Label()
        Me.txt_readerName = New System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label2)
        Me.Controls.Add(Me.txt_readerName)
      'label2
        Me.label2.AutoSize = True
        Me.label2.Location = New System.Drawing.Point(95, 82)
        Me.label2.Name = "label2"
        Me.label2.Size = new System.Drawing.Size(65, 12)
        Me.label2.TabIndex = 2
        Me.label2.Text = "姓名："
        'txt_readerName
        Me.txt_readerName.Location = new System.Drawing.Point(194, 79)
        Me.txt_readerName.Name = "txt_readerName"
        Me.txt_readerName.Size = new System.Drawing.Size(199, 20)
        Me.txt_readerName.TabIndex = 3
        Me.label3 = New System.Windows.Forms.Label()
        Me.txt_phone = New System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label3)
        Me.Controls.Add(Me.txt_phone)
      'label3
        Me.label3.AutoSize = True
        Me.label3.Location = New System.Drawing.Point(95, 117)
        Me.label3.Name = "label3"
        Me.label3.Size = new System.Drawing.Size(65, 12)
        Me.label3.TabIndex = 4
        Me.label3.Text = "电话："
        'txt_phone
        Me.txt_phone.Location = new System.Drawing.Point(194, 114)
        Me.txt_phone.Name = "txt_phone"
        Me.txt_phone.Size = new System.Drawing.Size(199, 15)
        Me.txt_phone.TabIndex = 5
        'Btn_Add
        Me.Btn_Add.Location = new System.Drawing.Point(208, 152)
        Me.Btn_Add.Name = "Btn_Add"
        Me.Btn_Add.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Add.TabIndex = 6
        Me.Btn_Add.Text = "添加读者"
        Me.Btn_Add.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmAddReader
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Add)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmAddReader"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "读者添加界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_readerNo As System.Windows.Forms.TextBox
    Private WithEvents label2 As System.Windows.Forms.Label
    Private WithEvents txt_readerName As System.Windows.Forms.TextBox
    Private WithEvents label3 As System.Windows.Forms.Label
    Private WithEvents txt_phone As System.Windows.Forms.TextBox
    Private WithEvents Btn_Add As System.Windows.Forms.Button
End Class
