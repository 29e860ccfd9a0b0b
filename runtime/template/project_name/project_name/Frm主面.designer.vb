<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class Frm主面
    Inherits System.Windows.Forms.Form

    '释放窗体所用的组件
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

    Private components As System.ComponentModel.IContainer

    '窗体设计器所需的初始化过程
    <System.Diagnostics.DebuggerStepThrough()> _
    Private Sub InitializeComponent()
        Me.menuStripMain = New System.Windows.Forms.MenuStrip()
        Me.systemMenuItem = New System.Windows.Forms.ToolStripMenuItem()
        Me.exitMenuItem = New System.Windows.Forms.ToolStripMenuItem()
$designerString1        Me.menuStripMain.SuspendLayout()
        Me.SuspendLayout()
        '
        ' menuStripMain
        '
        Me.menuStripMain.Items.AddRange(New System.Windows.Forms.ToolStripItem() {
$designerString2        Me.systemMenuItem})
        Me.menuStripMain.Location = New System.Drawing.Point(0, 0)
        Me.menuStripMain.Name = "menuStripMain"
        Me.menuStripMain.Size = New System.Drawing.Size(800, 25)
        Me.menuStripMain.TabIndex = 0
        '
        ' systemMenuItem
        '
        Me.systemMenuItem.DropDownItems.AddRange(New System.Windows.Forms.ToolStripItem() {Me.exitMenuItem})
        Me.systemMenuItem.Name = "systemMenuItem"
        Me.systemMenuItem.Size = New System.Drawing.Size(59, 21)
        Me.systemMenuItem.Text = "系统(&S)"
        '
        ' exitMenuItem
        '
        Me.exitMenuItem.Name = "exitMenuItem"
        Me.exitMenuItem.Size = New System.Drawing.Size(166, 22)
        Me.exitMenuItem.Text = "退出(&X)"
$designerString3        '
        ' Frm主面
        '
        Me.AutoScaleDimensions = New System.Drawing.SizeF(6.0!, 12.0!)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.ClientSize = New System.Drawing.Size(800, 500)
        Me.Controls.Add(Me.menuStripMain)
        Me.MainMenuStrip = Me.menuStripMain
        Me.Name = "Frm主面"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterScreen
        Me.Text = "主界面"
        Me.WindowState = System.Windows.Forms.FormWindowState.Maximized
        Me.menuStripMain.ResumeLayout(False)
        Me.menuStripMain.PerformLayout()
        Me.ResumeLayout(False)
        Me.PerformLayout()
    End Sub

    Private WithEvents menuStripMain As System.Windows.Forms.MenuStrip
    Private WithEvents systemMenuItem As System.Windows.Forms.ToolStripMenuItem
    Private WithEvents exitMenuItem As System.Windows.Forms.ToolStripMenuItem
$designerString4End Class
