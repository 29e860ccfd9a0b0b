Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Imports System.Data.SqlClient
Imports System.Data

'图书业务逻辑层实现/
Public Class dalBook
    '待执行的sql语句
    Public Shared sql As String = ""

    '添加图书实现
    Public Shared Function AddBook(ByVal book As Model.Book) As Boolean
        Dim sql As String = "insert into Book(title,summary,price,cover,pages,category,press,publishDate) values(@title,@summary,@price,@cover,@pages,@category,@press,@publishDate)"
       '构建sql参数
        Dim parm As SqlParameter() = New SqlParameter() {
             new SqlParameter("@title",SqlDbType.VarChar),
             new SqlParameter("@summary",SqlDbType.VarChar),
             new SqlParameter("@price",SqlDbType.Float),
             new SqlParameter("@cover",SqlDbType.Image),
             new SqlParameter("@pages",SqlDbType.Int),
             new SqlParameter("@category",SqlDbType.Int),
             new SqlParameter("@press",SqlDbType.VarChar),
             new SqlParameter("@publishDate",SqlDbType.DateTime)
}
        '给参数赋值
        '书名
            parm(0).Value = book.title
        '简介
            parm(1).Value = book.summary
        '价格
            parm(2).Value = book.price
        '封面
            parm(3).Value = book.cover
        '页数
            parm(4).Value = book.pages
        '类别
            parm(5).Value = book.category
        '出版社
            parm(6).Value = book.press
        '出版日期
            parm(7).Value = book.publishDate

        '执行sql进行添加
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function

    '根据bookId获取某条图书记录
    Public Shared Function getSomeBook(ByVal bookId As Integer) As Model.Book
        '构建查询sql
        Dim sql As String = "select * from Book where bookId=@bookId"
        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {new SqlParameter("@bookId",SqlDbType.Int) With {.Value = bookId}})
        Dim book As New Model.Book()
        '如果查询存在记录，就包装到对象中返回
        If DataRead.Read() Then
            book.bookId = Convert.ToInt32(DataRead("bookId"))
             book.title = DataRead("title").ToString()
             book.summary = DataRead("summary").ToString()
            book.price = Single.Parse(DataRead("price").ToString())
            book.cover = DirectCast(DataRead("cover"), Byte())
            book.pages = Convert.ToInt32(DataRead("pages"))
            book.category = Convert.ToInt32(DataRead("category"))
            book.press = DataRead("press").ToString()
            book.publishDate = Convert.ToDateTime(DataRead("publishDate").ToString())
        End If
        DataRead.Close()
        Return Book
    End Function

    '更新图书实现
    Public Shared Function EditBook(ByVal book As Model.Book) As Boolean
        Dim sql As String = "update Book set title=@title,summary=@summary,price=@price,cover=@cover,pages=@pages,category=@category,press=@press,publishDate=@publishDate where bookId=@bookId"
        '构建sql参数信息
        Dim parm As SqlParameter() = New SqlParameter() {
new SqlParameter("@title",SqlDbType.VarChar),new SqlParameter("@summary",SqlDbType.VarChar),new SqlParameter("@price",SqlDbType.Float),new SqlParameter("@cover",SqlDbType.Image),new SqlParameter("@pages",SqlDbType.Int),new SqlParameter("@category",SqlDbType.Int),new SqlParameter("@press",SqlDbType.VarChar),new SqlParameter("@publishDate",SqlDbType.DateTime),new SqlParameter("@bookId",SqlDbType.Int)}
        '为参数赋值
        parm(0).Value = book.title
        parm(1).Value = book.summary
        parm(2).Value = book.price
        parm(3).Value = book.cover
        parm(4).Value = book.pages
        parm(5).Value = book.category
        parm(6).Value = book.press
        parm(7).Value = book.publishDate
        parm(8).Value = book.bookId
        '执行更新
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function


    '删除图书
    Public Shared Function DelBook(ByVal p As String) As Boolean
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
        sql = "delete from Book where bookId in (" & sql & ")"
        Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)
    End Function


    '查询图书
    Public Shared Function GetBook(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable
        Try
            Dim strSql As String = " select Book.*,Category.categoryName,Press.pressName from Book,Category,Press where 1=1 and  Book.category=Category.categoryId and  Book.press=Press.pressCode"
            Dim strShow As String = "bookId as 图书编号,title as 书名,price as 价格,pages as 页数,categoryName as 类别,pressName as 出版社,convert(char(11),publishDate,20) as 出版日期"
            Return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "bookId", strShow, strSql, strWhere, " bookId asc ", PageCount, RecordCount)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


    Public Shared Function getAllBook() As DataSet
        Try
            Dim strSql As String = "select * from Book"
            Return DBHelp.ExecuteDataSet(strSql, Nothing)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


End Class
