// Recursive descent over the tokens of a table script, as SSMS, SSDT, other
// tools and vbgen's own script write them. The subset it reads (keywords in
// any case; name = [x] | "x" | x | $(Var); { } many, [ ] optional):
//
//   script       = { statement }
//   statement    = GO [number] | ";"
//                | CREATE TABLE table "(" element { "," element } [","] ")" { tableOption }
//                | ALTER TABLE table [WITH (CHECK | NOCHECK)] ADD addition { "," addition }
//                | ALTER TABLE table ...            (CHECK / NOCHECK CONSTRAINT, DROP, SET ...: skipped)
//                | CREATE TYPE table FROM type [[NOT] NULL]
//                | CREATE UNIQUE index INDEX name ON table columns ...
//                | EXEC[UTE] procedure [argument { "," argument }]
//                | CREATE [OR ALTER] (PROC[EDURE] | VIEW | TRIGGER | FUNCTION) ...   (skipped up to the next GO)
//                | any other statement              (skipped up to the next statement keyword)
//   table        = name [ "." name [ "." name ] ]   (the last name counts)
//   element      = column | constraint | INDEX name [UNIQUE] index [columns] [INCLUDE columns] [WHERE ...] indexOptions
//                | PERIOD FOR SYSTEM_TIME "(" name "," name ")"
//   addition     = constraint | DEFAULT expression FOR name | column
//   column       = name AS expression { columnOption }
//                | name type { columnOption }
//   type         = name [ "." name ] [ "(" (number | MAX) [ "," number ] ")" | "(" ... ")" ]
//   columnOption = [NOT] NULL | IDENTITY [ "(" number "," number ")" ] | COLLATE name | NOT FOR REPLICATION
//                | ROWGUIDCOL | SPARSE | FILESTREAM | HIDDEN | PERSISTED | COLUMN_SET FOR ALL_SPARSE_COLUMNS
//                | (MASKED | ENCRYPTED) WITH "(" ... ")" | WITH VALUES
//                | GENERATED ALWAYS AS name (START | END)
//                | INDEX name index indexOptions
//                | [CONSTRAINT name] ( DEFAULT expression | PRIMARY KEY index indexOptions | UNIQUE index indexOptions
//                                    | [FOREIGN KEY] REFERENCES table [ "(" name ")" ] { action }
//                                    | CHECK [NOT FOR REPLICATION] "(" ... ")" )
//   constraint   = [CONSTRAINT name] ( PRIMARY KEY index columns indexOptions
//                                    | UNIQUE index columns indexOptions
//                                    | FOREIGN KEY columns REFERENCES table [columns] { action }
//                                    | CHECK [NOT FOR REPLICATION] "(" ... ")" | CONNECTION "(" ... ")" )
//   index        = [CLUSTERED | NONCLUSTERED] [HASH | COLUMNSTORE]
//   columns      = "(" name [ASC | DESC] { "," name [ASC | DESC] } ")"
//   indexOptions = [ WITH ( "(" ... ")" | FILLFACTOR "=" number ) ] [ ON name [ "(" name ")" ] ]
//   action       = ON (DELETE | UPDATE) (CASCADE | NO ACTION | SET NULL | SET DEFAULT) | NOT FOR REPLICATION
//   tableOption  = ON name [ "(" name ")" ] | TEXTIMAGE_ON name | FILESTREAM_ON name | WITH "(" ... ")"
//                | AS (NODE | EDGE)
//   expression   = any tokens, parentheses balanced, up to "," or ")" outside them or a word that
//                  begins a column option (outside CASE ... END); NEXT VALUE FOR name is one operand
//   argument     = [ @name "=" ] ( string | number | name )
//
// A column or constraint it cannot read is left out and noted; a table it
// cannot read as a whole is marked unreadable; any other statement it cannot
// read is noted and passed over. Only text that is not T-SQL at all (a string,
// name or comment never closed) stops it.
//
// sp_addextendedproperty with the name MS_Description on a table (level 1) or
// one of its columns (level 2) gives that table's or column's description;
// CREATE TYPE ... FROM and sp_addtype declare alias types, resolved to their
// base types wherever they stand in the script.
#include "metadata/sqlimport/SqlScriptParser.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <unordered_map>

#include "metadata/NameRules.h"
#include "metadata/sqlimport/SqlTokenizer.h"

namespace {

using K = TSqlTokenKind;

// Words that begin a statement: where skipping a statement stops.
constexpr std::array kStatementWords = {"ALTER",   "BEGIN",  "COMMIT", "CREATE", "DECLARE", "DELETE",   "DROP",
                                        "ELSE",    "END",    "EXEC",   "EXECUTE", "GO",     "GRANT",    "IF",
                                        "INSERT",  "MERGE",  "PRINT",  "RAISERROR", "RETURN", "ROLLBACK", "SELECT",
                                        "SET",     "TRUNCATE", "UPDATE", "USE",    "WHILE",  "DENY",     "REVOKE"};

// Words that begin a column option: where an expression written without parentheses ends.
constexpr std::array kOptionWords = {"CONSTRAINT", "PRIMARY", "UNIQUE",  "FOREIGN",   "REFERENCES", "CHECK",
                                     "NOT",        "NULL",    "IDENTITY", "COLLATE",  "ROWGUIDCOL", "SPARSE",
                                     "FILESTREAM", "MASKED",  "ENCRYPTED", "GENERATED", "HIDDEN",    "INDEX",
                                     "PERSISTED",  "DEFAULT", "FOR",     "WITH"};

constexpr std::array kBodyObjects = {"PROC", "PROCEDURE", "VIEW", "TRIGGER", "FUNCTION"};

template <typename TWords>
bool IsOneOf(const TSqlToken& token, const TWords& words) {
  return std::any_of(words.begin(), words.end(), [&](const char* word) { return token.Is(word); });
}

// Text that is no T-SQL: nothing after it can be read.
class TUnreadableText : public TSqlScriptError {
 public:
  using TSqlScriptError::TSqlScriptError;
};

class TParser {
 public:
  explicit TParser(std::string_view text) : tokenizer_(text) {
    // The one alias type every database has.
    TSqlColumn sysname;
    sysname.type = "nvarchar";
    sysname.length = 128;
    sysname.notNull = true;
    aliases_["sysname"] = sysname;
  }

  TSqlScript Run() {
    while (Peek().kind != K::End) {
      const int depth = depth_;
      const std::size_t taken = taken_;
      try {
        Statement();
      } catch (const TUnreadableText&) {
        throw;
      } catch (const TSqlScriptError& e) {
        script_.notes.push_back(std::string("未读取: ") + e.what());
        table_ = nullptr;
        column_.clear();
        if (taken_ == taken) Take();
        SkipRest(depth);
      }
    }
    ResolveAliasTypes();
    return std::move(script_);
  }

 private:
  // ---- tokens
  const TSqlToken& Peek(std::size_t ahead = 0) {
    while (ahead_.size() <= ahead) {
      if (!ahead_.empty() && ahead_.back().kind == K::End) return ahead_.back();
      try {
        ahead_.push_back(tokenizer_.Next());
      } catch (const TSqlScriptError& e) {
        throw TUnreadableText(e.what());
      }
    }
    return ahead_[ahead];
  }
  const TSqlToken& Take() {
    if (Peek().kind == K::End) return ahead_.front();
    last_ = std::move(ahead_.front());
    ahead_.pop_front();
    ++taken_;
    if (last_.IsSymbol('(')) ++depth_;
    if (last_.IsSymbol(')')) --depth_;
    return last_;
  }
  bool Accept(std::string_view keyword) {
    if (!Peek().Is(keyword)) return false;
    Take();
    return true;
  }
  bool AcceptSymbol(char symbol) {
    if (!Peek().IsSymbol(symbol)) return false;
    Take();
    return true;
  }

  // At the line of the last token read, or of line when given.
  [[noreturn]] void Fault(const std::string& problem, int line = 0) {
    if (line == 0) line = last_.line;
    std::string where = "第 " + std::to_string(line) + " 行";
    if (table_) where += ", 表 " + table_->name;
    if (!column_.empty()) where += ", 列 " + column_;
    problem_ = problem;
    throw TSqlScriptError(where + ": " + problem);
  }
  [[noreturn]] void Unexpected(const std::string& expected) {
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

  bool AtStatementStart() {
    return Peek().kind == K::End || Peek().IsSymbol(';') || IsOneOf(Peek(), kStatementWords);
  }
  // At depth or outside it, a "," or ")": where an element of a list ends.
  bool AtListEnd(int depth) { return depth_ <= depth && (Peek().IsSymbol(',') || Peek().IsSymbol(')')); }

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
    const int depth = depth_;
    ExpectSymbol('(');
    while (depth_ > depth) {
      if (Peek().kind == K::End) Unexpected("')'");
      Take();
    }
  }

  // Up to the next statement outside the parentheses open at depth.
  void SkipRest(int depth) {
    while (Peek().kind != K::End && !(depth_ <= depth && AtStatementStart())) Take();
  }
  void SkipStatement() {
    const int depth = depth_;
    Take();
    SkipRest(depth);
  }

  int Number() {
    if (Peek().kind != K::Number) Unexpected("数字");
    try {
      return std::stoi(Take().text);
    } catch (const std::exception&) {
      Fault("数字 '" + last_.text + "' 无效");
    }
  }

  // ---- statements
  void Statement() {
    if (AcceptSymbol(';')) return;
    if (Accept("GO")) {
      if (Peek().kind == K::Number && Peek().line == last_.line) Take();  // GO n runs the batch n times
      return;
    }
    if (Peek().Is("CREATE")) return Create();
    if (Peek().Is("ALTER") && Peek(1).Is("TABLE")) {
      Take();
      Take();
      return AlterTable();
    }
    if (Accept("EXEC") || Accept("EXECUTE")) return Execute();
    SkipStatement();
  }

  void Create() {
    Take();
    if (Accept("TABLE")) return CreateTable();
    if (Peek().Is("OR") && Peek(1).Is("ALTER")) {
      Take();
      Take();
    }
    if (IsOneOf(Peek(), kBodyObjects)) return SkipBatch();
    if (Accept("TYPE")) return CreateType();
    if (Accept("UNIQUE")) return CreateUniqueIndex();
    SkipRest(depth_);
  }

  // Procedures, views, triggers and functions fill their batch.
  void SkipBatch() {
    while (Peek().kind != K::End && !Peek().Is("GO")) Take();
  }

  // ---- CREATE TABLE
  void CreateTable() {
    const int line = Peek().line;
    TSqlTable table;
    table.name = TableName();
    table.line = line;
    table_ = &table;
    const int depth = depth_;
    try {
      ExpectSymbol('(');
      do {
        if (Peek().IsSymbol(')')) break;  // a trailing comma
        ElementOrLeftOut(depth + 1);
      } while (AcceptSymbol(','));
      ExpectSymbol(')');
      TableOptions();
    } catch (const TUnreadableText&) {
      throw;
    } catch (const TSqlScriptError& e) {
      table.unreadable = e.what();
      SkipRest(depth);
    }
    table_ = nullptr;
    column_.clear();
    if (const TSqlTable* first = script_.Table(table.name))
      script_.notes.push_back("跳过表 " + table.name + " (第 " + std::to_string(line) + " 行): 与第 " +
                              std::to_string(first->line) + " 行的表同名 (架构不同的表按名称无法区分)");
    else
      script_.Add(std::move(table));
  }

  // depth: the parentheses open around the list of elements.
  // An element that cannot be read is left out: a column with the problem as
  // the reason, anything else noted; reading goes on after it.
  void ElementOrLeftOut(int depth) {
    const std::size_t columns = table_->columns.size();
    try {
      Element();
    } catch (const TUnreadableText&) {
      throw;
    } catch (const TSqlScriptError& e) {
      for (;;) {
        if (Peek().kind == K::End || depth_ < depth) throw;
        if (depth_ == depth && (Peek().IsSymbol(',') || Peek().IsSymbol(')') || AtStatementStart())) break;
        Take();
      }
      if (!column_.empty() && table_->columns.size() == columns && !table_->Column(column_)) {
        TSqlColumn column;
        column.name = column_;
        column.line = columnLine_;
        column.leftOut = problem_;
        table_->columns.push_back(column);
      } else {
        script_.notes.push_back(std::string("未读取: ") + e.what());
      }
      column_.clear();
    }
  }

  void Element() {
    if (Peek().Is("CONSTRAINT") || Peek().Is("PRIMARY") || Peek().Is("FOREIGN") || Peek().Is("UNIQUE") ||
        Peek().Is("CHECK"))
      return TableConstraint();
    if (Accept("INDEX")) return TableIndex();
    if (Peek().Is("PERIOD") && Peek(1).Is("FOR")) {
      Take();
      Take();
      Name();
      return SkipParenthesised();
    }
    Column();
  }

  void TableOptions() {
    for (;;) {
      if (Accept("ON") || Accept("TEXTIMAGE_ON") || Accept("FILESTREAM_ON")) {
        Name();
        if (Peek().IsSymbol('(')) SkipParenthesised();
      } else if (Accept("WITH")) {
        SkipParenthesised();
      } else if (Accept("AS")) {
        if (!Accept("NODE")) Expect("EDGE");
      } else {
        return;
      }
    }
  }

  void Column() {
    TSqlColumn column;
    column.line = columnLine_ = Peek().line;
    column.name = Name();
    column_ = column.name;
    if (table_->Column(column.name)) Fault("列名重复");
    if (Accept("AS")) {
      Expression();
      column.leftOut = "计算列";
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
    column.type = NameKey(Name());
    if (AcceptSymbol('.')) column.type = NameKey(Name());
    if (column.type == "double" && Accept("PRECISION")) column.type = "float";
    if (!Peek().IsSymbol('(')) return;
    const int depth = depth_;
    Take();
    if (Accept("MAX")) {
      column.isMax = true;
    } else if (Peek().kind == K::Number) {
      column.length = Number();
      if (AcceptSymbol(',')) Number();
    } else {
      while (depth_ > depth + 1 || !Peek().IsSymbol(')')) {  // xml (CONTENT collection) and the like
        if (Peek().kind == K::End) Unexpected("')'");
        Take();
      }
    }
    ExpectSymbol(')');
  }

  // false when the next token is no column option.
  bool ColumnOption(TSqlColumn& column) {
    if (Accept("NULL")) {
      column.nullStated = true;
      return true;
    }
    if (Peek().Is("NOT") && Peek(1).Is("NULL")) {
      Take();
      Take();
      column.notNull = column.nullStated = true;
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
    if (Accept("ROWGUIDCOL") || Accept("SPARSE") || Accept("FILESTREAM") || Accept("HIDDEN") || Accept("PERSISTED"))
      return true;
    if (Accept("COLUMN_SET")) {
      Expect("FOR");
      Expect("ALL_SPARSE_COLUMNS");
      return true;
    }
    if (Accept("MASKED") || Accept("ENCRYPTED")) {
      Expect("WITH");
      SkipParenthesised();
      return true;
    }
    if (Peek().Is("WITH") && Peek(1).Is("VALUES")) {
      Take();
      Take();
      return true;
    }
    if (Accept("GENERATED")) {
      Expect("ALWAYS");
      Expect("AS");
      const std::string what = Name();
      if (!Accept("START")) Expect("END");
      column.leftOut = "由数据库填写的 GENERATED ALWAYS AS " + what + " " + last_.text + " 列 (如时态表的期间列)";
      return true;
    }
    if (Accept("INDEX")) {
      Name();
      IndexKind();
      IndexOptions();
      return true;
    }
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
      table_->uniqueColumns.push_back(column.name);
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
      const auto columns = Columns();
      IndexOptions();
      if (columns.size() == 1) table_->uniqueColumns.push_back(columns[0]);
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
    } else if (Accept("CONNECTION")) {
      SkipParenthesised();
    } else {
      Unexpected("PRIMARY KEY、FOREIGN KEY、UNIQUE 或 CHECK");
    }
  }

  // INDEX name ... inside CREATE TABLE; a unique index on one column, without a filter, makes it a key candidate.
  void TableIndex() {
    Name();
    const bool unique = Accept("UNIQUE");
    IndexKind();
    std::vector<std::string> columns;
    if (Peek().IsSymbol('(')) columns = Columns();
    const bool filtered = IndexTail();
    if (unique && !filtered && columns.size() == 1) table_->uniqueColumns.push_back(columns[0]);
  }

  // INCLUDE, WHERE and the options after an index's columns; true when it has a filter.
  bool IndexTail() {
    if (Accept("INCLUDE")) SkipParenthesised();
    const bool filtered = Accept("WHERE");
    if (filtered) {
      const int depth = depth_;
      while (Peek().kind != K::End && !AtListEnd(depth) && !Peek().Is("WITH") && !Peek().Is("ON") &&
             !(depth_ <= depth && AtStatementStart()))
        Take();
    }
    IndexOptions();
    return filtered;
  }

  void SetPrimaryKey(const std::vector<std::string>& columns) {
    if (!table_->primaryKey.empty()) Fault("表有两个主键约束");
    for (const auto& name : columns)
      if (!table_->Column(name) && name != column_) Fault("主键列 " + name + " 不是表中的列");
    table_->primaryKey = columns;
  }

  void IndexKind() {
    if (!Accept("CLUSTERED")) Accept("NONCLUSTERED");
    if (!Accept("HASH")) Accept("COLUMNSTORE");
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
    if (Peek().Is("WITH") && !Peek(1).Is("VALUES")) {
      Take();
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
        Take();
        Take();
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

  // Any expression: its first token, then up to where the column, list or statement goes on.
  void Expression() {
    const int depth = depth_;
    int cases = 0;
    for (bool first = true;; first = false) {
      const TSqlToken& token = Peek();
      if (token.kind == K::End) {
        if (first || depth_ > depth || cases > 0) Unexpected("表达式");
        return;
      }
      if (!first && depth_ <= depth && cases == 0 &&
          (AtListEnd(depth) || IsOneOf(token, kOptionWords) || AtStatementStart()))
        return;
      if (token.Is("CASE")) ++cases;
      if (token.Is("END") && cases > 0) --cases;
      if (token.Is("NEXT") && Peek(1).Is("VALUE") && Peek(2).Is("FOR")) {
        Take();
        Take();
        Take();
        TableName();
        continue;
      }
      if (first && (token.IsSymbol(',') || token.IsSymbol(')'))) Unexpected("表达式");
      Take();
    }
  }

  // ---- ALTER TABLE
  void AlterTable() {
    const int line = last_.line;
    const std::string name = TableName();
    if (Accept("WITH") && !Accept("CHECK")) Expect("NOCHECK");
    if (!Accept("ADD")) return SkipRest(depth_);
    table_ = script_.Table(name);
    if (!table_ || !table_->unreadable.empty()) {
      script_.notes.push_back("未读取: 第 " + std::to_string(line) + " 行的 ALTER TABLE " + name + ": " +
                              (table_ ? "这个表无法读取" : "表没有在脚本中创建"));
      table_ = nullptr;
      return SkipRest(depth_);
    }
    const int depth = depth_;
    do AdditionOrLeftOut(depth);
    while (AcceptSymbol(','));
    table_ = nullptr;
  }

  void AdditionOrLeftOut(int depth) {
    if (Peek().Is("CONSTRAINT") && Peek(2).Is("DEFAULT")) {
      Take();
      Take();
    }
    if (Accept("DEFAULT")) {
      Expression();
      Expect("FOR");
      Name();
      if (Peek().Is("WITH") && Peek(1).Is("VALUES")) {
        Take();
        Take();
      }
      return;
    }
    ElementOrLeftOut(depth);
  }

  // ---- CREATE TYPE
  void CreateType() {
    const std::string name = TableName();
    if (!Accept("FROM")) return SkipRest(depth_);
    TSqlColumn alias;
    Type(alias);
    alias.notNull = Peek().Is("NOT") && Peek(1).Is("NULL");
    aliases_[NameKey(name)] = alias;
    SkipRest(depth_);
  }

  // sp_addtype's physical type: 'varchar(11)'.
  void AddType(const std::string& name, const std::string& type, const std::string& nullability) {
    TSqlColumn alias;
    TParser typeParser(type);
    typeParser.Type(alias);
    const std::string key = NameKey(nullability);
    alias.notNull = key.find("not") != std::string::npos;
    aliases_[NameKey(name)] = alias;
  }

  void ResolveAliasTypes() {
    for (auto& table : script_.tables)
      for (auto& column : table.columns) {
        const auto alias = aliases_.find(column.type);
        if (column.type.empty() || alias == aliases_.end()) continue;
        column.type = alias->second.type;
        column.length = alias->second.length;
        column.isMax = alias->second.isMax;
        if (!column.nullStated) column.notNull = column.notNull || alias->second.notNull;
      }
  }

  // CREATE UNIQUE [CLUSTERED | NONCLUSTERED] INDEX name ON table (columns) ...
  void CreateUniqueIndex() {
    const int depth = depth_;
    IndexKind();
    if (!Accept("INDEX")) return SkipRest(depth);
    Name();
    Expect("ON");
    TSqlTable* table = script_.Table(TableName());
    const auto columns = Columns();
    const bool filtered = IndexTail();
    if (table && !filtered && columns.size() == 1) table->uniqueColumns.push_back(columns[0]);
    SkipRest(depth);
  }

  // ---- EXEC
  void Execute() {
    if (Peek().kind != K::Word && Peek().kind != K::Name) return SkipRest(depth_);
    const std::string procedure = TableName();
    const bool addType = name_rules::EqualsIgnoringCase(procedure, "sp_addtype");
    static constexpr std::array kPropertyPositions = {"@name",       "@value",      "@level0type", "@level0name",
                                                      "@level1type", "@level1name", "@level2type", "@level2name"};
    static constexpr std::array kTypePositions = {"@typename", "@phystype", "@nulltype", "@owner"};
    std::map<std::string, std::string> arguments;
    std::size_t position = 0;
    while (Peek().kind != K::End && !AtStatementStart()) {
      std::string key = addType ? (position < kTypePositions.size() ? kTypePositions[position] : "")
                                : (position < kPropertyPositions.size() ? kPropertyPositions[position] : "");
      if (Peek().kind == K::Word && Peek().text.starts_with("@") && Peek(1).IsSymbol('=')) {
        key = NameKey(Take().text);
        Take();
      }
      arguments[key] = Take().text;
      ++position;
      if (!AcceptSymbol(',')) break;
    }
    if (addType) {
      if (!arguments["@typename"].empty() && !arguments["@phystype"].empty())
        AddType(arguments["@typename"], arguments["@phystype"], arguments["@nulltype"]);
    } else if (name_rules::EqualsIgnoringCase(procedure, "sp_addextendedproperty")) {
      Describe(arguments);
    }
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

  TSqlTokenizer tokenizer_;
  std::deque<TSqlToken> ahead_;  // tokens peeked at, not yet taken
  TSqlToken last_;               // the last token taken
  std::size_t taken_ = 0;
  int depth_ = 0;                // parentheses open
  TSqlScript script_;
  std::unordered_map<std::string, TSqlColumn> aliases_;  // alias types by NameKey
  TSqlTable* table_ = nullptr;                           // the table being read
  std::string column_;                                   // the column being read
  int columnLine_ = 0;
  std::string problem_;  // of the last fault, without where it is
};

}  // namespace

TSqlScript ParseSqlScript(std::string_view utf8Text) { return TParser(utf8Text).Run(); }
