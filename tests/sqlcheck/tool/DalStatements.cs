// Every statement the generated data access can send: each public function of
// every data-access class is called with sample values (texts with a single
// quote, entities with every property set and with none), and what reaches
// the recording stand-in of the SQL Server client is kept.
#if WITH_DAL
using System;
using System.Collections.Generic;
using System.Data;
#if MICROSOFT_SQLCLIENT
using Microsoft.Data.SqlClient;
#else
using System.Data.SqlClient;
#endif
using System.Globalization;
using System.Linq;
using System.Reflection;
using System.Text;
using Microsoft.SqlServer.TransactSql.ScriptDom;

class Statement {
  public string Origin;
  public string Text;
  public List<SqlParameter> Parameters;

  // The statement as SQL Server runs it: each parameter declared with its
  // sample value, then the text. Null when a variable has no parameter.
  public string Assemble(List<string> problems) {
    var declared = new Dictionary<string, SqlParameter>(StringComparer.OrdinalIgnoreCase);
    foreach (var parameter in Parameters)
      if (!declared.TryAdd(parameter.ParameterName, parameter))
        problems.Add($"{Origin}: parameter {parameter.ParameterName} given twice{Shown()}");
    bool complete = true;
    foreach (var token in TSql.Tokens(Text).Where(t => t.TokenType == TSqlTokenType.Variable))
      if (!declared.ContainsKey(token.Text)) {
        problems.Add($"{Origin}: {token.Text} has no parameter{Shown()}");
        complete = false;
      }
    if (!complete) return null;
    var text = new StringBuilder();
    foreach (var parameter in declared.Values)
      text.Append($"declare {parameter.ParameterName} {SqlType(parameter.SqlDbType)} = {Literal(parameter.Value)}\n");
    return text.Append(Text).ToString();
  }

  string Shown() => "\n    in: " + Text.Replace("\n", "\n        ");

  static string SqlType(SqlDbType type) => type switch {
    SqlDbType.Int => "int",
    SqlDbType.Float => "float",
    SqlDbType.DateTime => "datetime",
    SqlDbType.Image => "varbinary(max)",
    _ => "varchar(max)",
  };

  static string Literal(object value) => value switch {
    null or DBNull => "NULL",
    string text => "N'" + text.Replace("'", "''") + "'",
    DateTime time => "'" + time.ToString("yyyy-MM-ddTHH:mm:ss", CultureInfo.InvariantCulture) + "'",
    byte[] bytes => "0x" + Convert.ToHexString(bytes),
    bool flag => flag ? "1" : "0",
    IFormattable number => number.ToString(null, CultureInfo.InvariantCulture),
    _ => "N'" + value.ToString().Replace("'", "''") + "'",
  };
}

static class DalStatements {
  const string QuotedText = "it's [a], (b)";

  public static List<Statement> Record(List<string> problems) {
    var statements = new List<Statement>();
    var assembly = typeof(DAL.SqlRecorder).Assembly;
    foreach (var type in assembly.GetTypes().Where(t => t.IsPublic && t.Name.StartsWith("dal")).OrderBy(t => t.Name)) {
      foreach (var method in type.GetMethods(BindingFlags.Public | BindingFlags.Static | BindingFlags.DeclaredOnly)) {
        foreach (var arguments in Calls(type, method)) {
          var origin = $"{type.Name}.{method.Name}";
          int before = DAL.SqlRecorder.Statements.Count;
          try {
            method.Invoke(null, arguments);
          } catch (TargetInvocationException e) {
            problems.Add($"{origin} threw {e.InnerException?.GetType().Name}: {e.InnerException?.Message}");
          }
          foreach (var recorded in DAL.SqlRecorder.Statements.Skip(before))
            statements.Add(new Statement { Origin = origin, Text = recorded.Text, Parameters = recorded.Parameters });
        }
      }
    }
    return statements;
  }

  static IEnumerable<object[]> Calls(Type dal, MethodInfo method) {
    var parameters = method.GetParameters();
    if (parameters.Length == 1 && parameters[0].ParameterType.Namespace == "Model") {
      yield return new[] { Entity(parameters[0].ParameterType, true) };
      yield return new[] { Entity(parameters[0].ParameterType, false) };
    } else if (method.Name.StartsWith("Del") && parameters[0].ParameterType == typeof(string[])) {
      yield return new object[] { new[] { QuotedText + ",b", "" } };
    } else if (method.Name.StartsWith("Del")) {
      var getSome = dal.GetMethods().FirstOrDefault(m => m.Name.StartsWith("getSome"));
      bool integerKey = getSome?.GetParameters().FirstOrDefault()?.ParameterType == typeof(int);
      yield return new object[] { integerKey ? "1,2, 3" : QuotedText + ",b" };
      yield return new object[] { integerKey ? "4" : QuotedText };
    } else {
      yield return parameters.Select(p => Argument(p)).ToArray();
    }
  }

  static object Argument(ParameterInfo parameter) {
    var type = parameter.ParameterType.IsByRef ? parameter.ParameterType.GetElementType() : parameter.ParameterType;
    return parameter.Name switch {
      // The pager's parameters; a key parameter may carry one of these names too.
      "PageIndex" when type == typeof(int) => 2,
      "PageSize" when type == typeof(int) => 10,
      "strWhere" when type == typeof(string) => "",
      _ => parameter.ParameterType.IsByRef ? Activator.CreateInstance(type) : Sample(type),
    };
  }

  static object Entity(Type type, bool filled) {
    var entity = Activator.CreateInstance(type);
    if (filled)
      foreach (var property in type.GetProperties().Where(p => p.CanWrite))
        property.SetValue(entity, Sample(property.PropertyType));
    return entity;
  }

  static object Sample(Type type) {
    if (type == typeof(string)) return QuotedText;
    if (type == typeof(int)) return 7;
    if (type == typeof(float)) return 1.5f;
    if (type == typeof(double)) return 2.5;
    if (type == typeof(DateTime)) return new DateTime(2026, 12, 8, 10, 30, 0);
    if (type == typeof(byte[])) return new byte[] { 1, 2, 3 };
    return type.IsValueType ? Activator.CreateInstance(type) : null;
  }
}
#endif
