#pragma once
// The one gateway to the metadata database. Every access class sends its SQL
// through a TDbHelper; the connection itself is process-wide and shared by the
// window thread and a generation run's worker thread.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using TSqlValue = std::variant<std::int64_t, std::string>;
using TSqlParams = std::vector<TSqlValue>;

struct TStatement {
  std::string sql;
  TSqlParams params;
};

class TDbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Another program held the store's write lock for longer than the lock wait.
class TStoreBusyError : public TDbError {
 public:
  using TDbError::TDbError;
};

// Rows of one selection, read completely when the query runs, so that walking
// them never holds the shared connection.
struct sqlite3_stmt;

class TResultSet {
 public:
  TResultSet(std::vector<std::string> columns, std::vector<std::vector<TSqlValue>> rows);

  void First() { row_ = 0; }
  void Next() { ++row_; }
  bool Eof() const { return row_ >= rows_.size(); }

  std::string GetStr(std::string_view column) const;
  std::int64_t GetInt(std::string_view column) const;

 private:
  const TSqlValue& Cell(std::string_view column) const;

  std::vector<std::string> columns_;
  std::vector<std::vector<TSqlValue>> rows_;
  std::size_t row_ = 0;
};

// The row a running selection stands on, read in place: for selections of
// many rows, each turned into an object at once.
class TRowReader {
 public:
  TRowReader(sqlite3_stmt* stmt, const std::vector<std::string>& columns) : stmt_(stmt), columns_(columns) {}

  std::string GetStr(std::string_view column) const;
  std::int64_t GetInt(std::string_view column) const;

 private:
  int Index(std::string_view column) const;

  sqlite3_stmt* stmt_;
  const std::vector<std::string>& columns_;
};

class TDbHelper {
 public:
  // Where the process's database lives (the home folder's projects.db).
  // Closes an open connection so that the next operation opens the new file.
  static void SetDatabaseFile(const std::filesystem::path& file);

  // Creates a database file from a schema script; used by the build and tests.
  static void CreateDatabase(const std::filesystem::path& file, const std::string& schemaSql);

  // Runs body as one write transaction, holding the store's write lock from the
  // start against other programs: all of it takes effect, or none and the
  // error is raised. Not to be opened inside InReadTransaction.
  static void InTransaction(const std::function<void()>& body);
  // Runs body's selections on one consistent state of the store.
  static void InReadTransaction(const std::function<void()>& body);

  // How long an operation waits for another program's write lock before it
  // raises TStoreBusyError (10 s unless set).
  static void SetLockWait(std::chrono::milliseconds wait);

  // Statements run since the process started (prepared-statement cache hits included).
  static std::uint64_t StatementCount();

  void GetConnection() const;
  TResultSet OpenQuery(const std::string& sql, const TSqlParams& params = {}) const;
  // Hands each row of the selection to each while the statement runs, the
  // connection held throughout; each must not run the same selection itself.
  void ForEachRow(const std::string& sql, const TSqlParams& params,
                  const std::function<void(const TRowReader&)>& each) const;
  void ExecSql(const std::string& sql, const TSqlParams& params = {}) const;
  // Runs one insert and returns the key the store gave the new row.
  std::int64_t Insert(const std::string& sql, const TSqlParams& params = {}) const;
  // All or none: a failing statement rolls everything back and the error is raised.
  void ExecBatch(const std::vector<TStatement>& statements) const;
  // -1 when the selection returns no row.
  std::int64_t GetInt(const std::string& sql, const TSqlParams& params = {}) const;
  // Empty text when the selection returns no row.
  std::string GetStr(const std::string& sql, const TSqlParams& params = {}) const;
  // Appends to text every cell of every row the selection returns, each as its
  // kind, length and bytes, so that two different row sets never give the same text.
  void AppendRowsText(std::string& text, const std::string& sql, const TSqlParams& params = {}) const;
};
