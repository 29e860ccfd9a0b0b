// A solution regenerated in merge mode over valid hand edits still compiles:
// an edit inside a form's method and one in an entity class, merged with a
// member added afterwards.
#include <gtest/gtest.h>

#include "DotnetBuild.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

void Vbgen(const fs::path& home, const std::vector<std::string>& args) {
  const TVbgenResult result = RunVbgen(home, args);
  ASSERT_EQ(result.exitCode, 0) << args[0] << " " << args[1] << ": " << result.err;
}

// Inserts line after the first line holding anchor.
void InsertAfter(const fs::path& file, const std::string& anchor, const std::string& line) {
  std::string bytes = ReadBytes(file);
  const std::size_t at = bytes.find(anchor);
  ASSERT_NE(at, std::string::npos) << anchor << " in " << file;
  bytes.insert(bytes.find("\r\n", at) + 2, line);
  WriteBytes(file, bytes);
}

}  // namespace

TEST(MergedSolutionBuild, HandEditsMergedWithANewMemberCompile) {
  TTempHome home(false);
  for (const char* folder : {"template", "bak"})
    fs::copy(fs::path(VBGEN_BIN_DIR) / folder, home.dir() / folder, fs::copy_options::recursive);
  const fs::path h = home.dir();
  Vbgen(h, {"project", "add", "Merged"});
  Vbgen(h, {"project", "settings", "Merged", "--edits", "merge"});
  Vbgen(h, {"class", "add", "Merged", "Item", "物品"});
  Vbgen(h, {"member", "add", "Merged", "Item", "id", "整型", "--key", "--required"});
  Vbgen(h, {"member", "add", "Merged", "Item", "title", "字符串", "--display", "--query"});
  Vbgen(h, {"generate", "Merged"});

  const fs::path solution = h / "projects" / "Merged";
  InsertAfter(solution / "Merged" / "FrmAddItem.vb", "Handles MyBase.Load", "        Me.Text = Me.Text & \" *\"\r\n");
  InsertAfter(solution / "Model" / "Item.vb", "Public Class Item",
              "    Public Function Describe() As String\r\n        Return \"Item\"\r\n    End Function\r\n");
  Vbgen(h, {"member", "add", "Merged", "Item", "price", "浮点型", "--required"});
  Vbgen(h, {"generate", "Merged"});
  ASSERT_NE(ReadBytes(solution / "Model" / "Item.vb").find("Describe"), std::string::npos);
  ASSERT_NE(ReadBytes(solution / "Model" / "Item.vb").find("price"), std::string::npos);

  const TDotnetBuild build = BuildSolution(solution / "Merged.sln");
  EXPECT_TRUE(build.exitCode == 0 && build.errors.empty()) << FailureReport(build);
}
