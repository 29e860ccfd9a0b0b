<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _
Partial Class FrmQueryLoan
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
        Dim resources As System.ComponentModel.ComponentResourceManager = New System.ComponentModel.ComponentResourceManager(GetType(FrmQueryLoan))
        Me.lbl_loanNo = New System.Windows.Forms.Label()
        Me.txt_loanNo = New System.Windows.Forms.TextBox()
        Me.lbl_borrowedBook = New System.Windows.Forms.Label()
        Me.cb_borrowedBook = New System.Windows.Forms.ComboBox()
        Me.lbl_borrower = New System.Windows.Forms.Label()
        Me.cb_borrower = New System.Windows.Forms.ComboBox()
        Me.lbl_loanDate = New System.Windows.Forms.Label()
        Me.dtpFrom_loanDate = New System.Windows.Forms.DateTimePicker()
        Me.lblTo_loanDate = New System.Windows.Forms.Label()
        Me.dtpTo_loanDate = New System.Windows.Forms.DateTimePicker()
        Me.lbl_remark = New System.Windows.Forms.Label()
        Me.txt_remark = New System.Windows.Forms.TextBox()
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
        'lbl_loanNo
        '
        Me.lbl_loanNo.Location = New System.Drawing.Point(20, 15)
        Me.lbl_loanNo.Name = "lbl_loanNo"
        Me.lbl_loanNo.Size = New System.Drawing.Size(64, 21)
        Me.lbl_loanNo.TabIndex = 0
        Me.lbl_loanNo.Text = "借阅单号："
        Me.lbl_loanNo.TextAlign = System.Drawing.ContentAlignment.MiddleRight
        '
        'txt_loanNo
        '
        Me.txt_loanNo.Location = New System.Drawing.Point(92, 15)
        Me.txt_loanNo.Name = "txt_loanNo"
        Me.txt_loanNo.Size = New System.Drawing.Size(240, 21)
        Me.txt_loanNo.TabIndex = 1
        '
        'lbl_borrowedBook
        '
        Me.lbl_borrowedBook.Location = New System.Drawing.Point(20, 45)
        Me.lbl_borrowedBook.Name = "lbl_borrowedBook"
        Me.lbl_borrowedBook.Size = New System.Drawing.Size(64, 21)
        Me.lbl_borrowedBook.TabIndex = 2
        Me.lbl_borrowedBook.Text = "图书："
        Me.lbl_borrowedBook.TextAlign = System.Drawing.ContentAlignment.MiddleRight
        '
        'cb_borrowedBook
        '
        Me.cb_borrowedBook.Location = New System.Drawing.Point(92, 45)
        Me.cb_borrowedBook.Name = "cb_borrowedBook"
        Me.cb_borrowedBook.Size = New System.Drawing.Size(240, 21)
        Me.cb_borrowedBook.TabIndex = 3
        Me.cb_borrowedBook.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
        Me.cb_borrowedBook.FormattingEnabled = true
        '
        'lbl_borrower
        '
        Me.lbl_borrower.Location = New System.Drawing.Point(20, 75)
        Me.lbl_borrower.Name = "lbl_borrower"
        Me.lbl_borrower.Size = New System.Drawing.Size(64, 21)
        Me.lbl_borrower.TabIndex = 4
        Me.lbl_borrower.Text = "借阅人："
        Me.lbl_borrower.TextAlign = System.Drawing.ContentAlignment.MiddleRight
        '
        'cb_borrower
        '
        Me.cb_borrower.Location = New System.Drawing.Point(92, 75)
        Me.cb_borrower.Name = "cb_borrower"
        Me.cb_borrower.Size = New System.Drawing.Size(240, 21)
        Me.cb_borrower.TabIndex = 5
        Me.cb_borrower.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList
        Me.cb_borrower.FormattingEnabled = true
        '
        'lbl_loanDate
        '
        Me.lbl_loanDate.Location = New System.Drawing.Point(20, 105)
        Me.lbl_loanDate.Name = "lbl_loanDate"
        Me.lbl_loanDate.Size = New System.Drawing.Size(64, 21)
        Me.lbl_loanDate.TabIndex = 6
        Me.lbl_loanDate.Text = "借阅日期："
        Me.lbl_loanDate.TextAlign = System.Drawing.ContentAlignment.MiddleRight
        '
        'dtpFrom_loanDate
        '
        Me.dtpFrom_loanDate.Location = New System.Drawing.Point(92, 105)
        Me.dtpFrom_loanDate.Name = "dtpFrom_loanDate"
        Me.dtpFrom_loanDate.Size = New System.Drawing.Size(130, 21)
        Me.dtpFrom_loanDate.TabIndex = 7
        Me.dtpFrom_loanDate.ShowCheckBox = true
        Me.dtpFrom_loanDate.Checked = false
        Me.dtpFrom_loanDate.Format = System.Windows.Forms.DateTimePickerFormat.Short
        '
        'lblTo_loanDate
        '
        Me.lblTo_loanDate.Location = New System.Drawing.Point(226, 105)
        Me.lblTo_loanDate.Name = "lblTo_loanDate"
        Me.lblTo_loanDate.Size = New System.Drawing.Size(24, 21)
        Me.lblTo_loanDate.TabIndex = 8
        Me.lblTo_loanDate.Text = "至"
        Me.lblTo_loanDate.TextAlign = System.Drawing.ContentAlignment.MiddleCenter
        '
        'dtpTo_loanDate
        '
        Me.dtpTo_loanDate.Location = New System.Drawing.Point(254, 105)
        Me.dtpTo_loanDate.Name = "dtpTo_loanDate"
        Me.dtpTo_loanDate.Size = New System.Drawing.Size(130, 21)
        Me.dtpTo_loanDate.TabIndex = 9
        Me.dtpTo_loanDate.ShowCheckBox = true
        Me.dtpTo_loanDate.Checked = false
        Me.dtpTo_loanDate.Format = System.Windows.Forms.DateTimePickerFormat.Short
        '
        'lbl_remark
        '
        Me.lbl_remark.Location = New System.Drawing.Point(20, 135)
        Me.lbl_remark.Name = "lbl_remark"
        Me.lbl_remark.Size = New System.Drawing.Size(64, 21)
        Me.lbl_remark.TabIndex = 10
        Me.lbl_remark.Text = "remark："
        Me.lbl_remark.TextAlign = System.Drawing.ContentAlignment.MiddleRight
        '
        'txt_remark
        '
        Me.txt_remark.Location = New System.Drawing.Point(92, 135)
        Me.txt_remark.Name = "txt_remark"
        Me.txt_remark.Size = New System.Drawing.Size(240, 21)
        Me.txt_remark.TabIndex = 11
        '
        'btn_Query
        '
        Me.btn_Query.Location = New System.Drawing.Point(20, 165)
        Me.btn_Query.Name = "btn_Query"
        Me.btn_Query.Size = New System.Drawing.Size(75, 25)
        Me.btn_Query.TabIndex = 12
        Me.btn_Query.Text = "查询"
        Me.btn_Query.UseVisualStyleBackColor = true
        '
        'btn_Reset
        '
        Me.btn_Reset.Location = New System.Drawing.Point(100, 165)
        Me.btn_Reset.Name = "btn_Reset"
        Me.btn_Reset.Size = New System.Drawing.Size(75, 25)
        Me.btn_Reset.TabIndex = 13
        Me.btn_Reset.Text = "重置"
        Me.btn_Reset.UseVisualStyleBackColor = true
        '
        'btn_Add
        '
        Me.btn_Add.Location = New System.Drawing.Point(503, 165)
        Me.btn_Add.Name = "btn_Add"
        Me.btn_Add.Size = New System.Drawing.Size(75, 25)
        Me.btn_Add.TabIndex = 14
        Me.btn_Add.Text = "添加"
        Me.btn_Add.UseVisualStyleBackColor = true
        '
        'btn_Edit
        '
        Me.btn_Edit.Location = New System.Drawing.Point(583, 165)
        Me.btn_Edit.Name = "btn_Edit"
        Me.btn_Edit.Size = New System.Drawing.Size(75, 25)
        Me.btn_Edit.TabIndex = 15
        Me.btn_Edit.Text = "修改"
        Me.btn_Edit.UseVisualStyleBackColor = true
        '
        'btn_Delete
        '
        Me.btn_Delete.Location = New System.Drawing.Point(663, 165)
        Me.btn_Delete.Name = "btn_Delete"
        Me.btn_Delete.Size = New System.Drawing.Size(75, 25)
        Me.btn_Delete.TabIndex = 16
        Me.btn_Delete.Text = "删除"
        Me.btn_Delete.UseVisualStyleBackColor = true
        '
        'dgv_List
        '
        Me.dgv_List.Location = New System.Drawing.Point(20, 200)
        Me.dgv_List.Name = "dgv_List"
        Me.dgv_List.Size = New System.Drawing.Size(718, 250)
        Me.dgv_List.TabIndex = 17
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
        Me.btn_First.TabIndex = 18
        Me.btn_First.Text = "首页"
        Me.btn_First.UseVisualStyleBackColor = true
        '
        'btn_Prev
        '
        Me.btn_Prev.Location = New System.Drawing.Point(100, 460)
        Me.btn_Prev.Name = "btn_Prev"
        Me.btn_Prev.Size = New System.Drawing.Size(75, 25)
        Me.btn_Prev.TabIndex = 19
        Me.btn_Prev.Text = "上一页"
        Me.btn_Prev.UseVisualStyleBackColor = true
        '
        'btn_Next
        '
        Me.btn_Next.Location = New System.Drawing.Point(180, 460)
        Me.btn_Next.Name = "btn_Next"
        Me.btn_Next.Size = New System.Drawing.Size(75, 25)
        Me.btn_Next.TabIndex = 20
        Me.btn_Next.Text = "下一页"
        Me.btn_Next.UseVisualStyleBackColor = true
        '
        'btn_Last
        '
        Me.btn_Last.Location = New System.Drawing.Point(260, 460)
        Me.btn_Last.Name = "btn_Last"
        Me.btn_Last.Size = New System.Drawing.Size(75, 25)
        Me.btn_Last.TabIndex = 21
        Me.btn_Last.Text = "末页"
        Me.btn_Last.UseVisualStyleBackColor = true
        '
        'lblPageInfo
        '
        Me.lblPageInfo.Location = New System.Drawing.Point(350, 460)
        Me.lblPageInfo.Name = "lblPageInfo"
        Me.lblPageInfo.Size = New System.Drawing.Size(388, 25)
        Me.lblPageInfo.TabIndex = 22
        Me.lblPageInfo.Text = "第 1/1 页，共 0 条"
        Me.lblPageInfo.TextAlign = System.Drawing.ContentAlignment.MiddleLeft
        '
        'FrmQueryLoan
        '
        Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)
        Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font
        Me.AutoScroll = true
        Me.ClientSize = New System.Drawing.Size(758, 500)
        Me.Controls.Add(Me.lbl_loanNo)
        Me.Controls.Add(Me.txt_loanNo)
        Me.Controls.Add(Me.lbl_borrowedBook)
        Me.Controls.Add(Me.cb_borrowedBook)
        Me.Controls.Add(Me.lbl_borrower)
        Me.Controls.Add(Me.cb_borrower)
        Me.Controls.Add(Me.lbl_loanDate)
        Me.Controls.Add(Me.dtpFrom_loanDate)
        Me.Controls.Add(Me.lblTo_loanDate)
        Me.Controls.Add(Me.dtpTo_loanDate)
        Me.Controls.Add(Me.lbl_remark)
        Me.Controls.Add(Me.txt_remark)
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
        Me.Name = "FrmQueryLoan"
        Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent
        Me.Text = "借阅记录信息查询"
        CType(Me.dgv_List, System.ComponentModel.ISupportInitialize).EndInit()
        Me.ResumeLayout(false)
        Me.PerformLayout()
    End Sub

    Friend WithEvents lbl_loanNo As System.Windows.Forms.Label
    Friend WithEvents txt_loanNo As System.Windows.Forms.TextBox
    Friend WithEvents lbl_borrowedBook As System.Windows.Forms.Label
    Friend WithEvents cb_borrowedBook As System.Windows.Forms.ComboBox
    Friend WithEvents lbl_borrower As System.Windows.Forms.Label
    Friend WithEvents cb_borrower As System.Windows.Forms.ComboBox
    Friend WithEvents lbl_loanDate As System.Windows.Forms.Label
    Friend WithEvents dtpFrom_loanDate As System.Windows.Forms.DateTimePicker
    Friend WithEvents lblTo_loanDate As System.Windows.Forms.Label
    Friend WithEvents dtpTo_loanDate As System.Windows.Forms.DateTimePicker
    Friend WithEvents lbl_remark As System.Windows.Forms.Label
    Friend WithEvents txt_remark As System.Windows.Forms.TextBox
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
