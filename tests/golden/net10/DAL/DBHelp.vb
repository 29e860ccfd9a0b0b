Imports System
Imports System.Configuration
Imports System.Data

'数据库访问帮助类：所有数据访问类通过它执行 SQL Server 语句。
'连接字符串取自程序配置文件（App.config）中名为 "DBConnection" 的连接。
'SQL Server 的数据提供程序由 DAL.vbproj 导入：.NET Framework 为 System.Data.SqlClient，
'.NET 为 Microsoft.Data.SqlClient（默认加密连接并验证服务器证书，见 App.config 中的说明）。
Public NotInheritable Class DBHelp

    Public Const ConnectionName As String = "DBConnection"

    Private Sub New()
    End Sub

    Public Shared ReadOnly Property ConnectionString() As String
        Get
            Dim entry As ConnectionStringSettings = ConfigurationManager.ConnectionStrings(ConnectionName)
            If entry Is Nothing OrElse String.IsNullOrEmpty(entry.ConnectionString) Then
                Throw New ConfigurationErrorsException("配置文件中缺少名为 " & ConnectionName & " 的连接字符串。")
            End If
            Return entry.ConnectionString
        End Get
    End Property

    '执行增、删、改语句，返回受影响的行数
    Public Shared Function ExecuteNonQuery(ByVal sql As String, ByVal parameters As SqlParameter()) As Integer
        Using connection As New SqlConnection(ConnectionString)
            Using command As SqlCommand = CreateCommand(connection, sql, parameters)
                connection.Open()
                Return command.ExecuteNonQuery()
            End Using
        End Using
    End Function

    '执行查询，返回数据读取器；关闭读取器时连接随之关闭
    Public Shared Function ExecuteReader(ByVal sql As String, ByVal parameters As SqlParameter()) As SqlDataReader
        Dim connection As New SqlConnection(ConnectionString)
        Try
            Dim command As SqlCommand = CreateCommand(connection, sql, parameters)
            connection.Open()
            Return command.ExecuteReader(CommandBehavior.CloseConnection)
        Catch
            connection.Dispose()
            Throw
        End Try
    End Function

    '执行查询，返回数据集
    Public Shared Function ExecuteDataSet(ByVal sql As String, ByVal parameters As SqlParameter()) As DataSet
        Using connection As New SqlConnection(ConnectionString)
            Using command As SqlCommand = CreateCommand(connection, sql, parameters)
                Using adapter As New SqlDataAdapter(command)
                    Dim result As New DataSet()
                    adapter.Fill(result)
                    Return result
                End Using
            End Using
        End Using
    End Function

    '分页查询（整型主键）
    Public Shared Function ExecutePager(ByVal pageIndex As Integer, ByVal pageSize As Integer, ByVal keyColumn As String,
                                        ByVal showList As String, ByVal selection As String, ByVal condition As String,
                                        ByVal order As String, ByRef pageCount As Integer, ByRef recordCount As Integer) As DataTable
        Return ExecutePage(pageIndex, pageSize, keyColumn, showList, selection, condition, order, pageCount, recordCount)
    End Function

    '分页查询（字符串主键）
    Public Shared Function ExecutePagerWhenPrimaryIsString(ByVal pageIndex As Integer, ByVal pageSize As Integer, ByVal keyColumn As String,
                                                           ByVal showList As String, ByVal selection As String, ByVal condition As String,
                                                           ByVal order As String, ByRef pageCount As Integer, ByRef recordCount As Integer) As DataTable
        Return ExecutePage(pageIndex, pageSize, keyColumn, showList, selection, condition, order, pageCount, recordCount)
    End Function

    'ROW_NUMBER (SQL Server 2005 or later) numbers the rows of the selection in the
    'given order, so a page is a range of row numbers whatever the key's type.
    Private Shared Function ExecutePage(ByVal pageIndex As Integer, ByVal pageSize As Integer, ByVal keyColumn As String,
                                        ByVal showList As String, ByVal selection As String, ByVal condition As String,
                                        ByVal order As String, ByRef pageCount As Integer, ByRef recordCount As Integer) As DataTable
        If pageSize < 1 Then pageSize = 1
        If pageIndex < 1 Then pageIndex = 1
        Dim source As String = " FROM (" & selection & ") AS PagerSource WHERE 1=1 " & condition
        Dim orderText As String = If(String.IsNullOrWhiteSpace(order), keyColumn & " asc", order)

        recordCount = Convert.ToInt32(ExecuteScalar("SELECT COUNT(*)" & source))
        pageCount = (recordCount + pageSize - 1) \ pageSize

        Dim first As Integer = (pageIndex - 1) * pageSize + 1
        Dim last As Integer = pageIndex * pageSize
        Dim sql As String = "SELECT * FROM (SELECT ROW_NUMBER() OVER (ORDER BY " & orderText & ") AS PagerRowNumber, " &
                            ShowColumns(showList) & source & ") AS PagerPage" &
                            " WHERE PagerRowNumber BETWEEN " & first & " AND " & last & " ORDER BY PagerRowNumber"
        Dim table As DataTable = ExecuteDataSet(sql, Nothing).Tables(0)
        table.Columns.Remove("PagerRowNumber")
        Return table
    End Function

    'The show list is "column as caption" entries joined by commas, each caption
    'written as a T-SQL name already; a list of the key alone ends with a comma.
    Private Shared Function ShowColumns(ByVal showList As String) As String
        Dim columns As String = If(showList, "").Trim().TrimEnd(","c)
        Return If(columns.Length = 0, "*", columns)
    End Function

    Private Shared Function ExecuteScalar(ByVal sql As String) As Object
        Using connection As New SqlConnection(ConnectionString)
            Using command As SqlCommand = CreateCommand(connection, sql, Nothing)
                connection.Open()
                Return command.ExecuteScalar()
            End Using
        End Using
    End Function

    'A property never set leaves Nothing in its parameter, which SQL Server would
    'report as a missing parameter: it is stored as NULL instead.
    Private Shared Function CreateCommand(ByVal connection As SqlConnection, ByVal sql As String, ByVal parameters As SqlParameter()) As SqlCommand
        Dim command As New SqlCommand(sql, connection)
        If parameters IsNot Nothing Then
            For Each parameter As SqlParameter In parameters
                If parameter.Value Is Nothing Then parameter.Value = DBNull.Value
                command.Parameters.Add(parameter)
            Next
        End If
        Return command
    End Function

End Class
