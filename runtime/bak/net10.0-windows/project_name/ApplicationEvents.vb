Imports Microsoft.VisualBasic.ApplicationServices

Namespace My

    Partial Friend Class MyApplication

        '窗体按宋体 9 磅（.NET Framework 在中文 Windows 上的默认字体）布局，
        '而 .NET 的默认字体更大：在此设回原来的字体，窗体布局不变。
        'DPI 模式与 .NET Windows 窗体模板相同：按系统 DPI 缩放。
        Private Sub MyApplication_ApplyApplicationDefaults(sender As Object, e As ApplyApplicationDefaultsEventArgs) Handles Me.ApplyApplicationDefaults
            e.Font = New Font("SimSun", 9.0!)
            e.HighDpiMode = HighDpiMode.SystemAware
        End Sub

    End Class

End Namespace
