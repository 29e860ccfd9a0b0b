// Recursive descent over the tokens of a table script. The subset it reads
// (keywords in any case; name = [x] | "x" | x; { } many, [ ] optional):
//
//   script       = { statement }
//   statement    = GO | ";"
//                | CREATE TABLE table "(" element { "," element } [","] ")" { tableOption }
//                | ALTER TABLE table [WITH (CHECK | NOCHECK)] ADD addition { "," addition }
//                | ALTER TABLE table ...            (CHECK / NOCHECK CONSTRAINT, DROP, ...: skipped)
//                | EXEC[UTE] procedure [argument { "," argument }]
//                | CREATE (PROC[EDURE] | VIEW | TRIGGER | FUNCTION) ...   (skipped up to the next GO)
//                | any other statement              (skipped up to the next statement keyword)
//   table        = name [ "." name [ "." name ] ]   (the last name counts)
//   element      = column | constraint
//   addition     = constraint | DEFAULT expression FOR name | column
//   column       = name AS expression [PERSISTED] { columnOption }
//                | name type { columnOption }
//   type         = name [ "." name ] [ "(" (number | MAX) [ "," number ] ")" ]
//   columnOption = [NOT] NULL | IDENTITY [ "(" number "," number ")" ] | COLLATE name
//                | ROWGUIDCOL | SPARSE | NOT FOR REPLICATION
//                | [CONSTRAINT name] ( DEFAULT expression | PRIMARY KEY index | UNIQUE index
//                                    | [FOREIGN KEY] REFERENCES table [ "(" name ")" ] { action }
//                                    | CHECK [NOT FOR REPLICATION] "(" ... ")" )
//   constraint   = [CONSTRAINT name] ( PRIMARY KEY index columns indexOptions
//                                    | UNIQUE index columns indexOptions
//                                    | FOREIGN KEY columns REFERENCES table [columns] { action }
//                                    | CHECK [NOT FOR REPLICATION] "(" ... ")" )
//   index        = [CLUSTERED | NONCLUSTERED]
//   columns      = "(" name [ASC | DESC] { "," name [ASC | DESC] } ")"
//   indexOptions = [ WITH ( "(" ... ")" | FILLFACTOR "=" number ) ] [ ON name [ "(" name ")" ] ]
//   action       = ON (DELETE | UPDATE) (CASCADE | NO ACTION | SET NULL | SET DEFAULT) | NOT FOR REPLICATION
//   tableOption  = ON name [ "(" name ")" ] | TEXTIMAGE_ON name | FILESTREAM_ON name | WITH "(" ... ")"
//   expression   = "(" ... ")" | [ "+" | "-" ] literal | name [ "(" ... ")" ]
//   argument     = [ @name "=" ] ( string | number | name )
//
// sp_addextendedproperty with the name MS_Description on a table (level 1) or
// one of its columns (level 2) gives that table's or column's description.
#include "metadata/sqlimport/SqlScriptParser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "metadata/NameRules.h"
#include "metadata/sqlimport/SqlTokenizer.h"

namespace {

using K = TSqlTokenKind;

// Words that begin a statement: where skipping a statement stops.
constexpr std::array kStatementWords = {"ALTER",   "BEGIN",  "COMMIT", "CREATE", "DECLARE", "DELETE",   "DROP",
                                        "ELSE",    "END",    "EXEC",   "EXECUTE", "GO",     "GRANT",    "IF",
                                        "INSERT",  "MERGE",  "PRINT",  "RAISERROR", "RETURN", "ROLLBACK", "SELECT",
                                        "SET",     "TRUNCATE", "UPDATE", "USE",    "WHILE",  "DENY",     "REVOKE"};

constexpr std::array kBodyObjects = {"PROC", "PROCEDURE", "VIEW", "TRIGGER", "FUNCTION"};

class TParser {
 public:
  explicit TParser(std::vector<TSqlToken> tokens) : tokens_(std::move(tokens)) {}

  TSqlScript Run() {
    while (Peek().kind != K::End) Statement();
    return std::move(script_);
  }

 private:
  // ---- tokens
  const TSqlToken& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  const TSqlToken& Take() {
    const TSqlToken& token = Peek();
    if (token.kind != K::End) ++pos_;
    return token;
  }
  bool Accept(std::string_view keyword) {
    if (!Peek().Is(keyword)) return false;
    ++pos_;
    return true;
  }
  bool AcceptSymbol(char symbol) {
    if (!Peek().IsSymbol(symbol)) return false;
    ++pos_;
    return true;
  }

  // At the line of the last token read, or of line when given.
  [[noreturn]] void Fault(const std::string& problem, int line = 0) const {
    if (line == 0) line = tokens_[pos_ > 0 ? pos_ - 1 : 0].line;
    std::string where = "第 " + std::to_string(line) + " 行";
    if (table_) where += ", 表 " + table_->name;
    if (!column_.empty()) where += ", 列 " + column_;
    throw TSqlScriptError(where + ": " + problem);
  }
  [[noreturn]] void Unexpected(const std::string& expected) const {
    const TSqlToken& token = Peek();
    Fault(token.kind == K::End ? "脚本在此处结束, 应为 " + expected : "无法识别 '" + token.text + "', 应为 " + expected,
          token.line);
  }
  void Expect(std::string_view keyword) {
    if (!Accept(keyword)) Unexpected(std::string(keyword));
  }
  void ExpectSymbol(char symbol) {
    if (!AcceptSymbol(symbol)) Unexpected(std::string("'") + symbol + "'");
  }

  bool AtStatementStart() const {
    if (Peek().kind == K::End || Peek().IsSymbol(';')) return true;
    for (const char* word : kStatementWords)
      if (Peek().Is(word)) return true;
    return false;
  }

  std::string Name() {
    if (Peek().kind != K::Name && Peek().kind != K::Word) Unexpected("名称");
    return Take().text;
  }

  // schema.table or database.schema.table: the table's own name.
  std::string TableName() {
    std::string name = Name();
    while (AcceptSymbol('.')) name = Name();
    return name;
  }

  // From "(" to its matching ")".
  void SkipParenthesised() {
    ExpectSymbol('(');
    for (int depth = 1; depth > 0;) {
      if (Peek().kind == K::End) Unexpected("')'");
      if (Peek().IsSymbol('(')) ++depth;
      if (Peek().IsSymbol(')')) --depth;
      Take();
    }
  }

  int Number() {
    if (Peek().kind != K::Number) Unexpected("数字");
    try {
      return std::stoi(Take().text);
    } catch (const std::exception&) {
      Fault("数字 '" + tokens_[pos_ - 1].text + "' 无效");
    }
  }

  // ---- statements
  void Statement() {
    if (AcceptSymbol(';') || Accept("GO")) return;
    if (Peek().Is("CREATE") && Peek(1).Is("TABLE")) {
      pos_ += 2;
      return CreateTable();
    }
    if (Peek().Is("CREATE") && IsBodyObject(Peek(1))) return SkipBatch();
    if (Peek().Is("ALTER") && Peek(1).Is("TABLE")) {
      pos_ += 2;
      return AlterTable();
    }
    if (Peek().Is("EXEC") || Peek().Is("EXECUTE")) {
      Take();
      return Execute();
    }
    SkipStatement();
  }

  static bool IsBodyObject(const TSqlToken& token) {
    for (const char* word : kBodyObjects)
      if (token.Is(word)) return true;
    return false;
  }

  void SkipStatement() {
    Take();
    for (int depth = 0; Peek().kind != K::End; Take()) {
      if (Peek().IsSymbol('(')) ++depth;
      if (Peek().IsSymbol(')') && depth > 0) --depth;
      if (depth == 0 && AtStatementStart()) return;
    }
  }

  // Procedures, views, triggers and functions fill their batch.
  void SkipBatch() {
    while (Peek().kind != K::End && !Peek().Is("GO")) Take();
  }

  // ---- CREATE TABLE
  void CreateTable() {
    const int line = Peek().line;
    const std::string name = TableName();
    if (script_.Table(name)) Fault("表 " + name + " 在脚本中创建了两次");
    script_.tables.push_back({name, line, {}, {}, {}, {}});
    table_ = &script_.tables.back();
    ExpectSymbol('(');
    do {
      if (Peek().IsSymbol(')')) break;  // a trailing comma
      Element();
    } while (AcceptSymbol(','));
    ExpectSymbol(')');
    TableOptions();
    table_ = nullptr;
  }

  void Element() {
    if (Peek().Is("CONSTRAINT") || Peek().Is("PRIMARY") || Peek().Is("FOREIGN") || Peek().Is("UNIQUE") ||
        Peek().Is("CHECK"))
      return TableConstraint();
    Column();
  }

  void TableOptions() {
    for (;;) {
      if (Accept("ON") || Accept("TEXTIMAGE_ON") || Accept("FILESTREAM_ON")) {
        Name();
        if (Peek().IsSymbol('(')) SkipParenthesised();
      } else if (Accept("WITH")) {
        SkipParenthesised();
      } else {
        return;
      }
    }
  }

  void Column() {
    TSqlColumn column;
    column.line = Peek().line;
    column.name = Name();
    column_ = column.name;
    if (table_->Column(column.name)) Fault("列名重复");
    if (Accept("AS")) {
      Expression();
      Accept("PERSISTED");
    } else {
      Type(column);
    }
    while (ColumnOption(column)) {
    }
    if (!Peek().IsSymbol(',') && !Peek().IsSymbol(')') && !AtStatementStart()) Unexpected("列的属性、',' 或 ')'");
    table_->columns.push_back(column);
    column_.clear();
  }

  void Type(TSqlColumn& column) {
    column.type = Name();
    if (AcceptSymbol('.')) column.type = Name();
    for (char& c : column.type) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!AcceptSymbol('(')) return;
    if (Accept("MAX"))
      column.isMax = true;
    else
      column.length = Number();
    if (AcceptSymbol(',')) Number();
    ExpectSymbol(')');
  }

  // false when the next token is no column option.
  bool ColumnOption(TSqlColumn& column) {
    if (Accept("NULL")) return true;
    if (Peek().Is("NOT") && Peek(1).Is("NULL")) {
      pos_ += 2;
      column.notNull = true;
      return true;
    }
    if (Peek().Is("NOT") && Peek(1).Is("FOR")) return NotForReplication();
    if (Accept("IDENTITY")) {
      column.identity = true;
      column.notNull = true;
      if (Peek().IsSymbol('(')) SkipParenthesised();
      return true;
    }
    if (Accept("COLLATE")) {
      Name();
      return true;
    }
    if (Accept("ROWGUIDCOL") || Accept("SPARSE")) return true;
    const bool named = Accept("CONSTRAINT");
    if (named) Name();
    if (Accept("DEFAULT")) {
      Expression();
    } else if (Accept("PRIMARY")) {
      Expect("KEY");
      IndexKind();
      SetPrimaryKey({column.name});
      IndexOptions();
    } else if (Accept("UNIQUE")) {
      IndexKind();
      IndexOptions();
    } else if (Peek().Is("REFERENCES") || Peek().Is("FOREIGN")) {
      if (Accept("FOREIGN")) Expect("KEY");
      Expect("REFERENCES");
      TSqlForeignKey key{{column.name}, TableName(), {}, column.line};
      if (Peek().IsSymbol('(')) key.refColumns = Columns();
      Actions();
      table_->foreignKeys.push_back(key);
    } else if (Accept("CHECK")) {
      Check();
    } else if (named) {
      Unexpected("DEFAULT、PRIMARY KEY、UNIQUE、REFERENCES 或 CHECK");
    } else {
      return false;
    }
    return true;
  }

  void TableConstraint() {
    if (Accept("CONSTRAINT")) Name();
    if (Accept("PRIMARY")) {
      Expect("KEY");
      IndexKind();
      SetPrimaryKey(Columns());
      IndexOptions();
    } else if (Accept("UNIQUE")) {
      IndexKind();
      Columns();
      IndexOptions();
    } else if (Peek().Is("FOREIGN")) {
      const int line = Take().line;
      Expect("KEY");
      TSqlForeignKey key{Columns(), "", {}, line};
      Expect("REFERENCES");
      key.refTable = TableName();
      if (Peek().IsSymbol('(')) key.refColumns = Columns();
      Actions();
      for (const auto& name : key.columns)
        if (!table_->Column(name)) Fault("外键列 " + name + " 不是表中的列");
      table_->foreignKeys.push_back(key);
    } else if (Accept("CHECK")) {
      Check();
    } else {
      Unexpected("PRIMARY KEY、FOREIGN KEY、UNIQUE 或 CHECK");
    }
  }

  void SetPrimaryKey(const std::vector<std::string>& columns) {
    if (!table_->primaryKey.empty()) Fault("表有两个主键约束");
    for (const auto& name : columns)
      if (!table_->Column(name) && name != column_) Fault("主键列 " + name + " 不是表中的列");
    table_->primaryKey = columns;
  }

  void IndexKind() {
    if (!Accept("CLUSTERED")) Accept("NONCLUSTERED");
  }

  std::vector<std::string> Columns() {
    std::vector<std::string> names;
    ExpectSymbol('(');
    do {
      names.push_back(Name());
      if (!Accept("ASC")) Accept("DESC");
    } while (AcceptSymbol(','));
    ExpectSymbol(')');
    return names;
  }

  void IndexOptions() {
    if (Accept("WITH")) {
      if (Accept("FILLFACTOR")) {
        ExpectSymbol('=');
        Number();
      } else {
        SkipParenthesised();
      }
    }
    if (Peek().Is("ON") && !Peek(1).Is("DELETE") && !Peek(1).Is("UPDATE")) {
      Take();
      Name();
      if (Peek().IsSymbol('(')) SkipParenthesised();
    }
  }

  void Actions() {
    for (;;) {
      if (Peek().Is("ON") && (Peek(1).Is("DELETE") || Peek(1).Is("UPDATE"))) {
        pos_ += 2;
        if (Accept("CASCADE")) continue;
        if (Accept("NO")) {
          Expect("ACTION");
        } else {
          Expect("SET");
          if (!Accept("NULL")) Expect("DEFAULT");
        }
      } else if (!(Peek().Is("NOT") && Peek(1).Is("FOR") && NotForReplication())) {
        return;
      }
    }
  }

  bool NotForReplication() {
    Expect("NOT");
    Expect("FOR");
    Expect("REPLICATION");
    return true;
  }

  void Check() {
    if (Peek().Is("NOT")) NotForReplication();
    SkipParenthesised();
  }

  void Expression() {
    if (Peek().IsSymbol('(')) return SkipParenthesised();
    if (!AcceptSymbol('-')) AcceptSymbol('+');
    const TSqlToken& token = Peek();
    if (token.kind == K::Number || token.kind == K::String) {
      Take();
    } else if (token.kind == K::Word) {
      Take();
      if (Peek().IsSymbol('(')) SkipParenthesised();
    } else {
      Unexpected("默认值");
    }
  }

  // ---- ALTER TABLE
  void AlterTable() {
    const std::string name = TableName();
    if (Accept("WITH") && !Accept("CHECK")) Expect("NOCHECK");
    if (!Accept("ADD")) return SkipStatement();
    table_ = script_.Table(name);
    if (!table_) Fault("表 " + name + " 没有在脚本中创建");
    do Addition();
    while (AcceptSymbol(','));
    table_ = nullptr;
  }

  void Addition() {
    if (Peek().Is("CONSTRAINT") && Peek(2).Is("DEFAULT")) pos_ += 2;
    if (Accept("DEFAULT")) {
      Expression();
      Expect("FOR");
      Name();
      return;
    }
    Element();
  }

  // ---- EXEC
  void Execute() {
    if (Peek().kind != K::Word && Peek().kind != K::Name) return SkipStatement();
    const std::string procedure = TableName();
    std::map<std::string, std::string> arguments;
    static constexpr std::array kPositions = {"@name",       "@value",      "@level0type", "@level0name",
                                              "@level1type", "@level1name", "@level2type", "@level2name"};
    std::size_t position = 0;
    while (Peek().kind != K::End && !AtStatementStart()) {
      std::string key = position < kPositions.size() ? kPositions[position] : "";
      if (Peek().kind == K::Word && Peek().text.starts_with("@") && Peek(1).IsSymbol('=')) {
        key = Take().text;
        Take();
      }
      for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      arguments[key] = Take().text;
      ++position;
      if (!AcceptSymbol(',')) break;
    }
    if (name_rules::EqualsIgnoringCase(procedure, "sp_addextendedproperty")) Describe(arguments);
  }

  void Describe(std::map<std::string, std::string>& arguments) {
    if (!name_rules::EqualsIgnoringCase(arguments["@name"], "MS_Description") ||
        !name_rules::EqualsIgnoringCase(arguments["@level1type"], "TABLE"))
      return;
    TSqlTable* table = script_.Table(arguments["@level1name"]);
    if (!table) return;
    if (arguments["@level2type"].empty()) {
      table->description = arguments["@value"];
    } else if (name_rules::EqualsIgnoringCase(arguments["@level2type"], "COLUMN")) {
      if (TSqlColumn* column = table->Column(arguments["@level2name"])) column->description = arguments["@value"];
    }
  }

  std::vector<TSqlToken> tokens_;
  std::size_t pos_ = 0;
  TSqlScript script_;
  TSqlTable* table_ = nullptr;  // the table being read
  std::string column_;          // the column being read
};

}  // namespace

TSqlScript ParseSqlScript(std::string_view utf8Text) { return TParser(TokenizeSql(utf8Text)).Run(); }
