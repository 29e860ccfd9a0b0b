#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <utility>

#include "generator/GenerationFixture.h"
#include "generator/output/FileOperate.h"
#include "metadata/SettingsDAO.h"
#include "support/TestPlatform.h"

namespace {

using namespace generation;

// Identity of a file on disk: a rewrite through a new file changes the inode,
// one in place the modification time.
std::pair<std::uint64_t, fs::file_time_type> Identity(const fs::path& file) {
  return {test_platform::FileId(file), fs::last_write_time(file)};
}

std::map<fs::path, std::pair<std::uint64_t, fs::file_time_type>> Identities(const fs::path& tree) {
  std::map<fs::path, std::pair<std::uint64_t, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(tree))
    if (entry.is_regular_file()) files.emplace(entry.path(), Identity(entry.path()));
  return files;
}

// The library of the data-side tests without the double quote in a comment,
// which the run refuses: the generated forms paste comments into literals.
int AddRunnableLibrary() {
  const int p = data_side::AddLibrary();
  for (TMember m : TMemberDAO().GetMembers(TClassDAO().GetClassId(p, "Tag"))) {
    m.memberComment = "标签名";
    TMemberDAO().UpdateMember(m);
  }
  return p;
}

// A second run over an unchanged project rewrites nothing anywhere in the tree:
// generated sources, project files, form resources and copied resources alike.
TEST(Rerun, UnchangedProjectRewritesNoFile) {
  THome home;
  const int p = AddRunnableLibrary();
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  const auto first = Identities(home.Output("Library"));
  ASSERT_GT(first.size(), 20u);

  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  EXPECT_EQ(Identities(home.Output("Library")), first);
}

// A file whose bytes differ is replaced whole; its neighbours stay untouched.
TEST(Rerun, ChangedMetadataRewritesOnlyTheFilesItShows) {
  THome home;
  const int p = AddRunnableLibrary();
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  const auto longAgo = WholeSeconds(fs::file_time_type::clock::now() - std::chrono::hours(48));
  const fs::path category = home.Output("Library/Model/Category.vb");
  const fs::path untouched = home.Output("Library/BLL/bllCategory.vb");
  const std::string before = ReadBytes(category);
  fs::last_write_time(category, longAgo);
  fs::last_write_time(untouched, longAgo);

  const int classId = TClassDAO().GetClassId(p, "Category");
  TMember extra;
  extra.projectId = p;
  extra.classId = classId;
  extra.memberName = "remark";
  extra.memberType = member_type::kString;
  extra.memberLength = 20;
  TMemberDAO().AddMember(extra);
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");

  EXPECT_NE(fs::last_write_time(category), longAgo);
  EXPECT_NE(ReadBytes(category), before);
  EXPECT_NE(ReadBytes(category).find("remark"), std::string::npos);
  EXPECT_EQ(fs::last_write_time(untouched), longAgo);
}

// Progress lines and file reports in the order the run told them.
std::vector<std::string> Told(const THome& home, int p) {
  struct TTeller : TRecorder {
    void File(const TFileReport& report) override { Progress(std::string(StateWord(report.state)) + " " + report.path); }
  } teller;
  TAutoCode(home.Settings(p), teller).Execute();
  return teller.events();
}

// A run over what the last one left writes nothing and tells exactly what a
// full run would: hand-edited and deleted files included.
TEST(Rerun, SkippedRunTellsWhatAFullRunTells) {
  THome home;
  const int p = AddRunnableLibrary();
  TGenerationSettings settings;
  settings.edits = TEditMode::Merge;
  TSettingsDAO().SaveSettings(p, settings);
  ASSERT_EQ(Told(home, p).back(), "<finished>");
  WriteBytes(home.Output("Library/Model/Category.vb"), "' mine\r\n");
  fs::remove(home.Output("Library/BLL/bllCategory.vb"));
  const std::vector<std::string> full = Told(home, p);
  const auto written = Identities(home.Output("Library"));

  EXPECT_EQ(Told(home, p), full);
  EXPECT_EQ(Identities(home.Output("Library")), written);
  fs::remove(home.Output("Library/.vbgen/run"));
  EXPECT_EQ(Told(home, p), full);
}

// Whatever changed since the last run, in the tree, the store or the
// templates, makes the next run generate again.
TEST(Rerun, ChangesSinceTheLastRunAreGeneratedAgain) {
  THome home;
  const int p = AddRunnableLibrary();
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  const fs::path model = home.Output("Library/Model/Category.vb");
  const std::string generated = ReadBytes(model);
  const auto stamp = fs::last_write_time(model);
  WriteBytes(model, std::string(generated.size(), 'x'));  // same size, same time
  fs::last_write_time(model, stamp);
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  EXPECT_EQ(ReadBytes(model), generated);

  for (TMember m : TMemberDAO().GetMembers(TClassDAO().GetClassId(p, "Category"))) {
    m.memberComment = "改过的" + m.memberComment;
    TMemberDAO().UpdateMember(m);
  }
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  EXPECT_NE(ReadBytes(model).find(TFileOperate::ToGbk("改过的")), std::string::npos);

  WriteBytes(home.dir() / "template" / "project_name.sln", std::string(kBom) + "Changed $project_name\r\n");
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  EXPECT_NE(ReadBytes(home.Output("Library/Library.sln")).find("Changed Library"), std::string::npos);
}

}  // namespace
