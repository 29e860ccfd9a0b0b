#include "support/RunVbgen.h"

#include "platform/Platform.h"
#include "support/TempHome.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

TVbgenResult RunVbgen(const fs::path& home, const std::vector<std::string>& args) {
  const fs::path outputs = test_platform::MakeTempFolder();
  std::vector<std::string> all = {"--home", platform::Utf8FromPath(home)};
  all.insert(all.end(), args.begin(), args.end());

  TVbgenResult result;
  result.exitCode = test_platform::Run(platform::PathFromUtf8(VBGEN_EXE), all, outputs / "out", outputs / "err");
  result.out = ReadBytes(outputs / "out");
  result.err = ReadBytes(outputs / "err");
  fs::remove_all(outputs);
  return result;
}
