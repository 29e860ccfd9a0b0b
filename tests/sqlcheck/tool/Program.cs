// Checks the T-SQL of a generated project: the table script and every
// statement its data access sends, with Microsoft's parser and with the
// checks a parser cannot make. Exit 0: no problem; 1: problems listed.
using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Text;
using Microsoft.SqlServer.TransactSql.ScriptDom;

static class Program {
  static int Main(string[] args) {
    Console.OutputEncoding = new UTF8Encoding(false);
    if (args.Length == 1 && args[0] == "reserved-words") {
      foreach (var word in ReservedWords.Find()) Console.WriteLine(word);
      return 0;
    }
    if (args.Length == 2 && args[0] == "check") return Check(args[1]);
    Console.Error.WriteLine("usage: SqlCheck check SCRIPT | SqlCheck reserved-words");
    return 2;
  }

  static int Check(string scriptFile) {
    var problems = new List<string>();
    var script = File.ReadAllText(scriptFile, Encoding.UTF8);
    var tables = new Dictionary<string, List<string>>(StringComparer.OrdinalIgnoreCase);
    var fragment = TSql.Parse(script, "table script", problems);
    if (fragment != null) {
      foreach (var create in TSql.All<CreateTableStatement>(fragment))
        tables[create.SchemaObjectName.BaseIdentifier.Value] =
            create.Definition.ColumnDefinitions.Select(c => c.ColumnIdentifier.Value).ToList();
      new ShapeCheck(tables, "table script", problems).Run(fragment);
      CheckLengths(fragment, problems);
    }
    int count = 0;
#if WITH_DAL
    foreach (var statement in DalStatements.Record(problems)) {
      ++count;
      var text = statement.Assemble(problems);
      if (text == null) continue;
      var parsed = TSql.Parse(text, statement.Origin, problems);
      if (parsed != null) new ShapeCheck(tables, statement.Origin + ": " + text, problems).Run(parsed);
    }
#endif
    foreach (var problem in problems) Console.WriteLine("error: " + problem);
    Console.WriteLine($"checked the table script and {count} statement(s): {problems.Count} problem(s)");
    return problems.Count == 0 ? 0 : 1;
  }

  // SQL Server refuses a text or binary column of length 0 or longer than its type allows.
  static void CheckLengths(TSqlFragment script, List<string> problems) {
    foreach (var column in TSql.All<ColumnDefinition>(script)) {
      if (column.DataType is not SqlDataTypeReference type || type.Parameters.Count == 0 ||
          type.Parameters[0] is not IntegerLiteral literal)
        continue;
      int max = type.SqlDataTypeOption switch {
        SqlDataTypeOption.Char or SqlDataTypeOption.VarChar or SqlDataTypeOption.Binary or
            SqlDataTypeOption.VarBinary => 8000,
        SqlDataTypeOption.NChar or SqlDataTypeOption.NVarChar => 4000,
        _ => int.MaxValue,
      };
      if (!int.TryParse(literal.Value, out int length) || length < 1 || length > max)
        problems.Add($"table script: column {column.ColumnIdentifier.Value} has length {literal.Value}, outside 1 to {max}");
    }
  }
}

static class TSql {
  public static TSqlFragment Parse(string text, string origin, List<string> problems) {
    var fragment = new TSql160Parser(true).Parse(new StringReader(text), out IList<ParseError> errors);
    foreach (var e in errors.Take(10))
      problems.Add($"{origin}: line {e.Line}, column {e.Column}: {e.Message}" +
                   (origin == "table script" ? "" : "\n    in: " + text.Replace("\n", "\n        ")));
    return errors.Count == 0 ? fragment : null;
  }

  public static IList<TSqlParserToken> Tokens(string text) =>
      new TSql160Parser(true).GetTokenStream(new StringReader(text), out IList<ParseError> _);

  public static List<T> All<T>(TSqlFragment fragment) where T : TSqlFragment {
    var collector = new Collector<T>();
    fragment.Accept(collector);
    return collector.Found;
  }

  class Collector<T> : TSqlFragmentVisitor where T : TSqlFragment {
    public readonly List<T> Found = new List<T>();
    public override void Visit(TSqlFragment node) {
      if (node is T t) Found.Add(t);
    }
  }
}
