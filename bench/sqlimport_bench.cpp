// Measures import-sql on synthetic table scripts, each imported as a new
// project into one fresh store:
//   inserts   a UTF-16 script of a few tables and INSERT lines, as SSMS saves
//             one with data (2 MB with 10,000 lines, then 50 MB);
//   chain     N tables, each referring to the one before;
//   refused   N tables, every fourth with a name the input rules refuse.
// Prints the wall and CPU time of each (CPU time stays meaningful on a busy
// machine) and the growth of the peak resident memory, so that
// time beyond linear or memory beyond the script's own size shows at once.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/BenchHome.h"
#include "metadata/sqlimport/SqlImport.h"

using Clock = std::chrono::steady_clock;

namespace {

rusage Usage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage;
}

double CpuMs(const rusage& usage) {
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// UTF-16 LE with its byte-order mark, for the ASCII text these scripts hold.
std::string Utf16(const std::string& text) {
  std::string bytes = "\xFF\xFE";
  bytes.reserve(2 + 2 * text.size());
  for (const char c : text) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

std::string InsertScript(std::size_t utf16Bytes) {
  std::string text =
      "CREATE TABLE [dbo].[Customer](\r\n\t[CustomerId] [int] IDENTITY(1,1) NOT NULL,\r\n\t[CustomerName] "
      "[nvarchar](100) NOT NULL,\r\n\t[City] [nvarchar](50) NULL,\r\n CONSTRAINT [PK_Customer] PRIMARY KEY CLUSTERED "
      "([CustomerId] ASC)\r\n) ON [PRIMARY]\r\nGO\r\nSET IDENTITY_INSERT [dbo].[Customer] ON\r\n";
  for (int row = 1; 2 * text.size() < utf16Bytes; ++row)
    text += "INSERT [dbo].[Customer] ([CustomerId], [CustomerName], [City]) VALUES (" + std::to_string(row) +
            ", N'Customer (" + std::to_string(row) + ") ''Ltd''', N'City [" + std::to_string(row % 97) + "]')\r\n";
  return Utf16(text + "GO\r\n");
}

std::string ChainScript(int tables) {
  std::string text;
  for (int t = 0; t < tables; ++t) {
    text += "CREATE TABLE T" + std::to_string(t) + " (id int IDENTITY PRIMARY KEY, title nvarchar(40) NOT NULL";
    if (t > 0) text += ", prev int NOT NULL REFERENCES T" + std::to_string(t - 1) + " (id)";
    text += ")\nGO\n";
  }
  return text;
}

// Every fourth table is named so that the rules refuse its class; the next one refers to it.
std::string RefusedScript(int tables) {
  std::string text;
  const auto name = [](int t) { return (t % 4 == 3 ? "[Bad-" : "[T") + std::to_string(t) + "]"; };
  for (int t = 0; t < tables; ++t) {
    text += "CREATE TABLE " + name(t) + " (id int IDENTITY PRIMARY KEY, title nvarchar(40) NOT NULL";
    if (t > 0) text += ", prev int NOT NULL REFERENCES " + name(t - 1) + " (id)";
    text += ")\nGO\n";
  }
  return text;
}

void Measure(const char* what, const std::string& bytes) {
  static int project = 0;
  const rusage before = Usage();
  const auto start = Clock::now();
  const TSqlImportResult result =
      ImportSqlScript(bytes, TSourceEncoding::Detect, "Bench" + std::to_string(++project));
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  const rusage after = Usage();
  std::printf("%-28s script=%zuKB import=%.0fms cpu=%.0fms report=%zu lines peak memory +%ldKB\n", what,
              bytes.size() / 1024, ms, CpuMs(after) - CpuMs(before), result.report.size(),
              after.ru_maxrss - before.ru_maxrss);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int tables = argc > 1 ? std::atoi(argv[1]) : 100000;
  const std::filesystem::path home = MakeBenchHome(false);
  Measure("inserts 2 MB UTF-16", InsertScript(2u << 20));
  Measure("inserts 50 MB UTF-16", InsertScript(50u << 20));
  for (const int n : {tables / 4, tables / 2, tables})
    Measure(("chain of " + std::to_string(n) + " tables").c_str(), ChainScript(n));
  Measure(("refused, " + std::to_string(tables / 25) + " tables").c_str(), RefusedScript(tables / 25));
  std::filesystem::remove_all(home);
  return 0;
}
