<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmQueryTag
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmQueryTag))
        Me.btn_Query = New System.Windows.Forms.Button()
        Me.btn_Reset = New System.Windows.Forms.Button()
        Me.btn_Add = New System.Windows.Forms.Button()
        Me.btn_Edit = New System.Windows.Forms.Button()
        Me.btn_Delete = New System.Windows.Forms.Button()
        Me.dgv_List = New System.Windows.Forms.DataGridView()
        Me.btn_First = New System.Windows.Forms.Button()
        Me.btn_Prev = New System.Windows.Forms.Button()
        Me.btn_Next = New System.Windows.Forms.Button()
        Me.btn_Last = New System.Windows.Forms.Button()
        Me.lblPageInfo = New System.Windows.Forms.Label()
        CType(Me.dgv_List, System.ComponentModel.ISupportInitialize).BeginInit()
        Me.SuspendLayout()
        '
        'btn_Query
        '
        Me.btn_Query.Location = New System.Drawing.Point(20, 15)
        Me.btn_Query.Name = "btn_Query"
        Me.btn_Query.Size = New System.Drawing.Size(75, 25)
        Me.btn_Query.TabIndex = 0
        Me.btn_Query.Text = "查询"
        Me.btn_Query.UseVisualStyleBackColor = true
        '
        'btn_Reset
        '
        Me.btn_Reset.Location = New System.Drawing.Point(100, 15)
        Me.btn_Reset.Name = "btn_Reset"
        Me.btn_Reset.Size = New System.Drawing.Size(75, 25)
        Me.btn_Reset.TabIndex = 1
        Me.btn_Reset.Text = "重置"
        Me.btn_Reset.UseVisualStyleBackColor = true
        '
        'btn_Add
        '
        Me.btn_Add.Location = New System.Drawing.Point(503, 15)
        Me.btn_Add.Name = "btn_Add"
        Me.btn_Add.Size = New System.Drawing.Size(75, 25)
        Me.btn_Add.TabIndex = 2
        Me.btn_Add.Text = "添加"
        Me.btn_Add.UseVisualStyleBackColor = true
        '
        'btn_Edit
        '
        Me.btn_Edit.Location = New System.Drawing.Point(583, 15)
        Me.btn_Edit.Name = "btn_Edit"
        Me.btn_Edit.Size = New System.Drawing.Size(75, 25)
        Me.btn_Edit.TabIndex = 3
        Me.btn_Edit.Text = "修改"
        Me.btn_Edit.UseVisualStyleBackColor = true
        '
        'btn_Delete
        '
        Me.btn_Delete.Location = New System.Drawing.Point(663, 15)
        Me.btn_Delete.Name = "btn_Delete"
        Me.btn_Delete.Size = New System.Drawing.Size(75, 25)
        Me.btn_Delete.TabIndex = 4
        Me.btn_Delete.Text = "删除"
        Me.btn_Delete.UseVisualStyleBackColor = true
        '
        'dgv_List
        '
        Me.dgv_List.Location = New System.Drawing.Point(20, 50)
        Me.dgv_List.Name = "dgv_List"
        Me.dgv_List.Size = New System.Drawing.Size(718, 400)
        Me.dgv_List.TabIndex = 5
        Me.dgv_List.AllowUserToAddRows = false
        Me.dgv_List.AllowUserToDeleteRows = false
        Me.dgv_List.AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.DisplayedCells
        Me.dgv_List.ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize
        Me.dgv_List.MultiSelect = true
        Me.dgv_List.ReadOnly = true
        Me.dgv_List.SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect
        '
        'btn_First
        '
        Me.btn_First.Location = New System.Drawing.Point(20, 460)
        Me.btn_First.Name = "btn_First"
        Me.btn_First.Size = New System.Drawing.Size(75, 25)
        Me.btn_First.TabIndex = 6
        Me.btn_First.Text = "首页"
        Me.btn_First.UseVisualStyleBackColor = true
        '
        'btn_Prev
        '
        Me.btn_Prev.Location = New System.Drawing.Point(100, 460)
        Me.btn_Prev.Name = "btn_Prev"
        Me.btn_Prev.Size = New System.Drawing.Size(75, 25)
        Me.btn_Prev.TabIndex = 7
        Me.btn_Prev.Text = "上一页"
        Me.btn_Prev.UseVisualStyleBackColor = true
        '
        'btn_Next
        '
        Me.btn_Next.Location = New System.Drawing.Point(180, 460)
        Me.btn_Next.Name = "btn_Next"
        Me.btn_Next.Size = New System.Drawing.Size(75, 25)
        Me.btn_Next.TabIndex = 8
        Me.btn_Next.Text = "下一页"
        Me.btn_Next.UseVisualStyleBackColor = true
        '
        'btn_Last
        '
        Me.btn_Last.Location = New System.Drawing.Point(260, 460)
        Me.btn_Last.Name = "btn_Last"
        Me.btn_Last.Size = New System.Drawing.Size(75, 25)
        Me.btn_Last.TabIndex = 9
        Me.btn_Last.Text = "末页"
        Me.btn_Last.UseVisualStyleBackColor = true
        '
        'lblPageInfo
        '
        Me.lblPageInfo.Location = New System.Drawing.Point(350, 460)
        Me.lblPageInfo.Name = "lblPageInfo"
        Me.lblPageInfo.Size = New System.Drawing.Size(388, 25)
        Me.lblPageInfo.TabIndex = 10
        Me.lblPageInfo.Text = "第 1/1 页，共 0 条"
        Me.lblPageInfo.TextAlign = System.Drawing.ContentAlignment.MiddleLeft
        '
        'FrmQueryTag
        '
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = New System.Drawing.Size(758, 500)
        Me.Controls.Add(Me.btn_Query)
        Me.Controls.Add(Me.btn_Reset)
        Me.Controls.Add(Me.btn_Add)
        Me.Controls.Add(Me.btn_Edit)
        Me.Controls.Add(Me.btn_Delete)
        Me.Controls.Add(Me.dgv_List)
        Me.Controls.Add(Me.btn_First)
        Me.Controls.Add(Me.btn_Prev)
        Me.Controls.Add(Me.btn_Next)
        Me.Controls.Add(Me.btn_Last)
        Me.Controls.Add(Me.lblPageInfo)
        Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedSingle
        Me.Icon = CType(resources.GetObject("$this.Icon"), System.Drawing.Icon)
        Me.MaximizeBox = false
        Me.MinimizeBox = false
        Me.Name = "FrmQueryTag"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "标签信息查询"
        CType(Me.dgv_List, System.ComponentModel.ISupportInitialize).EndInit()
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub

    Friend WithEvents btn_Query As System.Windows.Forms.Button
    Friend WithEvents btn_Reset As System.Windows.Forms.Button
    Friend WithEvents btn_Add As System.Windows.Forms.Button
    Friend WithEvents btn_Edit As System.Windows.Forms.Button
    Friend WithEvents btn_Delete As System.Windows.Forms.Button
    Friend WithEvents dgv_List As System.Windows.Forms.DataGridView
    Friend WithEvents btn_First As System.Windows.Forms.Button
    Friend WithEvents btn_Prev As System.Windows.Forms.Button
    Friend WithEvents btn_Next As System.Windows.Forms.Button
    Friend WithEvents btn_Last As System.Windows.Forms.Button
    Friend WithEvents lblPageInfo As System.Windows.Forms.Label
End Class
