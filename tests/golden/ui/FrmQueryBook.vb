Imports System
Imports System.Collections.Generic
Imports System.ComponentModel
Imports System.Data
Imports System.Drawing
Imports System.Linq
Imports System.Text
Imports System.Windows.Forms

Partial Public Class FrmQueryBook
    Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub
  End Class
