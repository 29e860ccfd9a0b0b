// The checks of generated solutions need the .NET SDK; without it a test is
// reported as skipped (CTest's SKIP_RETURN_CODE), never as passed.
#include <gtest/gtest.h>

#include <iostream>

#include "DotnetBuild.h"

int main(int argc, char** argv) {
  if (!DotnetOnPath()) {
    std::cout << "dotnet is not on the PATH: this check of generated solutions is skipped.\n"
                 "Install the .NET SDK (see README) to run it.\n";
    return 77;
  }
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  ShutdownBuildServers();
  return result;
}
