Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Imports System.Data.SqlClient
Imports System.Data

'订单业务逻辑层实现/
Public Class dalOrder
    '待执行的sql语句
    Public Shared sql As String = ""

    '添加订单实现
    Public Shared Function AddOrder(ByVal order As Model.Order) As Boolean
        Dim sql As String = "insert into [Order]([user],buyer,userName,[percent],[oN],[index],parent) values(@user,@buyer,@userName,@percent,@oN,@index,@parent)"
       '构建sql参数
        Dim parm As SqlParameter() = New SqlParameter() {
             new SqlParameter("@user",SqlDbType.Int),
             new SqlParameter("@buyer",SqlDbType.Int),
             new SqlParameter("@userName",SqlDbType.VarChar),
             new SqlParameter("@percent",SqlDbType.Float),
             new SqlParameter("@oN",SqlDbType.DateTime),
             new SqlParameter("@index",SqlDbType.Int),
             new SqlParameter("@parent",SqlDbType.Int)
}
        '给参数赋值
        '下单人
            parm(0).Value = order.user
        '买家
            parm(1).Value = order.buyer
        '收货人, (姓名)
            parm(2).Value = order.userName
        '折扣
            parm(3).Value = order.percent
        '
            parm(4).Value = order.oN
        '折扣
            parm(5).Value = order.index
        '上级订单
            parm(6).Value = order.parent

        '执行sql进行添加
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function

    '根据orderId获取某条订单记录
    Public Shared Function getSomeOrder(ByVal orderId As Integer) As Model.Order
        '构建查询sql
        Dim sql As String = "select * from [Order] where orderId=@orderId"
        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {new SqlParameter("@orderId",SqlDbType.Int) With {.Value = orderId}})
        Dim order As New Model.Order()
        '如果查询存在记录，就包装到对象中返回
        If DataRead.Read() Then
            order.orderId = Convert.ToInt32(DataRead("orderId"))
            order.user = Convert.ToInt32(DataRead("user"))
            order.buyer = Convert.ToInt32(DataRead("buyer"))
             order.userName = DataRead("userName").ToString()
            order.percent = Single.Parse(DataRead("percent").ToString())
            order.oN = Convert.ToDateTime(DataRead("oN").ToString())
            order.index = Convert.ToInt32(DataRead("index"))
            order.parent = Convert.ToInt32(DataRead("parent"))
        End If
        DataRead.Close()
        Return Order
    End Function

    '更新订单实现
    Public Shared Function EditOrder(ByVal order As Model.Order) As Boolean
        Dim sql As String = "update [Order] set [user]=@user,buyer=@buyer,userName=@userName,[percent]=@percent,[oN]=@oN,[index]=@index,parent=@parent where orderId=@orderId"
        '构建sql参数信息
        Dim parm As SqlParameter() = New SqlParameter() {
new SqlParameter("@user",SqlDbType.Int),new SqlParameter("@buyer",SqlDbType.Int),new SqlParameter("@userName",SqlDbType.VarChar),new SqlParameter("@percent",SqlDbType.Float),new SqlParameter("@oN",SqlDbType.DateTime),new SqlParameter("@index",SqlDbType.Int),new SqlParameter("@parent",SqlDbType.Int),new SqlParameter("@orderId",SqlDbType.Int)}
        '为参数赋值
        parm(0).Value = order.user
        parm(1).Value = order.buyer
        parm(2).Value = order.userName
        parm(3).Value = order.percent
        parm(4).Value = order.oN
        parm(5).Value = order.index
        parm(6).Value = order.parent
        parm(7).Value = order.orderId
        '执行更新
        Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)
    End Function


    '删除订单
    Public Shared Function DelOrder(ByVal p As String) As Boolean
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
        sql = "delete from [Order] where orderId in (" & sql & ")"
        Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)
    End Function


    '查询图书
    Public Shared Function GetOrder(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable
        Try
            Dim strSql As String = " select [Order].*,[User].userName as user_userName,buyer.userName as buyer_userName,[Index].[key],parent.userName as parent_userName from [Order],[User],[User] as buyer,[Index],[Order] as parent where 1=1 and  [Order].[user]=[User].id and  [Order].buyer=buyer.id and  [Order].[index]=[Index].[key] and  [Order].parent=parent.orderId"
            Dim strShow As String = "orderId as 订单编号,user_userName as 下单人,buyer_userName as 买家,userName as [收货人, (姓名)],[percent] as 折扣,convert(char(11),[oN],20) as [oN],[key] as 折扣_2,parent_userName as 上级订单"
            Return DAL.DBHelp.ExecutePager(PageIndex, PageSize, "orderId", strShow, strSql, strWhere, " orderId asc ", PageCount, RecordCount)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


    Public Shared Function getAllOrder() As DataSet
        Try
            Dim strSql As String = "select * from [Order]"
            Return DBHelp.ExecuteDataSet(strSql, Nothing)
        Catch ex As Exception
            Throw ex
        End Try
    End Function


End Class
