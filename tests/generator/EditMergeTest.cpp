// Runs in merge mode over real generated trees: hand edits survive a
// regeneration, clash visibly, or are kept and reported; a dry run touches nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>

#include "generator/output/FileOperate.h"
#include "generator/GenerationFixture.h"
#include "metadata/ClassEdits.h"
#include "metadata/SettingsDAO.h"

namespace {

using namespace generation;

class TReportRecorder : public TRecorder {
 public:
  void File(const TFileReport& report) override { states[report.path] = report.state; }
  std::map<std::string, TFileState> states;
};

void RenameClass(int classId, const std::string& name) {
  edits::UpdateClass(classId, [&](edits::TClassInput& input) { input.className = name; });
}

struct TRunResult {
  std::vector<std::string> lines;  // progress and the end of the run
  std::map<std::string, TFileState> states;
  const std::vector<std::string>& events() const { return lines; }
};

class EditMerge : public ::testing::Test {
 protected:
  void SetUp() override {
    p = AddProject("Shop");
    goods = AddPlainClass(p, "Goods");
    SetEdits(TEditMode::Merge);
  }

  void SetEdits(TEditMode mode) const {
    TGenerationSettings settings;
    settings.edits = mode;
    TSettingsDAO().SaveSettings(p, settings);
  }

  TRunResult Run(bool dryRun = false) const {
    TRunSettings settings = home.Settings(p);
    settings.dryRun = dryRun;
    TReportRecorder recorder;
    TAutoCode(settings, recorder).Execute();
    EXPECT_EQ(recorder.events().back(), "<finished>");
    return {recorder.events(), recorder.states};
  }

  void AddMember(const std::string& name) const {
    TMember m;
    m.projectId = p;
    m.classId = goods;
    m.memberName = name;
    m.memberType = member_type::kString;
    m.memberLength = 20;
    TMemberDAO().AddMember(m);
  }

  fs::path File(const std::string& inSolution) const { return home.Output("Shop/" + inSolution); }
  fs::path Base(const std::string& inSolution) const { return home.Output("Shop/.vbgen/base/" + inSolution); }

  THome home;
  int p = 0;
  int goods = 0;
};

// bytes with line inserted after the first line that holds anchor.
std::string InsertAfter(const std::string& bytes, const std::string& anchor, const std::string& line) {
  const std::size_t at = bytes.find(anchor);
  EXPECT_NE(at, std::string::npos) << anchor;
  const std::size_t end = bytes.find("\r\n", at) + 2;
  return bytes.substr(0, end) + line + bytes.substr(end);
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A line added inside a form's method (code page 936, like the generated
// file) survives a new member; the merged file is exactly the new generation
// with that line, so no byte around it changed.
TEST_F(EditMerge, EditInsideAFormMethodSurvivesANewMember) {
  Run();
  const std::string form = "Shop/FrmAddGoods.vb";
  const std::string mine = TFileOperate::ToGbk("        Me.Text = \"我的商品窗体\"\r\n");
  WriteBytes(File(form), InsertAfter(ReadBytes(File(form)), "Handles MyBase.Load", mine));

  AddMember("madeIn");
  const TRunResult second = Run();
  EXPECT_EQ(second.states.at("projects/Shop/" + form), TFileState::Merged);
  const std::string generated = ReadBytes(Base(form));
  EXPECT_NE(generated.find("madeIn"), std::string::npos);
  EXPECT_EQ(ReadBytes(File(form)), InsertAfter(generated, "Handles MyBase.Load", mine));
  EXPECT_TRUE(Has(second.events(), "projects/Shop/" + form + " 已合并你的修改"));
}

// A user who saved the file as UTF-8 with a mark and LF line ends keeps both.
TEST_F(EditMerge, MergeKeepsTheEncodingAndLineEndsTheUserSavedIn) {
  Run();
  const fs::path model = File("Model/Goods.vb");
  std::string utf8 = "\xEF\xBB\xBF' 商品\n";
  for (const char c : ReadBytes(model))  // the generated file is ASCII apart from its comments
    if (c != '\r') utf8 += c;
  WriteBytes(model, utf8);

  AddMember("madeIn");
  EXPECT_EQ(Run().states.at("projects/Shop/Model/Goods.vb"), TFileState::Merged);
  const std::string merged = ReadBytes(model);
  EXPECT_TRUE(merged.starts_with("\xEF\xBB\xBF' 商品\n"));
  EXPECT_NE(merged.find("madeIn"), std::string::npos);
  EXPECT_EQ(merged.find('\r'), std::string::npos);
}

TEST_F(EditMerge, TwoEditsOfOneLineConflictWithMarkersNamingTheFile) {
  TMemberDAO().AddMember([&] {
    TMember m;
    m.projectId = p;
    m.classId = goods;
    m.memberName = "price";
    m.memberType = member_type::kString;
    return m;
  }());
  Run();
  const fs::path model = File("Model/Goods.vb");
  std::string edited = ReadBytes(model);
  const std::size_t at = edited.find("price As String");
  ASSERT_NE(at, std::string::npos);
  edited.replace(at, 15, "price As Decimal");
  WriteBytes(model, edited);

  TMember price = TMemberDAO().GetMembers(goods).back();
  price.memberType = member_type::kInteger;
  TMemberDAO().UpdateMember(price);
  const TRunResult second = Run();
  EXPECT_EQ(second.states.at("projects/Shop/Model/Goods.vb"), TFileState::Conflict);
  const std::string merged = ReadBytes(model);
  EXPECT_NE(merged.find("<<<<<<< projects/Shop/Model/Goods.vb " + TFileOperate::ToGbk("(你的修改)") + "\r\n"),
            std::string::npos);
  EXPECT_NE(merged.find("price As Decimal"), std::string::npos);
  EXPECT_NE(merged.find("\r\n=======\r\n"), std::string::npos);
  EXPECT_NE(merged.find("price As Integer"), std::string::npos);
  EXPECT_NE(merged.find(">>>>>>> projects/Shop/Model/Goods.vb " + TFileOperate::ToGbk("(本次生成)") + "\r\n"),
            std::string::npos);
  EXPECT_TRUE(Has(second.events(), "projects/Shop/Model/Goods.vb 有冲突，请解决文件中的冲突标记"));
}

// A file libgit2 takes for binary (one NUL byte; UTF-16 is the same) has no
// text result: it stays byte for byte, the run's output goes beside it.
TEST_F(EditMerge, AFileThatIsNoTextStaysWholeAndTheOutputGoesBesideIt) {
  Run();
  const std::string mine = ReadBytes(File("Model/Goods.vb")) + std::string("' \0 mine\r\n", 11);
  WriteBytes(File("Model/Goods.vb"), mine);
  AddMember("madeIn");
  const TRunResult second = Run();
  EXPECT_EQ(second.states.at("projects/Shop/Model/Goods.vb"), TFileState::Conflict);
  EXPECT_EQ(ReadBytes(File("Model/Goods.vb")), mine);
  EXPECT_EQ(ReadBytes(File("Model/Goods.vb.generated")), ReadBytes(Base("Model/Goods.vb")));
  EXPECT_NE(ReadBytes(File("Model/Goods.vb.generated")).find("madeIn"), std::string::npos);
  EXPECT_TRUE(std::any_of(second.lines.begin(), second.lines.end(), [](const std::string& line) {
    return line.starts_with("projects/Shop/Model/Goods.vb 无法按文本合并") &&
           line.find("projects/Shop/Model/Goods.vb.generated") != std::string::npos;
  }));
}

// A renamed class's files carry their hand edits over to the files of the new
// name; the old files are reported, and so is an edited file of a deleted class.
TEST_F(EditMerge, EditsOfARenamedClassMoveToItsNewFilesAndOrphansAreReported) {
  Run();
  const std::string mine = "' mine\r\n";
  WriteBytes(File("Model/Goods.vb"), InsertAfter(ReadBytes(File("Model/Goods.vb")), "Imports", mine));
  RenameClass(goods, "Wares");
  EXPECT_EQ(Run(true).states.at("projects/Shop/Model/Goods.vb"), TFileState::Orphaned);
  const TRunResult renamed = Run();
  EXPECT_EQ(renamed.states.at("projects/Shop/Model/Wares.vb"), TFileState::Merged);
  EXPECT_EQ(ReadBytes(File("Model/Wares.vb")), InsertAfter(ReadBytes(Base("Model/Wares.vb")), "Imports", mine));
  EXPECT_EQ(renamed.states.at("projects/Shop/Model/Goods.vb"), TFileState::Orphaned);
  EXPECT_TRUE(Has(renamed.events(), "projects/Shop/Model/Goods.vb 不再生成 (类已改名)，你的修改已并入 "
                                    "projects/Shop/Model/Wares.vb: 确认后可以删除 projects/Shop/Model/Goods.vb"));

  WriteBytes(File("BLL/bllWares.vb"), ReadBytes(File("BLL/bllWares.vb")) + mine);
  edits::DeleteClass(goods);
  AddPlainClass(p, "Stock");
  for (int run = 0; run < 2; ++run)
    EXPECT_EQ(Run().states.at("projects/Shop/BLL/bllWares.vb"), TFileState::Orphaned) << run;
  EXPECT_FALSE(Run().states.contains("projects/Shop/DAL/dalWares.vb"));  // unedited: nothing to tell
}

TEST_F(EditMerge, DeletedFilesStayDeletedAndAreReported) {
  Run();
  fs::remove(File("Shop/FrmQueryGoods.vb"));
  fs::remove(File("Shop/pic/NoImage.jpg"));
  AddMember("madeIn");
  const TRunResult second = Run();
  EXPECT_FALSE(fs::exists(File("Shop/FrmQueryGoods.vb")));
  EXPECT_FALSE(fs::exists(File("Shop/pic/NoImage.jpg")));
  EXPECT_EQ(second.states.at("projects/Shop/Shop/FrmQueryGoods.vb"), TFileState::DeletedByUser);
  EXPECT_EQ(second.states.at("projects/Shop/Shop/pic/NoImage.jpg"), TFileState::DeletedByUser);
  EXPECT_TRUE(Has(second.events(), "projects/Shop/Shop/FrmQueryGoods.vb 已被你删除，未重新生成"));
}

// The first merge run over a tree generated before has no base: a file that
// differs from the new output counts as edited and is kept. Later, a copied
// resource is replaced only while the user has not changed it.
TEST_F(EditMerge, FirstRunKeepsEditedFilesAndResourcesAreNeverMerged) {
  SetEdits(TEditMode::Overwrite);
  Run();
  WriteBytes(File("Model/Goods.vb"), "my own model\r\n");
  WriteBytes(File("Shop/App.config"), "<configuration mine=\"1\"/>\r\n");
  SetEdits(TEditMode::Merge);
  const TRunResult first = Run();
  EXPECT_EQ(first.states.at("projects/Shop/Model/Goods.vb"), TFileState::Kept);
  EXPECT_EQ(first.states.at("projects/Shop/Shop/App.config"), TFileState::Kept);
  EXPECT_EQ(first.states.at("projects/Shop/BLL/bllGoods.vb"), TFileState::Unchanged);
  EXPECT_EQ(ReadBytes(File("Model/Goods.vb")), "my own model\r\n");
  EXPECT_TRUE(Has(first.events(), "projects/Shop/Model/Goods.vb 已被你修改，保留未覆盖"));
  // The bases live outside every compiled project folder, out of the user's version control.
  EXPECT_TRUE(fs::exists(Base("BLL/bllGoods.vb")));
  EXPECT_NE(ReadBytes(home.Output("Shop/.vbgen/.gitignore")).find("\n*\n"), std::string::npos);

  WriteBytes(home.dir() / "bak/project_name/App.config", "<configuration v=\"2\"/>\r\n");
  WriteBytes(home.dir() / "bak/DAL/DBHelp.vb", "Public Class DBHelp ' 2\r\n");
  const TRunResult second = Run();
  EXPECT_EQ(second.states.at("projects/Shop/Shop/App.config"), TFileState::Kept);
  EXPECT_EQ(ReadBytes(File("Shop/App.config")), "<configuration mine=\"1\"/>\r\n");
  EXPECT_EQ(second.states.at("projects/Shop/DAL/DBHelp.vb"), TFileState::Changed);
  EXPECT_EQ(ReadBytes(File("DAL/DBHelp.vb")), "Public Class DBHelp ' 2\r\n");
}

// A rerun takes a base for what it generates from the index only while the
// base is the file the index describes: one changed since is read and rewritten.
TEST_F(EditMerge, ABaseChangedBehindTheIndexIsReadAndRewritten) {
  Run();
  const fs::path base = Base("Model/Goods.vb");
  const std::string generated = ReadBytes(base);
  std::string stale = generated;
  stale[stale.size() / 2] ^= 1;  // the same size
  const auto recorded = fs::last_write_time(base);
  WriteBytes(base, stale);
  fs::last_write_time(base, recorded + std::chrono::seconds(1));
  EXPECT_EQ(Run().states.at("projects/Shop/Model/Goods.vb"), TFileState::Unchanged);
  EXPECT_EQ(ReadBytes(base), generated);

  // An index that does not read is no index: every base is read.
  WriteBytes(home.Output("Shop/.vbgen/index"), "12 x 3\n\n1 2 3 \n-1 -1 -1 projects/Shop/Model/Goods.vb\n");
  WriteBytes(base, stale);
  Run();
  EXPECT_EQ(ReadBytes(base), generated);
}

std::map<fs::path, std::pair<std::string, fs::file_time_type>> Snapshot(const fs::path& tree) {
  std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(tree))
    files.emplace(entry.path(),
                  std::pair{entry.is_regular_file() ? ReadBytes(entry.path()) : "", fs::last_write_time(entry.path())});
  return files;
}

TEST_F(EditMerge, DryRunDecidesEveryFileAndTouchesNothing) {
  Run();
  const std::string form = "Shop/FrmAddGoods.vb";
  WriteBytes(File(form), InsertAfter(ReadBytes(File(form)), "Handles MyBase.Load", "' mine\r\n"));
  fs::remove(File("Shop/FrmEditGoods.vb"));
  AddMember("madeIn");
  const auto before = Snapshot(home.dir() / "projects");

  const TRunResult dry = Run(true);
  EXPECT_EQ(Snapshot(home.dir() / "projects"), before);
  EXPECT_EQ(dry.events(), std::vector<std::string>{"<finished>"});
  EXPECT_EQ(dry.states.at("projects/Shop/" + form), TFileState::Merged);
  EXPECT_EQ(dry.states.at("projects/Shop/Model/Goods.vb"), TFileState::Changed);
  EXPECT_EQ(dry.states.at("projects/Shop/Shop/FrmEditGoods.vb"), TFileState::DeletedByUser);
  EXPECT_EQ(dry.states.at("projects/Shop/BLL/bllGoods.vb"), TFileState::Unchanged);

  fs::remove_all(home.dir() / "projects");
  EXPECT_EQ(Run(true).states.at("projects/Shop/Model/Goods.vb"), TFileState::New);
  EXPECT_FALSE(fs::exists(home.dir() / "projects"));
}

}  // namespace
