#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace {

namespace fs = std::filesystem;
using TJson = nlohmann::ordered_json;

TJson JsonOf(const TTempHome& home, const std::vector<std::string>& args, int exitCode = 0) {
  const TVbgenResult result = RunVbgen(home.dir(), args);
  EXPECT_EQ(result.exitCode, exitCode) << result.err;
  return TJson::parse(result.out);
}

// Lists and checks for scripts: the export format's keys, the store's ids, UTF-8.
TEST(JsonOutput, ListsAndChecksUseTheProjectFilesKeys) {
  TTempHome home(false);
  const fs::path sample = fs::path(VBGEN_RUNTIME_DIR) / "samples" / "library.json";
  ASSERT_EQ(RunVbgen(home.dir(), {"import", sample.string()}).exitCode, 0);
  const TJson file = TJson::parse(ReadBytes(sample));

  const TJson projects = JsonOf(home, {"project", "list", "--json"});
  ASSERT_EQ(projects.size(), 1u);
  EXPECT_EQ(projects[0]["projectName"], "Library");
  EXPECT_TRUE(projects[0]["projectId"].is_number_integer());

  const TJson classes = JsonOf(home, {"class", "list", "Library", "--json"});
  ASSERT_EQ(classes.size(), file["classes"].size());
  for (std::size_t i = 0; i < classes.size(); ++i) {
    TJson fromFile = file["classes"][i];
    fromFile.erase("members");
    TJson listed = classes[i];
    listed.erase("classId");
    EXPECT_EQ(listed, fromFile);
  }

  const TJson members = JsonOf(home, {"member", "list", "Library", "Book", "--json"});
  ASSERT_EQ(members.size(), file["classes"][1]["members"].size());
  for (std::size_t i = 0; i < members.size(); ++i) {
    TJson listed = members[i];
    EXPECT_TRUE(listed["memberId"].is_number_integer());
    listed.erase("memberId");
    EXPECT_EQ(listed, file["classes"][1]["members"][i]);
  }

  EXPECT_EQ(JsonOf(home, {"check", "Library", "--json"}), TJson({{"projectName", "Library"}, {"problems", TJson::array()}}));
  ASSERT_EQ(RunVbgen(home.dir(), {"member", "update", "Library", "Book", "@" + members[0]["memberId"].dump(), "--no-key"}).exitCode, 0);
  const TJson problems = JsonOf(home, {"check", "Library", "--json"}, 1)["problems"];
  ASSERT_FALSE(problems.empty());
  EXPECT_EQ(problems[0]["kind"], "primaryKey");
  EXPECT_EQ(problems[0]["className"], "Book");
}

}  // namespace
