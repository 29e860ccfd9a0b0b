// The full query form against hand-checked expected files: a class with a
// search field of every kind (text, date range, drop-downs over an integer and
// a string key) and a class with none; and the setting that chooses it.

#include <gtest/gtest.h>

#include <filesystem>

#include "generator/DataSideProjects.h"
#include "generator/GenContext.h"
#include "generator/vb/forms/QueryFormText.h"
#include "generator/vb/forms/UIOperate.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGoldenDir = fs::path(VBGEN_GOLDEN_DIR) / "query";

class FullQueryFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace member_type;
    context_.home = home_.dir();
    context_.projectName = "Library";
    context_.projectId = data_side::AddProject("Library");
    context_.sourceEncoding = TSourceEncoding::Utf8Bom;
    const int p = context_.projectId;
    data_side::AddClass(p, "Reader", "读者",
                        {{"cardNo", kString, "借书证号", 20, true}, {"readerName", kString, "姓名", 20, false, true, true}});
    data_side::AddClass(p, "Book", "图书",
                        {{"bookId", kInteger, "图书编号", 0, true}, {"title", kString, "书名", 50, false, true, true}});
    loan_ = data_side::AddClass(p, "Loan", "借阅记录",
                                {{"loanId", kInteger, "", 0, true, true, false, false},
                                 {"loanNo", kString, "借阅单号", 20},
                                 {"borrowedBook", "Book", "图书"},
                                 {"borrower", "Reader", "借阅人"},
                                 {"loanDate", kDateTime, "借阅日期"},
                                 {"renewCount", kInteger, "续借次数", 0, false, true, false, false},
                                 {"cover", kPicture, "照片", 0, false, false, false, false},
                                 {"remark", kString, "", 100, false, false}});
    for (TMember m : TMemberDAO().GetMembers(loan_))
      if (m.memberName != "renewCount" && m.memberName != "cover" && !m.memberIsPri) {
        m.queryFlag = 1;
        TMemberDAO().UpdateMember(m);
      }
    data_side::AddClass(p, "Tag", "标签", {{"tagName", kString, "标签", 20, true, true, true}});
  }

  std::string Written(const std::string& name) const {
    const std::string text = ReadBytes(home_.dir() / "projects" / "Library" / "Library" / name);
    return text.substr(3);  // the byte-order mark
  }

  void WriteQueryForms() const {
    TUIOperate ui(context_);
    const TClassList classes = TClassDAO().GetClassList(context_.projectId);
    ui.WriteQueryFormCode(classes);
    ui.WriteQueryFormDesigner(classes);
  }

  TTempHome home_;
  TGenContext context_;
  int loan_ = 0;
};

TEST_F(FullQueryFormTest, EveryKindOfSearchFieldAndNoneMatchTheirExpectedFiles) {
  context_.settings.queryForms = TQueryForms::Full;
  WriteQueryForms();
  for (const char* name : {"FrmQueryLoan.vb", "FrmQueryLoan.Designer.vb", "FrmQueryTag.vb", "FrmQueryTag.Designer.vb"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Written(name), ReadBytes(kGoldenDir / name));
  }
}

TEST_F(FullQueryFormTest, TheDefaultSettingWritesTheEmptyForm) {
  WriteQueryForms();
  EXPECT_EQ(Written("FrmQueryTag.vb"), QueryFormCodeText("Tag"));
  EXPECT_EQ(Written("FrmQueryTag.Designer.vb"), QueryFormDesignerText("Tag", "标签"));
}

}  // namespace
