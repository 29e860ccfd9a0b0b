#include "support/RunVbgen.h"

#include <utility>

#include "platform/Platform.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

TVbgenProcess::TVbgenProcess(const fs::path& home, const std::vector<std::string>& args)
    : outputs_(test_platform::MakeTempFolder()) {
  std::vector<std::string> all = {"--home", platform::Utf8FromPath(home)};
  all.insert(all.end(), args.begin(), args.end());
  process_ = test_platform::Start(platform::PathFromUtf8(VBGEN_EXE), all, outputs_ / "out", outputs_ / "err");
}

TVbgenProcess::~TVbgenProcess() {
  if (process_) test_platform::Wait(*process_);
  std::error_code ignored;
  fs::remove_all(outputs_, ignored);
}

TVbgenResult TVbgenProcess::Wait() {
  TVbgenResult result;
  result.exitCode = test_platform::Wait(*std::exchange(process_, std::nullopt));
  result.out = ReadBytes(outputs_ / "out");
  result.err = ReadBytes(outputs_ / "err");
  return result;
}

TVbgenResult RunVbgen(const fs::path& home, const std::vector<std::string>& args) {
  return TVbgenProcess(home, args).Wait();
}
