// The words T-SQL refuses as a bare table or column name: SQL Server's
// documented reserved keywords, and the words the parser refuses. The
// parser's candidates are its own token names, as written and with "_"
// between their words (CurrentUser: CURRENT_USER); one counts when the parser
// reads it as a keyword and at least one plain statement fails with it as a
// name. The token names miss keywords spelled otherwise (IDENTITYCOL is
// IdentityColumn), which the documented list holds.
using System;
using System.Collections.Generic;
using System.Linq;
using System.Text.RegularExpressions;
using Microsoft.SqlServer.TransactSql.ScriptDom;

static class ReservedWords {
  // SQL Server's reserved keywords as its documentation lists them (the two words WITHIN GROUP aside).
  static readonly string[] Documented = {
      "ADD", "ALL", "ALTER", "AND", "ANY", "AS", "ASC", "AUTHORIZATION", "BACKUP", "BEGIN", "BETWEEN",
      "BREAK", "BROWSE", "BULK", "BY", "CASCADE", "CASE", "CHECK", "CHECKPOINT", "CLOSE", "CLUSTERED",
      "COALESCE", "COLLATE", "COLUMN", "COMMIT", "COMPUTE", "CONSTRAINT", "CONTAINS", "CONTAINSTABLE",
      "CONTINUE", "CONVERT", "CREATE", "CROSS", "CURRENT", "CURRENT_DATE", "CURRENT_TIME",
      "CURRENT_TIMESTAMP", "CURRENT_USER", "CURSOR", "DATABASE", "DBCC", "DEALLOCATE", "DECLARE", "DEFAULT",
      "DELETE", "DENY", "DESC", "DISK", "DISTINCT", "DISTRIBUTED", "DOUBLE", "DROP", "DUMP", "ELSE", "END",
      "ERRLVL", "ESCAPE", "EXCEPT", "EXEC", "EXECUTE", "EXISTS", "EXIT", "EXTERNAL", "FETCH", "FILE",
      "FILLFACTOR", "FOR", "FOREIGN", "FREETEXT", "FREETEXTTABLE", "FROM", "FULL", "FUNCTION", "GOTO",
      "GRANT", "GROUP", "HAVING", "HOLDLOCK", "IDENTITY", "IDENTITYCOL", "IDENTITY_INSERT", "IF", "IN",
      "INDEX", "INNER", "INSERT", "INTERSECT", "INTO", "IS", "JOIN", "KEY", "KILL", "LEFT", "LIKE", "LINENO",
      "LOAD", "MERGE", "NATIONAL", "NOCHECK", "NONCLUSTERED", "NOT", "NULL", "NULLIF", "OF", "OFF",
      "OFFSETS", "ON", "OPEN", "OPENDATASOURCE", "OPENQUERY", "OPENROWSET", "OPENXML", "OPTION", "OR",
      "ORDER", "OUTER", "OVER", "PERCENT", "PIVOT", "PLAN", "PRECISION", "PRIMARY", "PRINT", "PROC",
      "PROCEDURE", "PUBLIC", "RAISERROR", "READ", "READTEXT", "RECONFIGURE", "REFERENCES", "REPLICATION",
      "RESTORE", "RESTRICT", "RETURN", "REVERT", "REVOKE", "RIGHT", "ROLLBACK", "ROWCOUNT", "ROWGUIDCOL",
      "RULE", "SAVE", "SCHEMA", "SECURITYAUDIT", "SELECT", "SEMANTICKEYPHRASETABLE",
      "SEMANTICSIMILARITYDETAILSTABLE", "SEMANTICSIMILARITYTABLE", "SESSION_USER", "SET", "SETUSER",
      "SHUTDOWN", "SOME", "STATISTICS", "SYSTEM_USER", "TABLE", "TABLESAMPLE", "TEXTSIZE", "THEN", "TO",
      "TOP", "TRAN", "TRANSACTION", "TRIGGER", "TRUNCATE", "TRY_CONVERT", "TSEQUAL", "UNION", "UNIQUE",
      "UNPIVOT", "UPDATE", "UPDATETEXT", "USE", "USER", "VALUES", "VARYING", "VIEW", "WAITFOR", "WHEN",
      "WHERE", "WHILE", "WITH", "WRITETEXT",
  };

  public static IEnumerable<string> Find() {
    var candidates = new SortedSet<string>(Documented, StringComparer.Ordinal);
    foreach (var name in Enum.GetNames(typeof(TSqlTokenType))) {
      candidates.Add(name.ToUpperInvariant());
      candidates.Add(Regex.Replace(name, "(?<=[a-z])(?=[A-Z])", "_").ToUpperInvariant());
    }
    return candidates.Where(w => Documented.Contains(w) ||
                                 (w.All(c => c == '_' || (c >= 'A' && c <= 'Z')) && IsKeyword(w) && !WorksAsName(w)));
  }

  static bool IsKeyword(string word) {
    var tokens = TSql.Tokens(word);
    return tokens.Count > 0 && tokens[0].TokenType != TSqlTokenType.Identifier;
  }

  static bool WorksAsName(string w) {
    string[] statements = {
        $"create table {w} ({w} int, x int)",
        $"select {w}.{w}, x from {w} where {w}.{w} = 1",
        $"insert into {w}({w}) values(1)",
        $"update {w} set {w}=1 where {w}=2",
        $"delete from {w} where {w} in (1)",
        $"alter table {w} add foreign key ({w}) references {w}({w})",
    };
    var problems = new List<string>();
    foreach (var statement in statements) TSql.Parse(statement, "", problems);
    return problems.Count == 0;
  }
}
