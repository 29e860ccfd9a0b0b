<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmEditNote
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmEditNote))
        Me.Btn_Update = New System.Windows.Forms.Button()
        Me.label1 = New System.Windows.Forms.Label()
        Me.txt_noteId = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label1)
        Me.Controls.Add(Me.txt_noteId)
        'label1
        Me.label1.AutoSize = true
        Me.label1.Location = new System.Drawing.Point(95, 47)
        Me.label1.Name = "label1"
        Me.label1.Size = new System.Drawing.Size(77, 12)
        Me.label1.TabIndex = 0
        Me.label1.Text = "笔记编号："
        'txt_noteId
        Me.txt_noteId.Location = new System.Drawing.Point(194, 44)
        Me.txt_noteId.Name = "txt_noteId"
        Me.txt_noteId.Size = new System.Drawing.Size(199, 21)
        Me.txt_noteId.TabIndex = 1
        Me.label2 = new System.Windows.Forms.Label()
        Me.txt_content = new System.Windows.Forms.TextBox()
        Me.Controls.Add(Me.label2)
        Me.Controls.Add(Me.txt_content)
        'label2
        Me.label2.AutoSize = true
        Me.label2.Location = new System.Drawing.Point(95, 82)
        Me.label2.Name = "label2"
        Me.label2.Size = new System.Drawing.Size(65, 12)
        Me.label2.TabIndex = 2
        Me.label2.Text = "内容："
        'txt_content
        Me.txt_content.Location = new System.Drawing.Point(194, 79)
        Me.txt_content.Multiline = true
        Me.txt_content.Name = "txt_content"
        Me.txt_content.ScrollBars = System.Windows.Forms.ScrollBars.Vertical
        Me.txt_content.Size = new System.Drawing.Size(199, 50)
        Me.txt_content.TabIndex = 3
        'Btn_Update
        Me.Btn_Update.Location = new System.Drawing.Point(208, 146)
        Me.Btn_Update.Name = "Btn_Update"
        Me.Btn_Update.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Update.TabIndex = 4
        Me.Btn_Update.Text = "更新"
        Me.Btn_Update.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmUpdateNote
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Update)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmUpdateNote"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "编辑界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents label1 As System.Windows.Forms.Label
    Private WithEvents txt_noteId As System.Windows.Forms.TextBox
    Private WithEvents label2 As System.Windows.Forms.Label
    Private WithEvents txt_content As System.Windows.Forms.TextBox
    Private WithEvents Btn_Update As System.Windows.Forms.Button
End Class
