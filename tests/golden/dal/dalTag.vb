Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Imports System.Data.SqlClient
Imports System.Data

'标签业务逻辑层实现/
Public Class dalTag
    '待执行的sql语句
    Public Shared sql As String = ""

    '添加标签实现
    Public Shared Function AddTag(ByVal tag As Model.Tag) As Boolean
        Dim sql As String = "insert into Tag(tagName) values(@tagName)"
       '构建sql参数
        Dim parm As SqlParameter() = New SqlParameter() {
             new SqlParameter("@tagName",SqlDbType.VarChar)
}
        '给参数赋值
        '标签名"热门"
            parm(0).Value = tag.tagName

        '执行sql进行添加
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function

    '根据tagName获取某条标签记录
    Public Shared Function getSomeTag(ByVal tagName As String) As Model.Tag
        '构建查询sql
        Dim sql As String = "select * from Tag where tagName=@tagName"
        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {new SqlParameter("@tagName",SqlDbType.VarChar) With {.Value = tagName}})
        Dim tag As New Model.Tag()
        '如果查询存在记录，就包装到对象中返回
        If DataRead.Read() Then
             tag.tagName = DataRead("tagName").ToString()
        End If
        DataRead.Close()
        Return Tag
    End Function

    '更新标签实现
    Public Shared Function EditTag(ByVal tag As Model.Tag) As Boolean
        Dim sql As String = "update Tag set @tagName=@tagName where tagName=@tagName"
        '构建sql参数信息
        Dim parm As SqlParameter() = New SqlParameter() {
new SqlParameter("@tagName",SqlDbType.VarChar)}
        '为参数赋值
        parm(0).Value = tag.tagName
        '执行更新
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function


    '删除标签
    Public Shared Function DelTag(ByVal p As String) As Boolean
        Return DelTag(p.Split(","c))
    End Function

    '删除标签：主键逐个给出，可含逗号和单引号
    Public Shared Function DelTag(ByVal ids As String()) As Boolean
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
        sql = "delete from Tag where tagName in (" & sql & ")"
        Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)
    End Function


    '查询图书
    Public Shared Function GetTag(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable
        Try
            Dim strSql As String = " select Tag.* from Tag where 1=1"
            Dim strShow As String = "tagName as [标签名""热门""],"
            Return DAL.DBHelp.ExecutePagerWhenPrimaryIsString(PageIndex, PageSize, "tagName", strShow, strSql, strWhere, " tagName asc ", PageCount, RecordCount)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


    Public Shared Function getAllTag() As DataSet
        Try
            Dim strSql As String = "select * from Tag"
            Return DBHelp.ExecuteDataSet(strSql, Nothing)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


End Class
