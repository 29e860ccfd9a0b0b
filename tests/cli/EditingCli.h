#pragma once
// Runs the editing commands of the real vbgen against a throw-away home folder
// whose store the test reads directly.

#include <gtest/gtest.h>

#include "support/RunVbgen.h"
#include "support/TempHome.h"

class EditingCliTest : public ::testing::Test {
 protected:
  TVbgenResult Run(const std::vector<std::string>& args) const { return RunVbgen(home.dir(), args); }

  // Succeeded and printed exactly out.
  static void ExpectPrinted(const TVbgenResult& r, const std::string& out) {
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, out);
    EXPECT_EQ(r.err, "");
  }
  // Refused as an input fault with exactly this message.
  static void ExpectRefused(const TVbgenResult& r, const std::string& message) {
    EXPECT_EQ(r.exitCode, 2) << r.out;
    EXPECT_EQ(r.err, message + "\n");
    EXPECT_EQ(r.out, "");
  }

  TTempHome home{false};
};
