Imports System.Collections.Generic
Imports System.Linq
Imports System.Text
'出版社业务逻辑层
Public Class bllPress
    '添加出版社
    Public Shared Function AddPress(ByVal press As Model.Press) As Boolean
        Return DAL.dalPress.AddPress(press)
    End Function

    '根据pressCode获取某条出版社记录
    Public Shared Function getSomePress(ByVal pressCode As String) As Model.Press
        Return DAL.dalPress.getSomePress(pressCode)
    End Function

    '更新出版社
    Public Shared Function EditPress(ByVal press As Model.Press) As Boolean
        Return DAL.dalPress.EditPress(press)
    End Function

    '删除出版社
    Public Shared Function DelPress(ByVal p As String) As Boolean
        Return DAL.dalPress.DelPress(p)
    End Function

    '删除出版社：主键逐个给出，可含逗号
    Public Shared Function DelPress(ByVal ids As String()) As Boolean
        Return DAL.dalPress.DelPress(ids)
    End Function

    '根据条件分页查询出版社
    Public Shared Function GetPress(ByVal NowPage As Integer, ByVal PageSize As Integer, ByRef AllPage As Integer, ByRef DataCount As Integer, ByVal p As String) As System.Data.DataTable
        Return DAL.dalPress.GetPress(NowPage, PageSize, AllPage, DataCount, p)
    End Function
    '查询所有的出版社
    Public Shared Function getAllPress() As System.Data.DataSet
        Return DAL.dalPress.getAllPress()
    End Function
End Class
