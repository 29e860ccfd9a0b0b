// Full query forms: the sample project and random classes, with the setting
// full, give query forms whose controls do not overlap, lie inside the window
// and stand in rows with their labels; and the solution builds without errors
// or warnings, with forms that pass the structural check.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "DotnetBuild.h"
#include "FormCheck.h"
#include "ProjectScript.h"
#include "RandomProject.h"
#include "SampleScript.h"
#include "support/RunVbgen.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

struct TRect {
  std::string type;
  int x = -1, y = -1, width = -1, height = -1;
  int Right() const { return x + width; }
  int Bottom() const { return y + height; }
};

// The controls a designer file declares, with the geometry it gives them, and its client size.
struct TFormGeometry {
  std::map<std::string, TRect> controls;
  int width = -1, height = -1;
};

TFormGeometry ReadGeometry(const std::string& designer) {
  static const std::regex created(R"(Me\.(\w+) = New System\.Windows\.Forms\.(\w+)\(\))");
  static const std::regex location(R"(Me\.(\w+)\.Location = New System\.Drawing\.Point\((\d+), (\d+)\))");
  static const std::regex size(R"(Me\.(\w+)\.Size = New System\.Drawing\.Size\((\d+), (\d+)\))");
  static const std::regex client(R"(Me\.ClientSize = New System\.Drawing\.Size\((\d+), (\d+)\))");
  TFormGeometry form;
  std::smatch m;
  for (auto it = std::sregex_iterator(designer.begin(), designer.end(), created); it != std::sregex_iterator(); ++it)
    form.controls[(*it)[1]].type = (*it)[2];
  for (auto it = std::sregex_iterator(designer.begin(), designer.end(), location); it != std::sregex_iterator(); ++it) {
    form.controls.at((*it)[1]).x = std::stoi((*it)[2]);
    form.controls.at((*it)[1]).y = std::stoi((*it)[3]);
  }
  for (auto it = std::sregex_iterator(designer.begin(), designer.end(), size); it != std::sregex_iterator(); ++it) {
    form.controls.at((*it)[1]).width = std::stoi((*it)[2]);
    form.controls.at((*it)[1]).height = std::stoi((*it)[3]);
  }
  if (std::regex_search(designer, m, client)) {
    form.width = std::stoi(m[1]);
    form.height = std::stoi(m[2]);
  }
  return form;
}

// The controls whose row (top and height) is the label's; the nearest one right of it first.
std::vector<const TRect*> RowOf(const TFormGeometry& form, const TRect& label) {
  std::vector<const TRect*> row;
  for (const auto& [name, c] : form.controls)
    if (c.type != "Label" && c.y == label.y && c.height == label.height) row.push_back(&c);
  std::sort(row.begin(), row.end(), [&](const TRect* a, const TRect* b) {
    return (a->x >= label.Right()) != (b->x >= label.Right()) ? a->x >= label.Right() : a->x < b->x;
  });
  return row;
}

void ExpectSoundLayout(const std::string& formName, const TFormGeometry& form) {
  SCOPED_TRACE(formName);
  ASSERT_GT(form.width, 0);
  ASSERT_GT(form.controls.size(), 10u);
  std::set<int> fieldColumns;
  for (const auto& [name, c] : form.controls) {
    ASSERT_TRUE(c.x >= 0 && c.y >= 0 && c.width > 0 && c.height > 0) << name << " has no geometry";
    EXPECT_TRUE(c.Right() <= form.width && c.Bottom() <= form.height) << name << " reaches outside the window";
    for (const auto& [other, o] : form.controls) {
      const bool apart = c.Right() <= o.x || o.Right() <= c.x || c.Bottom() <= o.y || o.Bottom() <= c.y;
      EXPECT_TRUE(name >= other || apart) << name << " overlaps " << other;
    }
    if (c.type != "Label") continue;
    const auto row = RowOf(form, c);
    EXPECT_FALSE(row.empty()) << "label " << name << " stands in no row with a control";
    // A search field's caption stands left of its field, and the fields start in one column.
    if (name.starts_with("lbl_")) {
      ASSERT_TRUE(!row.empty() && row.front()->x >= c.Right()) << "label " << name << " has no field to its right";
      fieldColumns.insert(row.front()->x);
    }
  }
  EXPECT_LE(fieldColumns.size(), 1u) << "the search fields do not start in one column";
}

}  // namespace

TEST(FullQueryForms, SampleAndRandomClassesAreLaidOutSoundlyAndBuild) {
  TTempHome home(false);
  for (const char* folder : {"template", "bak"})
    fs::copy(fs::path(VBGEN_BIN_DIR) / folder, home.dir() / folder, fs::copy_options::recursive);
  TProjectScript script = SampleScript("FullQuery");
  AddRandomClasses(script, 14, 3);
  AddRandomClasses(script, 15, 3);
  try {
    script.Store(home.dir());
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
  ASSERT_EQ(RunVbgen(home.dir(), {"project", "settings", "FullQuery", "--query-forms", "full"}).exitCode, 0);
  const TVbgenResult generated = RunVbgen(home.dir(), {"generate", "FullQuery"});
  ASSERT_EQ(generated.exitCode, 0) << generated.err << "\n" << script.Listing();

  const fs::path solution = home.dir() / "projects" / "FullQuery";
  for (const auto& c : script.classes()) {
    const std::string designer = ReadBytes(solution / "FullQuery" / ("FrmQuery" + c + ".Designer.vb"));
    ExpectSoundLayout("FrmQuery" + c, ReadGeometry(designer));
  }
  const TFormCheck forms = CheckGeneratedForms(solution / "FullQuery");
  EXPECT_EQ(forms.exitCode, 0) << FormCheckReport(forms);

  const TDotnetBuild build = BuildSolution(solution / "FullQuery.sln");
  ASSERT_TRUE(build.exitCode == 0 && build.errors.empty()) << FailureReport(build) << "\nMetadata:\n" << script.Listing();
  EXPECT_EQ(build.log.find(": warning "), std::string::npos) << build.log;
}
