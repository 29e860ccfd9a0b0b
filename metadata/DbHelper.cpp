#include "metadata/DbHelper.h"

#include <sqlite3.h>

#include <atomic>
#include <memory>
#include <unordered_map>

namespace {

// The process-wide connection. SQLite's own serialized mode would make single
// calls safe; the mutex also keeps a transaction of one thread from swallowing
// another thread's statements.
struct TConnection {
  std::recursive_mutex mutex;
  std::filesystem::path file = "projects.db";
  sqlite3* db = nullptr;
  std::unordered_map<std::string, sqlite3_stmt*> statements;
  std::atomic<std::uint64_t> executed{0};

  void Close() {
    for (auto& [sql, stmt] : statements) sqlite3_finalize(stmt);
    statements.clear();
    if (db) sqlite3_close(db);
    db = nullptr;
  }
};

TConnection& Conn() {
  static TConnection* connection = new TConnection;  // lives as long as the process
  return *connection;
}

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  throw TDbError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

// Tables added since the first layout of the store, created when a store made
// before them is opened; runtime/schema.sql makes the same for a new store.
constexpr const char* kLaterTables =
    "CREATE TABLE IF NOT EXISTS t_setting ("
    " projectId INTEGER NOT NULL,"
    " settingName TEXT NOT NULL COLLATE NOCASE,"
    " settingValue TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (projectId, settingName))";

sqlite3* Open() {
  auto& c = Conn();
  if (c.db) return c.db;
  sqlite3* db = nullptr;
  const std::string name = c.file.string();
  if (sqlite3_open_v2(name.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK) {
    const std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw TDbError("无法打开元数据库 " + name + ": " + reason);
  }
  sqlite3_busy_timeout(db, 5000);
  if (sqlite3_exec(db, kLaterTables, nullptr, nullptr, nullptr) != SQLITE_OK) {
    const std::string reason = sqlite3_errmsg(db);
    sqlite3_close(db);
    throw TDbError("无法升级元数据库 " + name + ": " + reason);
  }
  c.db = db;
  return db;
}

// A prepared statement from the cache, reset and bound to the given values.
class TBoundStatement {
 public:
  TBoundStatement(const std::string& sql, const TSqlParams& params) {
    auto& c = Conn();
    sqlite3* db = Open();
    auto found = c.statements.find(sql);
    if (found == c.statements.end()) {
      sqlite3_stmt* stmt = nullptr;
      if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
        Fail(db, "SQL 语句错误 [" + sql + "]");
      found = c.statements.emplace(sql, stmt).first;
    }
    stmt_ = found->second;
    sql_ = &found->first;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    for (std::size_t i = 0; i < params.size(); ++i) {
      const int index = static_cast<int>(i) + 1;
      if (const auto* n = std::get_if<std::int64_t>(&params[i]))
        sqlite3_bind_int64(stmt_, index, *n);
      else {
        const auto& s = std::get<std::string>(params[i]);
        sqlite3_bind_text(stmt_, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
      }
    }
    c.executed.fetch_add(1, std::memory_order_relaxed);
  }
  ~TBoundStatement() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
  TBoundStatement(const TBoundStatement&) = delete;
  TBoundStatement& operator=(const TBoundStatement&) = delete;

  // true while a row is available
  bool Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Fail(sqlite3_db_handle(stmt_), "SQL 语句执行失败 [" + *sql_ + "]");
  }
  sqlite3_stmt* get() const { return stmt_; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  const std::string* sql_ = nullptr;
};

TSqlValue ColumnValue(sqlite3_stmt* stmt, int i) {
  switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
      return static_cast<std::int64_t>(sqlite3_column_int64(stmt, i));
    case SQLITE_NULL:
      return std::string();
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
      return std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
    }
  }
}

std::string AsText(const TSqlValue& v) {
  if (const auto* n = std::get_if<std::int64_t>(&v)) return std::to_string(*n);
  return std::get<std::string>(v);
}

std::int64_t AsInt(const TSqlValue& v) {
  if (const auto* n = std::get_if<std::int64_t>(&v)) return *n;
  const auto& s = std::get<std::string>(v);
  try {
    std::size_t used = 0;
    const long long n = std::stoll(s, &used);
    if (used == s.size()) return n;
  } catch (const std::exception&) {
  }
  throw TDbError("不是整数: '" + s + "'");
}

void ExecPlain(sqlite3* db, const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw TDbError(std::string(sql) + ": " + message);
  }
}

}  // namespace

TResultSet::TResultSet(std::vector<std::string> columns, std::vector<std::vector<TSqlValue>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

const TSqlValue& TResultSet::Cell(const std::string& column) const {
  if (Eof()) throw TDbError("结果集已到末尾，无法读取列 " + column);
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i] == column) return rows_[row_][i];
  throw TDbError("结果集中没有列 " + column);
}

std::string TResultSet::GetStr(const std::string& column) const { return AsText(Cell(column)); }
std::int64_t TResultSet::GetInt(const std::string& column) const { return AsInt(Cell(column)); }

void TDbHelper::SetDatabaseFile(const std::filesystem::path& file) {
  auto& c = Conn();
  std::lock_guard lock(c.mutex);
  c.Close();
  c.file = file;
}

std::filesystem::path TDbHelper::DatabaseFile() {
  auto& c = Conn();
  std::lock_guard lock(c.mutex);
  return c.file;
}

void TDbHelper::CreateDatabase(const std::filesystem::path& file, const std::string& schemaSql) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    const std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw TDbError("无法创建元数据库 " + file.string() + ": " + reason);
  }
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(db, sqlite3_close);
  ExecPlain(db, schemaSql.c_str());
}

std::unique_lock<std::recursive_mutex> TDbHelper::Lock() { return std::unique_lock(Conn().mutex); }

std::uint64_t TDbHelper::StatementCount() { return Conn().executed.load(); }

void TDbHelper::GetConnection() const {
  std::lock_guard lock(Conn().mutex);
  Open();
}

TResultSet TDbHelper::OpenQuery(const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  const int n = sqlite3_column_count(stmt.get());
  std::vector<std::string> columns;
  for (int i = 0; i < n; ++i) columns.emplace_back(sqlite3_column_name(stmt.get(), i));
  std::vector<std::vector<TSqlValue>> rows;
  while (stmt.Step()) {
    auto& row = rows.emplace_back();
    row.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) row.push_back(ColumnValue(stmt.get(), i));
  }
  return TResultSet(std::move(columns), std::move(rows));
}

void TDbHelper::ExecSql(const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  while (stmt.Step()) {
  }
}

void TDbHelper::InTransaction(const std::function<void()>& body) {
  std::lock_guard lock(Conn().mutex);
  // A savepoint nests, so a batch may run inside a larger transaction.
  sqlite3* db = Open();
  ExecPlain(db, "SAVEPOINT vbgen_batch");
  try {
    body();
    ExecPlain(db, "RELEASE vbgen_batch");
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK TO vbgen_batch", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "RELEASE vbgen_batch", nullptr, nullptr, nullptr);
    throw;
  }
}

void TDbHelper::ExecBatch(const std::vector<TStatement>& statements) const {
  InTransaction([&] {
    for (const auto& s : statements) ExecSql(s.sql, s.params);
  });
}

std::int64_t TDbHelper::GetInt(const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  if (!stmt.Step()) return -1;
  return AsInt(ColumnValue(stmt.get(), 0));
}

std::string TDbHelper::GetStr(const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  if (!stmt.Step()) return {};
  return AsText(ColumnValue(stmt.get(), 0));
}
