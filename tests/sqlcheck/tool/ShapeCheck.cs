// What SQL Server refuses but the parser accepts: a table exposed twice in one
// FROM list, a derived table with two columns of one name or a column without
// a name, a column that no table of the statement has or that two have. Table
// columns come from the table script.
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
    var sources = Sources(node);
    foreach (var twice in sources.GroupBy(s => s.Name, StringComparer.OrdinalIgnoreCase).Where(g => g.Count() > 1))
      problems.Add($"{origin}: table {twice.Key} named twice in one FROM list");
    var references = new ColumnReferences();
    foreach (var element in node.SelectElements) element.Accept(references);
    node.WhereClause?.Accept(references);
    Bind(references.Found, sources);
  }

  public override void Visit(UpdateSpecification node) {
    var references = new ColumnReferences();
    foreach (var clause in node.SetClauses) clause.Accept(references);
    node.WhereClause?.Accept(references);
    Bind(references.Found, Target(node.Target));
  }

  public override void Visit(DeleteSpecification node) {
    var references = new ColumnReferences();
    node.WhereClause?.Accept(references);
    Bind(references.Found, Target(node.Target));
  }

  public override void Visit(InsertSpecification node) => Bind(node.Columns, Target(node.Target));

  List<Source> Target(TableReference target) {
    var sources = new List<Source>();
    Collect(target, sources);
    return sources;
  }

  // Each column a statement names must be a column of exactly one of its
  // tables, where their columns are known.
  void Bind(IEnumerable<ColumnReferenceExpression> columns, List<Source> sources) {
    if (sources.Count == 0 || sources.Any(s => s.Columns == null)) return;
    foreach (var column in columns) {
      if (column.ColumnType != ColumnType.Regular || column.MultiPartIdentifier == null) continue;
      var parts = column.MultiPartIdentifier.Identifiers.Select(i => i.Value).ToList();
      var name = parts.Last();
      var written = string.Join(".", parts);
      var candidates = parts.Count == 1 ? sources : sources.Where(s => Same(s.Name, parts[parts.Count - 2])).ToList();
      if (candidates.Count == 0) {
        problems.Add($"{origin}: {written} names no table of the FROM list");
        continue;
      }
      var holding = candidates.Count(s => s.Columns.Any(c => Same(c, name)));
      if (holding == 0) problems.Add($"{origin}: column {written} is in no table of the statement");
      if (holding > 1) problems.Add($"{origin}: column {written} is ambiguous");
    }
  }

  static bool Same(string a, string b) => string.Equals(a, b, StringComparison.OrdinalIgnoreCase);

  // The column references of one query level: subqueries are checked on their own.
  class ColumnReferences : TSqlFragmentVisitor {
    public readonly List<ColumnReferenceExpression> Found = new List<ColumnReferenceExpression>();
    public override void Visit(ColumnReferenceExpression node) => Found.Add(node);
    public override void ExplicitVisit(ScalarSubquery node) {}
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
              var plain = scalar.Expression as ColumnReferenceExpression;
              columns.Add(scalar.ColumnName?.Value ?? plain?.MultiPartIdentifier?.Identifiers.Last().Value);
              break;
            case SelectStarExpression star: {
              var qualifier = star.Qualifier?.Identifiers.Last().Value;
              var matched = Sources(query).Where(s => qualifier == null || Same(s.Name, qualifier));
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
