Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Imports System.Data.SqlClient
Imports System.Data

'索引业务逻辑层实现/
Public Class dalIndex
    '待执行的sql语句
    Public Shared sql As String = ""

    '添加索引实现
    Public Shared Function AddIndex(ByVal index As Model.Index) As Boolean
        Dim sql As String = "insert into [Index] default values"
       '构建sql参数
        Dim parm As SqlParameter() = New SqlParameter() {
}
        '给参数赋值

        '执行sql进行添加
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function

    '根据key获取某条索引记录
    Public Shared Function getSomeIndex(ByVal key As Integer) As Model.Index
        '构建查询sql
        Dim sql As String = "select * from [Index] where [key]=@key"
        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {new SqlParameter("@key",SqlDbType.Int) With {.Value = key}})
        Dim index As New Model.Index()
        '如果查询存在记录，就包装到对象中返回
        If DataRead.Read() Then
            index.key = Convert.ToInt32(DataRead("key"))
        End If
        DataRead.Close()
        Return Index
    End Function

    '更新索引实现
    Public Shared Function EditIndex(ByVal index As Model.Index) As Boolean
        Dim sql As String = "update [Index] set @key=@key where [key]=@key"
        '构建sql参数信息
        Dim parm As SqlParameter() = New SqlParameter() {
new SqlParameter("@key",SqlDbType.Int)}
        '为参数赋值
        parm(0).Value = index.key
        '执行更新
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function


    '删除索引
    Public Shared Function DelIndex(ByVal p As String) As Boolean
        Dim sql As String = ""
        Dim ids As String() = p.Split(","c)
        Dim parm(ids.Length - 1) As SqlParameter
        For i As Integer = 0 To ids.Length - 1
            If i <> ids.Length - 1 Then
                sql += "@p" & i & ","
            Else
                sql += "@p" & i
            End If
            parm(i) = new SqlParameter("@p" & i,SqlDbType.Int)
            parm(i).Value = ids(i)
        Next
        sql = "delete from [Index] where [key] in (" & sql & ")"
        Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)
    End Function


    '查询图书
    Public Shared Function GetIndex(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable
        Try
            Dim strSql As String = " select [Index].* from [Index] where 1=1"
            Dim strShow As String = "[key],"
            Return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "[key]", strShow, strSql, strWhere, " [key] asc ", PageCount, RecordCount)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


    Public Shared Function getAllIndex() As DataSet
        Try
            Dim strSql As String = "select * from [Index]"
            Return DBHelp.ExecuteDataSet(strSql, Nothing)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


End Class
