Imports System.Collections.Generic
Imports System.Data

'Every statement the data-access classes and DBHelp hand to SQL Server, with
'the parameters it carried, in the order they were executed.
Public Class SqlRecorder
    Public Shared ReadOnly Statements As New List(Of RecordedStatement)
End Class

Public Class RecordedStatement
    Public Text As String
    Public Parameters As List(Of SqlParameter)
End Class

'Stand-ins with the members DBHelp and the generated code use; nothing is
'connected, every execution is recorded.
Namespace Global.System.Configuration
    Public Class ConnectionStringSettings
        Public Property ConnectionString As String = "recorded"
    End Class

    Public Class ConfigurationManager
        Public Shared ReadOnly Property ConnectionStrings(ByVal name As String) As ConnectionStringSettings
            Get
                Return New ConnectionStringSettings()
            End Get
        End Property
    End Class

    Public Class ConfigurationErrorsException
        Inherits Exception
        Public Sub New(ByVal message As String)
            MyBase.New(message)
        End Sub
    End Class
End Namespace

'The provider the generated code imports: .NET Framework's or the current one.
#If MICROSOFT_SQLCLIENT Then
Namespace Global.Microsoft.Data.SqlClient
#Else
Namespace Global.System.Data.SqlClient
#End If
    Public Class SqlConnection
        Implements IDisposable
        Public Sub New(ByVal connectionString As String)
        End Sub
        Public Sub Open()
        End Sub
        Public Sub Dispose() Implements IDisposable.Dispose
        End Sub
    End Class

    Public Class SqlParameter
        Public Sub New(ByVal name As String, ByVal type As SqlDbType)
            ParameterName = name
            SqlDbType = type
        End Sub
        Public Property ParameterName As String
        Public Property SqlDbType As SqlDbType
        Public Property Value As Object
    End Class

    Public Class SqlParameterCollection
        Inherits List(Of SqlParameter)
    End Class

    Public Class SqlCommand
        Implements IDisposable
        Private ReadOnly text As String
        Public ReadOnly Property Parameters As New SqlParameterCollection()

        Public Sub New(ByVal sql As String, ByVal connection As SqlConnection)
            text = sql
        End Sub

        Friend Sub Record()
            Global.DAL.SqlRecorder.Statements.Add(New Global.DAL.RecordedStatement With {.Text = text, .Parameters = New List(Of SqlParameter)(Parameters)})
        End Sub

        Public Function ExecuteNonQuery() As Integer
            Record()
            Return 1
        End Function

        Public Function ExecuteReader(ByVal behavior As CommandBehavior) As SqlDataReader
            Record()
            Return New SqlDataReader()
        End Function

        Public Function ExecuteScalar() As Object
            Record()
            Return 25
        End Function

        Public Sub Dispose() Implements IDisposable.Dispose
        End Sub
    End Class

    'No rows: the statements are what the check is after.
    Public Class SqlDataReader
        Public Function Read() As Boolean
            Return False
        End Function
        Public Sub Close()
        End Sub
        Default Public ReadOnly Property Item(ByVal name As String) As Object
            Get
                Return Nothing
            End Get
        End Property
    End Class

    Public Class SqlDataAdapter
        Implements IDisposable
        Private ReadOnly command As SqlCommand

        Public Sub New(ByVal command As SqlCommand)
            Me.command = command
        End Sub

        'A page table has the row-number column DBHelp removes.
        Public Function Fill(ByVal data As DataSet) As Integer
            command.Record()
            data.Tables.Add().Columns.Add("PagerRowNumber", GetType(Long))
            Return 0
        End Function

        Public Sub Dispose() Implements IDisposable.Dispose
        End Sub
    End Class
End Namespace
