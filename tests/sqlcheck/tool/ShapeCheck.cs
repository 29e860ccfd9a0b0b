// What SQL Server refuses but the parser accepts: a table exposed twice in one
// FROM list, and a derived table with two columns of one name or a column
// without a name. Table columns come from the table script.
using System;
using System.Collections.Generic;
using System.Linq;
using Microsoft.SqlServer.TransactSql.ScriptDom;

class ShapeCheck : TSqlFragmentVisitor {
  readonly Dictionary<string, List<string>> tables;
  readonly string origin;
  readonly List<string> problems;

  public ShapeCheck(Dictionary<string, List<string>> tables, string origin, List<string> problems) {
    this.tables = tables;
    this.origin = origin;
    this.problems = problems;
  }

  public void Run(TSqlFragment fragment) => fragment.Accept(this);

  public override void Visit(QuerySpecification node) {
    if (node.FromClause == null) return;
    var names = Sources(node).Select(s => s.Name);
    foreach (var twice in names.GroupBy(n => n, StringComparer.OrdinalIgnoreCase).Where(g => g.Count() > 1))
      problems.Add($"{origin}: table {twice.Key} named twice in one FROM list");
  }

  public override void Visit(QueryDerivedTable node) {
    var columns = Columns(node.QueryExpression);
    if (columns == null) return;
    var alias = node.Alias?.Value ?? "(derived table)";
    if (columns.Contains(null)) problems.Add($"{origin}: derived table {alias} has a column without a name");
    foreach (var twice in columns.Where(c => c != null).GroupBy(c => c, StringComparer.OrdinalIgnoreCase)
                 .Where(g => g.Count() > 1))
      problems.Add($"{origin}: derived table {alias} has two columns named {twice.Key}");
  }

  record Source(string Name, List<string> Columns);

  List<Source> Sources(QuerySpecification query) {
    var sources = new List<Source>();
    if (query.FromClause != null)
      foreach (var reference in query.FromClause.TableReferences) Collect(reference, sources);
    return sources;
  }

  void Collect(TableReference reference, List<Source> sources) {
    switch (reference) {
      case NamedTableReference named:
        var table = named.SchemaObject.BaseIdentifier.Value;
        sources.Add(new Source(named.Alias?.Value ?? table, tables.GetValueOrDefault(table)));
        break;
      case QueryDerivedTable derived:
        sources.Add(new Source(derived.Alias?.Value ?? "", Columns(derived.QueryExpression)));
        break;
      case JoinTableReference join:
        Collect(join.FirstTableReference, sources);
        Collect(join.SecondTableReference, sources);
        break;
      case JoinParenthesisTableReference parenthesis:
        Collect(parenthesis.Join, sources);
        break;
    }
  }

  // The output column names of a query, null for a column without a name;
  // null in all when a star names a table whose columns are unknown.
  List<string> Columns(QueryExpression expression) {
    switch (expression) {
      case QueryParenthesisExpression parenthesis: return Columns(parenthesis.QueryExpression);
      case BinaryQueryExpression binary: return Columns(binary.FirstQueryExpression);
      case QuerySpecification query: {
        var columns = new List<string>();
        foreach (var element in query.SelectElements) {
          switch (element) {
            case SelectScalarExpression scalar:
              columns.Add(scalar.ColumnName?.Value ??
                          (scalar.Expression as ColumnReferenceExpression)?.MultiPartIdentifier?.Identifiers.Last().Value);
              break;
            case SelectStarExpression star: {
              var qualifier = star.Qualifier?.Identifiers.Last().Value;
              var matched = Sources(query).Where(s => qualifier == null ||
                                                      string.Equals(s.Name, qualifier, StringComparison.OrdinalIgnoreCase));
              foreach (var source in matched) {
                if (source.Columns == null) return null;
                columns.AddRange(source.Columns);
              }
              break;
            }
            default: return null;
          }
        }
        return columns;
      }
      default: return null;
    }
  }
}
