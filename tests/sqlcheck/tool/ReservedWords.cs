// The words the parser refuses as a bare table or column name. Candidates are
// the parser's own token names, as written and with "_" between their words
// (CurrentUser: CURRENT_USER); a candidate counts when the parser reads it as
// a keyword and at least one plain statement fails with it as a name.
using System;
using System.Collections.Generic;
using System.Linq;
using System.Text.RegularExpressions;
using Microsoft.SqlServer.TransactSql.ScriptDom;

static class ReservedWords {
  public static IEnumerable<string> Find() {
    var candidates = new SortedSet<string>(StringComparer.Ordinal);
    foreach (var name in Enum.GetNames(typeof(TSqlTokenType))) {
      candidates.Add(name.ToUpperInvariant());
      candidates.Add(Regex.Replace(name, "(?<=[a-z])(?=[A-Z])", "_").ToUpperInvariant());
    }
    return candidates.Where(w => w.All(c => c == '_' || (c >= 'A' && c <= 'Z')) && IsKeyword(w) && !WorksAsName(w));
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
