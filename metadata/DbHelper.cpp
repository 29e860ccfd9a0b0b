#include "metadata/DbHelper.h"

#include "metadata/EditTransaction.h"

#include <sqlite3.h>

#include <atomic>
#include <charconv>
#include <cstdio>
#include <memory>
#include <thread>
#include <unordered_map>

#include "platform/Platform.h"

namespace {

// The process-wide connection. Every use of it holds the mutex, which also
// keeps a transaction of one thread from swallowing another thread's
// statements; so SQLite's own per-call locking is left out.
struct TConnection {
  std::recursive_mutex mutex;
  std::filesystem::path file = "projects.db";
  sqlite3* db = nullptr;
  std::unordered_map<std::string, sqlite3_stmt*> statements;
  std::atomic<std::uint64_t> executed{0};
  // The wait for other programs' locks: since when the present lock is
  // waited for, and the waits given up on since the last lock that was had
  // (a statement whose failure is ignored still made the user wait).
  std::chrono::steady_clock::time_point lockAsked;
  std::chrono::steady_clock::duration waited{};
  bool gaveUp = false;

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

std::chrono::milliseconds lockWait{10000};

// SQLite's busy handler: waits for each lock up to lockWait, and keeps count
// of the time waited, which the message then tells.
int WaitForLock(void*, int count) {
  auto& c = Conn();
  const auto now = std::chrono::steady_clock::now();
  if (count == 0) {
    if (!c.gaveUp) c.waited = {};
    c.gaveUp = false;
    c.lockAsked = now;
  }
  const auto elapsed = now - c.lockAsked;
  if (elapsed >= lockWait) {
    c.waited += elapsed;
    c.gaveUp = true;
    return 0;
  }
  const std::chrono::milliseconds step(count < 6 ? 1 << count : 50);
  std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(step, lockWait - elapsed));
  return 1;
}

// What went wrong, told so that the user knows which file and what to do; the
// SQL text is added only for faults of the program itself.
[[noreturn]] void Fail(sqlite3* db, int rc, const std::string& sql) {
  const char* named = db ? sqlite3_db_filename(db, "main") : nullptr;
  const std::filesystem::path path = named && *named ? std::filesystem::path(named) : Conn().file;
  const std::string file = path.string(), folder = path.parent_path().string();
  switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: {
      char seconds[32];
      std::snprintf(seconds, sizeof seconds, "%.1f", std::chrono::duration<double>(Conn().waited).count());
      Conn().waited = {};
      Conn().gaveUp = false;
      throw TStoreBusyError("另一个程序正在写入元数据库 " + file + "，等待 " + seconds +
                            " 秒后仍未结束: 请等它完成后再试。");
    }
    case SQLITE_READONLY:
      throw TDbError("元数据库 " + file + " 是只读的，无法保存修改: 请给该文件写权限。");
    case SQLITE_CANTOPEN:
      throw TDbError("无法写入元数据库 " + file + ": 不能在文件夹 " + folder +
                     " 中建立它的日志文件。请给该文件夹写权限。");
    case SQLITE_FULL:
      throw TDbError("磁盘已满，无法写入元数据库 " + file + ": 请腾出空间后再试。");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      throw TDbError("元数据库 " + file + " 已损坏或不是数据库文件: 请用备份替换它。");
    case SQLITE_IOERR:
      throw TDbError("读写元数据库 " + file + " 时出错 (SQLite 错误码 " + std::to_string(rc) + "): 请检查磁盘和该文件。");
    default:
      throw TDbError("元数据库操作失败: " + std::string(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)) + " [" + sql +
                     "]");
  }
}

void ExecPlain(sqlite3* db, const char* sql) {
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
  sqlite3_free(error);
  if (rc != SQLITE_OK) Fail(db, rc, sql);
}

// A file that opens but holds none of our tables (an empty file, another
// program's database) would otherwise fail at its first statement with
// "no such table".
void CheckTables(sqlite3* db, const std::string& name) {
  sqlite3_stmt* stmt = nullptr;
  const char* sql =
      "select count(*) from sqlite_master where type='table' and name in ('t_project','t_class','t_member')";
  int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
  const int tables = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
  sqlite3_finalize(stmt);
  if (rc != SQLITE_ROW) Fail(db, rc, sql);
  if (tables != 3)
    throw TDbError("文件 " + name + " 不是 vbgen 的元数据库 (缺少表 t_project、t_class 或 t_member): " +
                   "请从备份恢复它，或删除它后重新构建或安装，以得到一个空的元数据库。");
}

// Stores made before the class-name index: lookups by name scan the project's
// classes without it. A store that cannot be written keeps working without.
void AddMissingIndex(sqlite3* db) {
  sqlite3_exec(db, "CREATE INDEX IF NOT EXISTS ix_class_name ON t_class(projectId, className)", nullptr, nullptr,
               nullptr);
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
  const std::string name = platform::Utf8FromPath(c.file);
  if (sqlite3_open_v2(name.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    const int rc = db ? sqlite3_errcode(db) : SQLITE_NOMEM;
    const std::string reason = rc == SQLITE_CANTOPEN ? "文件不存在或不能打开"
                               : rc == SQLITE_NOMEM  ? "内存不足"
                                                     : "SQLite 错误码 " + std::to_string(rc);
    sqlite3_close(db);
    throw TDbError("无法打开元数据库 " + name + " (" + reason +
                   "): 请检查该文件是否存在、是否可读写，或用 --home 指定主目录。");
  }
  sqlite3_busy_handler(db, WaitForLock, nullptr);
  // A large import changes more pages than the default cache holds; spilling
  // them to the file midway would sync the journal again and again.
  sqlite3_exec(db, "PRAGMA cache_size=-65536", nullptr, nullptr, nullptr);
  try {
    CheckTables(db, name);
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  AddMissingIndex(db);
  if (const int rc = sqlite3_exec(db, kLaterTables, nullptr, nullptr, nullptr); rc != SQLITE_OK) {
    sqlite3_close(db);
    if ((rc & 0xff) == SQLITE_BUSY) Fail(nullptr, rc, kLaterTables);
    throw TDbError("无法升级元数据库 " + name + " (SQLite 错误码 " + std::to_string(rc) + "): 请给该文件写权限后再试。");
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
      const int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
      if (rc != SQLITE_OK) Fail(db, rc, sql);
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
    Fail(sqlite3_db_handle(stmt_), rc, *sql_);
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


}  // namespace

TResultSet::TResultSet(std::vector<std::string> columns, std::vector<std::vector<TSqlValue>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

const TSqlValue& TResultSet::Cell(std::string_view column) const {
  if (Eof()) throw TDbError("结果集已到末尾，无法读取列 " + std::string(column));
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i] == column) return rows_[row_][i];
  throw TDbError("结果集中没有列 " + std::string(column));
}

std::string TResultSet::GetStr(std::string_view column) const { return AsText(Cell(column)); }
std::int64_t TResultSet::GetInt(std::string_view column) const { return AsInt(Cell(column)); }

int TRowReader::Index(std::string_view column) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i] == column) return static_cast<int>(i);
  throw TDbError("结果集中没有列 " + std::string(column));
}

std::string TRowReader::GetStr(std::string_view column) const {
  TSqlValue value = ColumnValue(stmt_, Index(column));
  if (auto* text = std::get_if<std::string>(&value)) return std::move(*text);
  return AsText(value);
}

std::int64_t TRowReader::GetInt(std::string_view column) const {
  const int i = Index(column);
  if (sqlite3_column_type(stmt_, i) == SQLITE_INTEGER) return sqlite3_column_int64(stmt_, i);
  return AsInt(ColumnValue(stmt_, i));
}

void TDbHelper::SetDatabaseFile(const std::filesystem::path& file) {
  auto& c = Conn();
  std::lock_guard lock(c.mutex);
  c.Close();
  c.file = file;
}

void TDbHelper::CreateDatabase(const std::filesystem::path& file, const std::string& schemaSql) {
  sqlite3* db = nullptr;
  const std::string name = platform::Utf8FromPath(file);
  if (sqlite3_open_v2(name.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    const int rc = db ? sqlite3_errcode(db) : SQLITE_NOMEM;
    const std::string reason = rc == SQLITE_CANTOPEN ? "文件不存在或不能打开"
                               : rc == SQLITE_NOMEM  ? "内存不足"
                                                     : "SQLite 错误码 " + std::to_string(rc);
    sqlite3_close(db);
    throw TDbError("无法创建元数据库 " + name + ": " + reason);
  }
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(db, sqlite3_close);
  ExecPlain(db, schemaSql.c_str());
}


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

void TDbHelper::ForEachRow(const std::string& sql, const TSqlParams& params,
                           const std::function<void(const TRowReader&)>& each) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  const int n = sqlite3_column_count(stmt.get());
  std::vector<std::string> columns;
  for (int i = 0; i < n; ++i) columns.emplace_back(sqlite3_column_name(stmt.get(), i));
  const TRowReader row(stmt.get(), columns);
  while (stmt.Step()) each(row);
}

void TDbHelper::AppendRowsText(std::string& text, const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  const int n = sqlite3_column_count(stmt.get());
  while (stmt.Step()) {
    for (int i = 0; i < n; ++i) {
      const int type = sqlite3_column_type(stmt.get(), i);
      if (type == SQLITE_NULL) {
        text += 'n';
        continue;
      }
      char number[24];
      if (type == SQLITE_INTEGER) {
        text += 'i';
        text.append(number, std::to_chars(number, std::end(number), sqlite3_column_int64(stmt.get(), i)).ptr);
        text += ';';
        continue;
      }
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt.get(), i));
      const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt.get(), i));
      text += 's';
      text.append(number, std::to_chars(number, std::end(number), size).ptr);
      text += ':';
      text.append(bytes ? bytes : "", size);
    }
    text += '\n';
  }
}

void TDbHelper::ExecSql(const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  TBoundStatement stmt(sql, params);
  while (stmt.Step()) {
  }
}

void TDbHelper::InTransaction(const std::function<void()>& body) {
  std::lock_guard lock(Conn().mutex);
  sqlite3* db = Open();
  // The outermost write takes the write lock before its first read (BEGIN
  // IMMEDIATE): what body checks still holds when it writes, and two programs
  // never both read and then wait for each other to write. Inner ones nest as
  // savepoints.
  const bool outermost = sqlite3_get_autocommit(db) != 0;
  ExecPlain(db, outermost ? "BEGIN IMMEDIATE" : "SAVEPOINT vbgen_batch");
  try {
    body();
    ExecPlain(db, outermost ? "COMMIT" : "RELEASE vbgen_batch");
  } catch (...) {
    if (outermost) {
      sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
      sqlite3_exec(db, "ROLLBACK TO vbgen_batch", nullptr, nullptr, nullptr);
      sqlite3_exec(db, "RELEASE vbgen_batch", nullptr, nullptr, nullptr);
    }
    throw;
  }
}

void InEditTransaction(const std::function<void()>& body) {
  std::lock_guard lock(Conn().mutex);
  if (sqlite3_get_autocommit(Open()) == 0) return body();
  TDbHelper::InTransaction(body);
}

void TDbHelper::InReadTransaction(const std::function<void()>& body) {
  std::lock_guard lock(Conn().mutex);
  sqlite3* db = Open();
  if (sqlite3_get_autocommit(db) == 0) return body();
  ExecPlain(db, "BEGIN");
  try {
    body();
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  ExecPlain(db, "COMMIT");
}

void TDbHelper::SetLockWait(std::chrono::milliseconds wait) {
  auto& c = Conn();
  std::lock_guard lock(c.mutex);
  lockWait = wait;
}

std::int64_t TDbHelper::Insert(const std::string& sql, const TSqlParams& params) const {
  std::lock_guard lock(Conn().mutex);
  ExecSql(sql, params);
  return sqlite3_last_insert_rowid(Open());
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
