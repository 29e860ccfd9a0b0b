#pragma once
// Runs the real vbgen executable and collects what it printed.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TestPlatform.h"

struct TVbgenResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// vbgen --home HOME args..., started at once and collected by Wait; several
// may run at the same time, to race each other on one store.
class TVbgenProcess {
 public:
  TVbgenProcess(const std::filesystem::path& home, const std::vector<std::string>& args);
  ~TVbgenProcess();
  TVbgenProcess(const TVbgenProcess&) = delete;
  TVbgenProcess& operator=(const TVbgenProcess&) = delete;

  // Waits for the process to end; call once.
  TVbgenResult Wait();

 private:
  std::filesystem::path outputs_;  // a temporary folder for the output files "out" and "err"
  std::optional<test_platform::TProcess> process_;  // none once waited for
};

// vbgen --home HOME args..., waited for.
TVbgenResult RunVbgen(const std::filesystem::path& home, const std::vector<std::string>& args);
