<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmEditShelf
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmEditShelf))
        Me.Btn_Update = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_shelfCode = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_shelfCode)
        'label1
        Me.label1.AutoSize = true
        Me.label1.Location = new System.Drawing.Point(95, 47)
        Me.label1.Name = "label1"
        Me.label1.Size = new System.Drawing.Size(77, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "书架编号："
        'txt_shelfCode
        Me.txt_shelfCode.Location = new System.Drawing.Point(194, 44)
        Me.txt_shelfCode.Name = "txt_shelfCode"
        Me.txt_shelfCode.Size = new System.Drawing.Size(199, 21)
        Me.txt_shelfCode.TabIndex = 1
        'Btn_Update
        Me.Btn_Update.Location = new System.Drawing.Point(208, 82)
        Me.Btn_Update.Name = "Btn_Update"
        Me.Btn_Update.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Update.TabIndex = 2
        Me.Btn_Update.Text = "更新书架"
        Me.Btn_Update.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmUpdateShelf
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Update)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmUpdateShelf"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "书架编辑界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_shelfCode As System.Windows.Forms.TextBox
    Private WithEvents Btn_Update As System.Windows.Forms.Button
End Class
