// Reads the forms of a generated user-interface project with the Visual Basic
// parser and reports what fails in the end user's hands:
// - a call into the business layer (BLL.) outside a Try whose Catch shows a
//   message box, directly or through a method of the same form;
// - SelectedValue read where nothing checked that something is selected (the
//   same drop-down's SelectedValue against Nothing, or its SelectedIndex);
// - a drop-down list that is not DropDownList, so the user can type a free value;
// - a control's property set in InitializeComponent through another control's field.
// Exit 0: no problem; 1: problems listed; 2: bad arguments.
using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Text;
using Microsoft.CodeAnalysis;
using Microsoft.CodeAnalysis.VisualBasic;
using Microsoft.CodeAnalysis.VisualBasic.Syntax;

static class Program {
  static int Main(string[] args) {
    Console.OutputEncoding = new UTF8Encoding(false);
    if (args.Length != 1 || !Directory.Exists(args[0])) {
      Console.Error.WriteLine("usage: FormCheck FOLDER");
      return 2;
    }
    Encoding.RegisterProvider(CodePagesEncodingProvider.Instance);
    var files = Directory.GetFiles(args[0], "*.vb").OrderBy(f => f, StringComparer.Ordinal).ToList();
    var trees = files.Select(f => VisualBasicSyntaxTree.ParseText(ReadText(f), path: Path.GetFileName(f))).ToList();
    var problems = new List<string>();
    // A form's code and designer files are two parts of one class.
    var parts = trees.SelectMany(t => t.GetRoot().DescendantNodes().OfType<ClassBlockSyntax>())
                    .GroupBy(c => c.ClassStatement.Identifier.ValueText, StringComparer.OrdinalIgnoreCase);
    foreach (var form in parts) new FormCheck(form.ToList(), problems).Run();
    foreach (var problem in problems) Console.WriteLine("error: " + problem);
    Console.WriteLine($"checked {files.Count} file(s): {problems.Count} problem(s)");
    return problems.Count == 0 ? 0 : 1;
  }

  // Code files are in the ANSI code page 936 or in UTF-8.
  static string ReadText(string file) {
    var bytes = File.ReadAllBytes(file);
    try {
      return new UTF8Encoding(false, true).GetString(bytes).TrimStart('\uFEFF');
    } catch (DecoderFallbackException) {
      return Encoding.GetEncoding(936).GetString(bytes);
    }
  }
}

sealed class FormCheck {
  readonly List<ClassBlockSyntax> parts_;
  readonly List<string> problems_;
  readonly HashSet<string> messageMethods_ = new(StringComparer.OrdinalIgnoreCase);
  readonly Dictionary<string, string> controls_ = new(StringComparer.OrdinalIgnoreCase);  // field -> type

  public FormCheck(List<ClassBlockSyntax> parts, List<string> problems) {
    parts_ = parts;
    problems_ = problems;
    foreach (var method in Nodes<MethodBlockSyntax>())
      if (method.DescendantNodes().OfType<InvocationExpressionSyntax>().Any(IsMessageBoxShow))
        messageMethods_.Add(method.SubOrFunctionStatement.Identifier.ValueText);
    foreach (var declarator in Nodes<FieldDeclarationSyntax>().SelectMany(f => f.Declarators)) {
      var type = declarator.AsClause is SimpleAsClauseSyntax simple ? simple.Type.ToString() : "";
      if (!type.StartsWith("System.Windows.Forms.", StringComparison.Ordinal)) continue;
      foreach (var name in declarator.Names) controls_[name.Identifier.ValueText] = type;
    }
  }

  public void Run() {
    CheckBusinessCalls();
    CheckSelectedValues();
    CheckDropDownStyles();
    CheckOwnFields();
  }

  IEnumerable<T> Nodes<T>() where T : SyntaxNode => parts_.SelectMany(p => p.DescendantNodes().OfType<T>());

  void Report(SyntaxNode node, string message) {
    var line = node.SyntaxTree.GetLineSpan(node.Span).StartLinePosition.Line + 1;
    problems_.Add($"{node.SyntaxTree.FilePath}:{line}: {message}");
  }

  void CheckBusinessCalls() {
    foreach (var call in Nodes<InvocationExpressionSyntax>()) {
      if (!string.Equals(FirstName(call.Expression), "BLL", StringComparison.OrdinalIgnoreCase)) continue;
      var guarded = call.Ancestors().OfType<TryBlockSyntax>().Any(
          t => t.Statements.Any(s => s.Span.Contains(call.Span)) && t.CatchBlocks.Any(ShowsMessage));
      if (!guarded) Report(call, $"{call.Expression} is called outside a Try whose Catch shows a message");
    }
  }

  bool ShowsMessage(CatchBlockSyntax block) =>
      block.DescendantNodes().OfType<InvocationExpressionSyntax>().Any(
          c => IsMessageBoxShow(c) || (CalleeOfMe(c) is string name && messageMethods_.Contains(name)));

  void CheckSelectedValues() {
    foreach (var access in Nodes<MemberAccessExpressionSyntax>()) {
      if (!IsName(access, "SelectedValue") || access.Expression == null) continue;
      if (access.Parent is AssignmentStatementSyntax assignment && assignment.Left == access) continue;
      if (NothingTest(access) != null) continue;
      var box = Key(access.Expression);
      if (InsideSelectionCheck(access, box) || AfterReturnWhenNothing(access, box)) continue;
      Report(access, $"{access} is read without a check that something is selected");
    }
  }

  void CheckDropDownStyles() {
    var lists = new HashSet<string>(StringComparer.OrdinalIgnoreCase);
    foreach (var (field, property, value) in PropertySettings())
      if (property == "DropDownStyle" && value.ToString().EndsWith("ComboBoxStyle.DropDownList", StringComparison.Ordinal))
        lists.Add(field);
    foreach (var declarator in Nodes<FieldDeclarationSyntax>().SelectMany(f => f.Declarators))
      foreach (var name in declarator.Names)
        if (controls_.TryGetValue(name.Identifier.ValueText, out var type) && type.EndsWith(".ComboBox") &&
            !lists.Contains(name.Identifier.ValueText))
          Report(name, $"{name.Identifier.ValueText} lets the user type a value: it is not DropDownList");
  }

  // The designer writes each control's settings under a comment with its name.
  void CheckOwnFields() {
    foreach (var method in Nodes<MethodBlockSyntax>()) {
      if (method.SubOrFunctionStatement.Identifier.ValueText != "InitializeComponent") continue;
      string section = null;
      foreach (var statement in method.Statements) {
        var comment = statement.GetLeadingTrivia().Where(t => t.IsKind(SyntaxKind.CommentTrivia))
                          .Select(t => t.ToString().TrimStart('\'').Trim()).LastOrDefault(t => t.Length > 0);
        if (comment != null) section = controls_.ContainsKey(comment) ? comment : null;
        var setting = Setting(statement);
        if (setting == null) continue;
        var (field, property, _) = setting.Value;
        if (section != null && !Same(field, section))
          Report(statement, $"{property} of {field} is set among the settings of {section}");
      }
    }
  }

  IEnumerable<(string, string, ExpressionSyntax)> PropertySettings() =>
      Nodes<AssignmentStatementSyntax>().Select(Setting).Where(s => s != null).Select(s => s.Value);

  // Me.field.Property = value
  static (string, string, ExpressionSyntax)? Setting(StatementSyntax statement) {
    if (statement is not AssignmentStatementSyntax { Left: MemberAccessExpressionSyntax property } assignment ||
        property.Expression is not MemberAccessExpressionSyntax { Expression: MeExpressionSyntax } field)
      return null;
    return (field.Name.Identifier.ValueText, property.Name.Identifier.ValueText, assignment.Right);
  }

  // Inside an If whose condition holds the box's SelectedValue IsNot Nothing or its SelectedIndex.
  static bool InsideSelectionCheck(SyntaxNode use, string box) {
    foreach (var node in use.Ancestors()) {
      var (condition, statements) = node switch {
        MultiLineIfBlockSyntax b => (b.IfStatement.Condition, b.Statements),
        ElseIfBlockSyntax b => (b.ElseIfStatement.Condition, b.Statements),
        SingleLineIfStatementSyntax s => (s.Condition, s.Statements),
        _ => (null, default(SyntaxList<StatementSyntax>)),
      };
      if (condition != null && statements.Any(s => s.Span.Contains(use.Span)) &&
          ChecksSelection(condition, box, SyntaxKind.IsNotExpression))
        return true;
    }
    return false;
  }

  // After an If of the same procedure that leaves it when the box's SelectedValue Is Nothing.
  static bool AfterReturnWhenNothing(SyntaxNode use, string box) {
    var method = use.FirstAncestorOrSelf<MethodBlockBaseSyntax>();
    if (method == null) return false;
    foreach (var node in method.DescendantNodes()) {
      if (node.SpanStart >= use.SpanStart) break;
      var (condition, statements) = node switch {
        MultiLineIfBlockSyntax b => (b.IfStatement.Condition, b.Statements),
        SingleLineIfStatementSyntax s => (s.Condition, s.Statements),
        _ => (null, default(SyntaxList<StatementSyntax>)),
      };
      if (condition == null || node.Span.Contains(use.Span) || !ChecksSelection(condition, box, SyntaxKind.IsExpression))
        continue;
      if (statements.Any(s => s is ReturnStatementSyntax || s is ExitStatementSyntax)) return true;
    }
    return false;
  }

  static bool ChecksSelection(ExpressionSyntax condition, string box, SyntaxKind nothingTest) =>
      condition.DescendantNodesAndSelf().OfType<MemberAccessExpressionSyntax>().Any(
          m => m.Expression != null && Key(m.Expression) == box &&
               (IsName(m, "SelectedIndex") || (IsName(m, "SelectedValue") && NothingTest(m) == nothingTest)));

  // IsExpression or IsNotExpression where value is compared with Nothing; null otherwise.
  static SyntaxKind? NothingTest(ExpressionSyntax value) {
    if (value.Parent is not BinaryExpressionSyntax test ||
        !(test.IsKind(SyntaxKind.IsExpression) || test.IsKind(SyntaxKind.IsNotExpression)))
      return null;
    var other = test.Left == value ? test.Right : test.Left;
    return other.IsKind(SyntaxKind.NothingLiteralExpression) ? test.Kind() : null;
  }

  static bool IsMessageBoxShow(InvocationExpressionSyntax call) =>
      call.Expression is MemberAccessExpressionSyntax m && IsName(m, "Show") && m.Expression != null &&
      LastName(m.Expression) == "MessageBox";

  // The name of a procedure of the form itself that call calls: F(...) or Me.F(...).
  static string CalleeOfMe(InvocationExpressionSyntax call) => call.Expression switch {
    IdentifierNameSyntax id => id.Identifier.ValueText,
    MemberAccessExpressionSyntax { Expression: MeExpressionSyntax } m => m.Name.Identifier.ValueText,
    _ => null,
  };

  static string FirstName(ExpressionSyntax e) {
    while (e is MemberAccessExpressionSyntax m && m.Expression != null) e = m.Expression;
    return (e as IdentifierNameSyntax)?.Identifier.ValueText;
  }

  static string LastName(ExpressionSyntax e) => e switch {
    IdentifierNameSyntax id => id.Identifier.ValueText,
    MemberAccessExpressionSyntax m => m.Name.Identifier.ValueText,
    _ => null,
  };

  static bool IsName(MemberAccessExpressionSyntax m, string name) => Same(m.Name.Identifier.ValueText, name);

  static bool Same(string a, string b) => string.Equals(a, b, StringComparison.OrdinalIgnoreCase);

  // A control as written, without Me. in front, in lower case (VB names ignore case).
  static string Key(ExpressionSyntax e) {
    var text = string.Concat(e.ToString().Where(c => !char.IsWhiteSpace(c))).ToLowerInvariant();
    return text.StartsWith("me.", StringComparison.Ordinal) ? text.Substring(3) : text;
  }
}
