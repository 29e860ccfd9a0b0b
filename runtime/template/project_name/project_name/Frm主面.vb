Imports System
Imports System.Windows.Forms

'主界面：每个类一个菜单，打开它的添加界面和查询界面
Public Class Frm主面

$vbString    '退出程序
    Private Sub exitMenuItem_Click(ByVal sender As Object, ByVal e As EventArgs) Handles exitMenuItem.Click
        Me.Close()
    End Sub

End Class
