// The add form's code and designer texts against hand-written expected files.

#include <gtest/gtest.h>

#include <filesystem>

#include "generator/vb/forms/AddFormText.h"
#include "support/TempHome.h"

namespace {

std::string Golden(const std::string& name) {
  return ReadBytes(std::filesystem::path(VBGEN_GOLDEN_DIR) / "ui" / name);
}

TMember Member(const std::string& name, const std::string& type, const std::string& comment, int length = 0,
               int must = 0) {
  TMember member;
  member.memberName = name;
  member.memberType = type;
  member.memberComment = comment;
  member.memberLength = length;
  member.memberIsMust = must;
  member.memberIsInteger = type == member_type::kInteger ? 1 : 0;
  member.memberIsFloat = type == member_type::kFloat ? 1 : 0;
  return member;
}

TMember Key(TMember member) {
  member.memberIsPri = 1;
  return member;
}

// Fills the selections the way the store would answer them.
TFormModel Form(const std::string& className, const std::string& friendName, const TMember& key,
                   const TMemberList& nonKey) {
  TFormModel form{className, {}, friendName, key, nonKey, {}, {}, {}, {}, {}, {}};
  form.objName = className;
  form.objName[0] = static_cast<char>(form.objName[0] + 32);
  for (const TMember& member : nonKey) {
    if (member.memberType == member_type::kPicture) form.pictureMembers.push_back(member);
    if (member_type::IsReference(member.memberType)) form.referenceMembers.push_back(member);
  }
  return form;
}

TFormModel BookForm() {
  TFormModel form = Form("Book", "图书", Key(Member("bookId", member_type::kInteger, "图书编号")),
                            {Member("bookName", member_type::kString, "书名", 50, 1),
                             Member("author", member_type::kString, "作者", 20, 0),
                             Member("price", member_type::kFloat, "价格", 0, 1),
                             Member("stock", member_type::kInteger, "库存", 0, 1),
                             Member("publishDate", member_type::kDateTime, "出版日期", 0, 1),
                             Member("cover", member_type::kPicture, "封面"),
                             Member("category", "Category", "类别", 0, 1),
                             Member("publisher", "Publisher", "出版社", 0, 1)});
  form.referenced["Category"] = {"Category", "category", "图书类别", "categoryName", "categoryId", 1};
  form.referenced["Publisher"] = {"Publisher", "publisher", "出版社", "publisherName", "publisherNo", 0};
  return form;
}

TFormModel ReaderForm() {
  return Form("Reader", "读者", Key(Member("readerNo", member_type::kString, "读者编号", 20, 0)),
              {Member("readerName", member_type::kString, "姓名", 20, 1),
               Member("phone", member_type::kString, "电话", 15, 0)});
}

TFormModel TagForm() { return Form("Tag", "", Key(Member("tagId", member_type::kInteger, "标签编号")), {}); }

}  // namespace

TEST(AddFormCode, IntegerKeyClassWithEveryMemberKind) {
  EXPECT_EQ(AddFormCode(BookForm()), Golden("FrmAddBook.vb"));
}

TEST(AddFormCode, TextKeyIsCheckedAndAssignedWhateverItsRequiredFlag) {
  EXPECT_EQ(AddFormCode(ReaderForm()), Golden("FrmAddReader.vb"));
}

TEST(AddFormCode, ClassWithoutNonKeyMembersAndWithoutFriendlyName) {
  EXPECT_EQ(AddFormCode(TagForm()), Golden("FrmAddTag.vb"));
}

TEST(AddFormCode, TwoReferencesToOneClassDeclareItsDataSetOnce) {
  TFormModel form = Form("Loan", "借阅", Key(Member("loanId", member_type::kInteger, "借阅编号")),
                            {Member("borrower", "Person", "借书人", 0, 1), Member("handler", "Person", "经办人", 0, 1)});
  form.referenced["Person"] = {"Person", "person", "人员", "personName", "personId", 1};
  EXPECT_EQ(AddFormCode(form), Golden("FrmAddLoan.vb"));
}

TEST(AddFormCode, DataSetNamesThatDifferOnlyInCaseCountAsOne) {
  TFormModel form = Form("Loan", "借阅", Key(Member("loanId", member_type::kInteger, "借阅编号")),
                            {Member("borrower", "Person", "借书人"), Member("handler", "PERSON", "经办人")});
  form.referenced["Person"] = {"Person", "person", "人员", "personName", "personId", 1};
  form.referenced["PERSON"] = {"PERSON", "pERSON", "人员", "personName", "personId", 1};
  const std::string code = AddFormCode(form);
  EXPECT_NE(code.find("        Dim personDs As DataSet = BLL.bllPerson.getAllPerson()\r\n"), std::string::npos);
  EXPECT_NE(code.find("        pERSONDs = BLL.bllPERSON.getAllPERSON()\r\n"), std::string::npos);
}

TEST(AddFormDesigner, IntegerKeyClassStartsAtLabelOneAndStepsPastThePicture) {
  EXPECT_EQ(AddFormDesigner(BookForm()), Golden("FrmAddBook.Designer.vb"));
}

TEST(AddFormDesigner, TextKeyRowComesFirstAndTheButtonFollowsTheLastRow) {
  EXPECT_EQ(AddFormDesigner(ReaderForm()), Golden("FrmAddReader.Designer.vb"));
}

TEST(AddFormDesigner, ClassWithoutNonKeyMembersHasOnlyTheButton) {
  EXPECT_EQ(AddFormDesigner(TagForm()), Golden("FrmAddTag.Designer.vb"));
}

TEST(AddFormCode, PictureKeyHasNoUploadButtonAndTakesTheTextsBytes) {
  TFormModel form = Form("Pic", "图", Key(Member("picKey", member_type::kPicture, "图片编号")),
                            {Member("picName", member_type::kString, "名称", 20), Member("photo", member_type::kPicture, "照片")});
  form.pictureMembers.insert(form.pictureMembers.begin(), form.key);
  EXPECT_EQ(AddFormCode(form), Golden("FrmAddPic.vb"));
}

TEST(AddFormCode, ReferenceKeyHasATextBoxAndNoDropDownList) {
  TFormModel form = Form("Seat", "座位", Key(Member("room", "Room", "房间")),
                            {Member("seatName", member_type::kString, "座位名", 20), Member("owner", "Person", "主人", 0, 1)});
  form.referenceMembers.insert(form.referenceMembers.begin(), form.key);
  form.referenced["Room"] = {"Room", "room", "房间", "roomName", "roomId", 1};
  form.referenced["Person"] = {"Person", "person", "人员", "personName", "personId", 1};
  EXPECT_EQ(AddFormCode(form), Golden("FrmAddSeat.vb"));
}
