Imports System.Collections.Generic
Imports System.Linq
Imports System.Text

Public Class Book
    '编号
    Private _bookId As Integer
    Public Property bookId() As Integer
        Get
            Return _bookId
        End Get
        Set(ByVal value As Integer)

            _bookId = value

        End Set

    End Property

    '书名
    Private _title As String
    Public Property title() As String
        Get
            Return _title
        End Get
        Set(ByVal value As String)

            _title = value

        End Set

    End Property

    '
    Private _price As Single
    Public Property price() As Single
        Get
            Return _price
        End Get
        Set(ByVal value As Single)

            _price = value

        End Set

    End Property

    '出版日期
    Private _publishDate As DateTime
    Public Property publishDate() As DateTime
        Get
            Return _publishDate
        End Get
        Set(ByVal value As DateTime)

            _publishDate = value

        End Set

    End Property

    '封面
    Private _cover As Byte()
    Public Property cover() As Byte()
        Get
            Return _cover
        End Get
        Set(ByVal value As Byte())

            _cover = value

        End Set

    End Property

    '作者
    Private _author As Integer
    Public Property author() As Integer
        Get
            Return _author
        End Get
        Set(ByVal value As Integer)

            _author = value

        End Set

    End Property

    '出版社
    Private _press As String
    Public Property press() As String
        Get
            Return _press
        End Get
        Set(ByVal value As String)

            _press = value

        End Set

    End Property

End Class
