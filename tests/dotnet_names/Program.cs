// Writes the C++ table of .NET names that the VB compiler finds before a
// generated project's own classes and members, and the list of the compiler's
// reserved keywords, which no class or member may be named. VB compares names
// without case, so both hold them lowered, sorted and once each.
//
//   dotnet run -- NAMES.cpp KEYWORDS.inc     (the names table on stdout without arguments)
using System.Reflection;
using System.Text;
using Microsoft.CodeAnalysis.VisualBasic;

// The assemblies every generated project references: the SDK's implicit
// references, Visual Basic's runtime and the user-interface project's own.
string[] assemblies =
{
    "mscorlib", "System", "System.Core", "System.Data", "System.Drawing", "System.Xml", "System.Xml.Linq",
    "System.Runtime.Serialization", "System.Numerics", "System.IO.Compression.FileSystem", "System.Net.Http",
    "Microsoft.VisualBasic", "System.Configuration", "System.Deployment", "System.Windows.Forms", "System.Resources.Extensions",
};

// The namespaces the generated sources import: the SDK's project-wide imports
// for Visual Basic, the user-interface project's, and each file's Imports lines.
string[] importedNamespaces =
{
    "Microsoft.VisualBasic", "System", "System.Collections", "System.Collections.Generic", "System.Data",
    "System.Diagnostics", "System.Linq", "System.Xml.Linq", "System.Threading.Tasks",
    "System.Drawing", "System.Windows.Forms",
    "System.ComponentModel", "System.Text", "System.IO", "System.Data.SqlClient",
};

static string Metadata(string key) => typeof(Program).Assembly.GetCustomAttributes<AssemblyMetadataAttribute>()
    .First(a => a.Key == key).Value!;
string referenceFolder = Metadata("ReferenceAssemblies");
var paths = Directory.GetFiles(referenceFolder, "*.dll")
    .Concat(Directory.GetFiles(Path.Combine(referenceFolder, "Facades"), "*.dll"))
    .Append(Metadata("ResourcesExtensions"));
using var context = new MetadataLoadContext(new PathAssemblyResolver(paths), "mscorlib");

var types = assemblies.SelectMany(a => context.LoadFromAssemblyName(a).GetTypes()).ToList();

static string Lowered(string name)
{
    int tick = name.IndexOf('`');
    return (tick < 0 ? name : name[..tick]).ToLowerInvariant();
}

// A type of an imported namespace hides a class of the same name (BC30561).
var importedTypes = types
    .Where(t => t.IsPublic && importedNamespaces.Contains(t.Namespace))
    .Select(t => Lowered(t.Name));

// Inside a form, the form's own members and nested types come first: a field
// named like one hides it (Me.Name), a class named like a nested type loses to it
// (where a type is expected, only types count).
var formType = context.LoadFromAssemblyName("System.Windows.Forms").GetType("System.Windows.Forms.Form")!;
const BindingFlags everyMember = BindingFlags.Public | BindingFlags.NonPublic | BindingFlags.Instance |
                                 BindingFlags.Static | BindingFlags.FlattenHierarchy;
var formMembers = new List<string>();
var formTypes = new List<string>();
for (Type? t = formType; t != null; t = t.BaseType)
{
    formTypes.AddRange(t.GetNestedTypes(BindingFlags.Public | BindingFlags.NonPublic)
        .Where(nested => nested.IsNestedPublic || nested.IsNestedFamily).Select(nested => Lowered(nested.Name)));
    formMembers.AddRange(t.GetMembers(everyMember | BindingFlags.DeclaredOnly)
        .Where(m => m is not MethodBase method || method.IsPublic || method.IsFamily || method.IsFamilyOrAssembly)
        .Where(m => m is not FieldInfo field || field.IsPublic || field.IsFamily || field.IsFamilyOrAssembly)
        .Where(m => m is not Type nested || nested.IsNestedPublic || nested.IsNestedFamily)
        .Where(m => m is not PropertyInfo && m is not EventInfo || IsVisible(m))
        .Select(m => Lowered(m.Name)));
}

static bool IsVisible(MemberInfo m)
{
    var accessors = m switch
    {
        PropertyInfo p => p.GetAccessors(true),
        EventInfo e => new[] { e.AddMethod!, e.RemoveMethod! },
        _ => Array.Empty<MethodInfo>(),
    };
    return accessors.Any(a => a.IsPublic || a.IsFamily || a.IsFamilyOrAssembly);
}

// The first part of every namespace of the referenced assemblies (public or
// not: the compiler sees them all) hides a class named like it (BC30182).
var topNamespaces = types
    .Where(t => !string.IsNullOrEmpty(t.Namespace))
    .Select(t => t.Namespace!.Split('.')[0].ToLowerInvariant())
    .Append("my");  // the Visual Basic project's own My namespace

static string Table(string name, IEnumerable<string> names)
{
    var text = new StringBuilder($"const std::vector<std::string_view> {name} = {{\n");
    foreach (var n in names.Where(n => !n.StartsWith("<") && !n.Contains('.')).Distinct().Order(StringComparer.Ordinal))
        text.Append($"    \"{n}\",\n");
    return text.Append("};\n").ToString();
}

var source = new StringBuilder()
    .Append("// Made by tests/dotnet_names from the .NET Framework 4.8 reference assemblies; do not edit.\n")
    .Append("// The build check test dotnet_names_current fails when it is out of date.\n")
    .Append("#include \"generator/naming/DotnetNames.h\"\n\n")
    .Append("namespace dotnet_names {\n\n")
    .Append(Table("kImportedTypes", importedTypes)).Append('\n')
    .Append(Table("kFormMembers", formMembers)).Append('\n')
    .Append(Table("kFormTypes", formTypes)).Append('\n')
    .Append(Table("kTopNamespaces", topNamespaces)).Append('\n')
    .Append("}  // namespace dotnet_names\n")
    .ToString();

// The compiler's reserved keywords that its parser refuses as a bare class
// name (NameOf, GetXmlNamespace ...); contextual keywords (Async, From ...)
// stay legal names.
static bool RefusedAsName(string word) =>
    VisualBasicSyntaxTree.ParseText($"Public Class {word}\nEnd Class\n").GetDiagnostics().Any();
var keywords = new StringBuilder()
    .Append("// Visual Basic's reserved keywords, lowered and sorted: made by tests/dotnet_names from\n")
    .Append("// the compiler's SyntaxFacts; do not edit. The test dotnet_names_current fails when it is out of date.\n");
foreach (var word in SyntaxFacts.GetReservedKeywordKinds().Select(k => SyntaxFacts.GetText(k))
             .Where(RefusedAsName).Select(w => w.ToLowerInvariant()).Distinct().Order(StringComparer.Ordinal))
    keywords.Append($"\"{word}\",\n");

if (args.Length > 0)
{
    File.WriteAllText(args[0], source);
    if (args.Length > 1) File.WriteAllText(args[1], keywords.ToString());
}
else Console.Write(source);
