#include "generator/QueryFormText.h"

#include "generator/CodeWriter.h"

std::string QueryFormCodeText(const std::string& className) {
  TCodeWriter out;
  out.Line(0, "Imports System")
      .Line(0, "Imports System.Collections.Generic")
      .Line(0, "Imports System.ComponentModel")
      .Line(0, "Imports System.Data")
      .Line(0, "Imports System.Drawing")
      .Line(0, "Imports System.Linq")
      .Line(0, "Imports System.Text")
      .Line(0, "Imports System.Windows.Forms")
      .Blank()
      .Line(0, "Partial Public Class FrmQuery" + className)
      .Line(4, "Inherits Form")
      .Line(4, "Public Sub New()")
      .Line(8, "InitializeComponent()")
      .Line(4, "End Sub")
      .Line(2, "End Class");
  return out.Take();
}

void WriteQueryDesignerHead(TCodeWriter& out, const std::string& c) {
  out.Line(0, "<Global.Microsoft.VisualBasic.CompilerServices.DesignerGenerated()> _")
      .Line(0, "Partial Class FrmQuery" + c)
      .Line(4, "Inherits System.Windows.Forms.Form")
      .Blank()
      .Line(4, "'Form 重写 Dispose，以清理组件列表。")
      .Line(4, "<System.Diagnostics.DebuggerNonUserCode()> _")
      .Line(4, "Protected Overrides Sub Dispose(ByVal disposing As Boolean)")
      .Line(8, "Try")
      .Blank()
      .Line(12, "If disposing AndAlso components IsNot Nothing Then")
      .Line(16, "components.Dispose()")
      .Line(12, "End If")
      .Line(8, "Finally")
      .Line(12, "MyBase.Dispose(disposing)")
      .Line(8, "End Try")
      .Line(4, "End Sub")
      .Line(4, "'Windows 窗体设计器所必需的")
      .Blank()
      .Line(4, "Private components As System.ComponentModel.IContainer")
      .Line(4, "'注意: 以下过程是 Windows 窗体设计器所必需的")
      .Line(4, "'可以使用 Windows 窗体设计器修改它。")
      .Line(4, "'不要使用代码编辑器修改它。");
}

namespace {

void InitializeComponent(TCodeWriter& out, const std::string& c, const std::string& f) {
  out.Line(4, "<System.Diagnostics.DebuggerStepThrough()> _")
      .Line(4, "Private Sub InitializeComponent()")
      .Line(8, "Dim resources As System.ComponentModel.ComponentResourceManager = New "
               "System.ComponentModel.ComponentResourceManager(GetType(FrmQuery" +
                   c + "))")
      .Line(8, "Me.SuspendLayout()")
      .Line(8, "'FrmQueryBook")
      .Line(8, "Me.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F)")
      .Line(8, "Me.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font")
      .Line(8, "Me.AutoScroll = true")
      .Line(8, "Me.ClientSize = new System.Drawing.Size(758, 500)")
      .Line(8, "Me.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedSingle")
      .Line(8, std::string("Me.Icon = CType(resources.GetObject(") + Q + "$this.Icon" + Q + "), System.Drawing.Icon)")
      .Line(8, "Me.MaximizeBox = false")
      .Line(8, "Me.MinimizeBox = false")
      .Line(8, std::string("Me.Name = ") + Q + "FrmQuery" + c + Q)
      .Line(8, "Me.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent")
      .Line(8, std::string("Me.Text = ") + Q + f + "信息查询" + Q)
      .Line(8, "Me.ResumeLayout(false)")
      .Line(8, "Me.PerformLayout()")
      .Line(4, "End Sub");
}

}  // namespace

std::string QueryFormDesignerText(const std::string& className, const std::string& friendName) {
  TCodeWriter out;
  WriteQueryDesignerHead(out, className);
  InitializeComponent(out, className, friendName);
  out.Line(0, "End Class");
  return out.Take();
}
