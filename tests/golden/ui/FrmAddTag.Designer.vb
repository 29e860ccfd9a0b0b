<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmAddTag
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmAddTag))
        Me.Btn_Add = New System.Windows.Forms.Button()
        'Btn_Add
        Me.Btn_Add.Location = new System.Drawing.Point(208, 47)
        Me.Btn_Add.Name = "Btn_Add"
        Me.Btn_Add.Size = new System.Drawing.Size(142, 25)
        Me.Btn_Add.TabIndex = 0
        Me.Btn_Add.Text = "添加"
        Me.Btn_Add.UseVisualStyleBackColor = true
        Me.SuspendLayout()
        'FrmAddTag
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = new System.Drawing.Size(601, 513)
        Me.Controls.Add(Me.Btn_Add)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.Fixed3D
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmAddTag"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "添加界面"
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub
    Private WithEvents Btn_Add As System.Windows.Forms.Button
End Class
