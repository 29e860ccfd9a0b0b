Imports System.Reflection
Imports System.Runtime.InteropServices

'程序集信息：版本号在此修改
<Assembly: AssemblyDescription("")>
<Assembly: AssemblyCopyright("")>
<Assembly: ComVisible(False)>
<Assembly: AssemblyVersion("1.0.0.0")>
<Assembly: AssemblyFileVersion("1.0.0.0")>
