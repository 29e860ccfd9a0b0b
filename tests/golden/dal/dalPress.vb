Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Imports System.Data.SqlClient
Imports System.Data

'出版社业务逻辑层实现/
Public Class dalPress
    '待执行的sql语句
    Public Shared sql As String = ""

    '添加出版社实现
    Public Shared Function AddPress(ByVal press As Model.Press) As Boolean
        Dim sql As String = "insert into Press(pressCode,pressName) values(@pressCode,@pressName)"
       '构建sql参数
        Dim parm As SqlParameter() = New SqlParameter() {
             new SqlParameter("@pressCode",SqlDbType.VarChar),
             new SqlParameter("@pressName",SqlDbType.VarChar)
}
        '给参数赋值
        '出版社编号
            parm(0).Value = press.pressCode
        '出版社名称
            parm(1).Value = press.pressName

        '执行sql进行添加
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function

    '根据pressCode获取某条出版社记录
    Public Shared Function getSomePress(ByVal pressCode As String) As Model.Press
        '构建查询sql
        Dim sql As String = "select * from Press where pressCode=@pressCode"
        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {new SqlParameter("@pressCode",SqlDbType.VarChar) With {.Value = pressCode}})
        Dim press As New Model.Press()
        '如果查询存在记录，就包装到对象中返回
        If DataRead.Read() Then
             press.pressCode = DataRead("pressCode").ToString()
             press.pressName = DataRead("pressName").ToString()
        End If
        DataRead.Close()
        Return Press
    End Function

    '更新出版社实现
    Public Shared Function EditPress(ByVal press As Model.Press) As Boolean
        Dim sql As String = "update Press set pressName=@pressName where pressCode=@pressCode"
        '构建sql参数信息
        Dim parm As SqlParameter() = New SqlParameter() {
new SqlParameter("@pressName",SqlDbType.VarChar),new SqlParameter("@pressCode",SqlDbType.VarChar)}
        '为参数赋值
        parm(0).Value = press.pressName
        parm(1).Value = press.pressCode
        '执行更新
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function


    '删除出版社
    Public Shared Function DelPress(ByVal p As String) As Boolean
        Return DelPress(p.Split(","c))
    End Function

    '删除出版社：主键逐个给出，可含逗号和单引号
    Public Shared Function DelPress(ByVal ids As String()) As Boolean
        If ids.Length = 0 Then Return False
        Dim sql As String = ""
        Dim parm(ids.Length - 1) As SqlParameter
        For i As Integer = 0 To ids.Length - 1
            If i <> ids.Length - 1 Then
                sql += "@p" & i & ","
            Else
                sql += "@p" & i
            End If
            parm(i) = new SqlParameter("@p" & i,SqlDbType.VarChar)
            parm(i).Value = ids(i)
        Next
        sql = "delete from Press where pressCode in (" & sql & ")"
        Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)
    End Function


    '查询图书
    Public Shared Function GetPress(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable
        Try
            Dim strSql As String = " select Press.* from Press where 1=1"
            Dim strShow As String = "pressCode as 出版社编号,"
            Return DAL.DBHelp.ExecutePagerWhenPrimaryIsString(PageIndex, PageSize, "pressCode", strShow, strSql, strWhere, " pressCode asc ", PageCount, RecordCount)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


    Public Shared Function getAllPress() As DataSet
        Try
            Dim strSql As String = "select * from Press"
            Return DBHelp.ExecuteDataSet(strSql, Nothing)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


End Class
