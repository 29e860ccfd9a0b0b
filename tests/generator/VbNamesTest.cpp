// Names the VB compiler would resolve to a framework name, or read as a
// keyword, change in the generated code; every other name stays as written.
#include <gtest/gtest.h>

#include "generator/GenerationFixture.h"
#include "generator/naming/VbNamer.h"

namespace {

using namespace generation;

TEST(VbNames, ModelClassIsQualifiedOnlyWhereAnotherNameComesFirst) {
  for (const char* name : {"Timer", "form", "Image", "MS", "FxResources", "My", "ControlCollection", "Shop"})
    EXPECT_EQ(ModelClassRef(name, "Shop"), "Model." + std::string(name));
  for (const char* name : {"Book", "Customer", "Order", "E", "Name", "Tag"}) EXPECT_EQ(ModelClassRef(name, "Shop"), name);
}

TEST(VbNames, DerivedProcedureNamesThatSpellKeywordsAreEscaped) {
  EXPECT_EQ(ProcedureName("Get", "Type"), "[GetType]");
  EXPECT_EQ(ProcedureName("Add", "Handler"), "[AddHandler]");
  EXPECT_EQ(ProcedureName("Add", "RessOf"), "[AddRessOf]");
  EXPECT_EQ(ProcedureName("Del", "Egate"), "[DelEgate]");
  EXPECT_EQ(ProcedureName("Get", "XmlNamespace"), "[GetXmlNamespace]");
  EXPECT_EQ(ProcedureName("getSome", "Type"), "getSomeType");
}

TEST(VbNames, FormFieldsAndLocalsAvoidFormMembersBareTypesAndHandlerParameters) {
  for (const char* name : {"name", "Text", "controls", "e", "sender", "size", "ms", "fs", "BW", "openFileDialog1"})
    EXPECT_EQ(FormFieldName(name, {}), "_" + std::string(name));
  EXPECT_EQ(FormFieldName("book", {}), "book");
  // A field or local named like a type the form code names bare would take its calls.
  EXPECT_EQ(FormFieldName("convert", {}), "_convert");
  EXPECT_EQ(FormFieldName("label1", {}), "__label1");
  EXPECT_EQ(FormFieldName("components", {}), "_components");
  EXPECT_EQ(FormFieldName("labels", {}), "labels");
  EXPECT_EQ(FormLocalName("image", {"sender", "e", "ms"}), "_image");
  EXPECT_EQ(FormLocalName("ms", {"sender", "e", "ms"}), "_ms");
}

// A derived field equals no control, button, handler or local the form
// declares from its members (a WithEvents X also declares _X).
TEST(VbNames, FormFieldsEqualNoNameTheFormDerives) {
  TMember photo;
  photo.memberName = "photo";
  const std::vector<std::string> declared = VbNamer::FormDeclaredNames("Book", {photo}, {"press"});
  const std::pair<const char*, const char*> cases[] = {
      {"frmQueryBook", "_frmQueryBook"}, {"FS_photo", "_FS_photo"}, {"pressDs", "_pressDs"},
      {"btn_photo_Click", "_btn_photo_Click"}, {"btn_Update", "__btn_Update"}, {"txt_photo", "__txt_photo"},
      {"bookId", "bookId"}};
  for (const auto& [name, field] : cases) EXPECT_EQ(FormFieldName(name, declared), field) << name;
}

TEST(VbNames, AliasesOnlyForFrameworkTypesTheFormsNameBare) {
  EXPECT_EQ(FormTypeAliases({"Book", "form", "Image", "Timer"}),
            (std::vector<std::string>{"Imports Form = System.Windows.Forms.Form",
                                      "Imports Image = System.Drawing.Image"}));
  EXPECT_TRUE(FormTypeAliases({"Book", "Timer"}).empty());
}

// One run over classes named Form, Name, Type and E, a picture member named e
// (of another class: the rules refuse a member named like its class's object)
// and a key named text: the forms, data access and business files use the
// changed names consistently.
TEST(VbNamesRun, GeneratedFilesUseTheChangedNamesThroughout) {
  THome home;
  const int p = AddProject("Shop");
  AddPlainClass(p, "Form");
  AddClass(p, "Name", {{"text", member_type::kString, "编号", 10, true}, {"title", member_type::kString, "名", 20, false, true, true}});
  AddPlainClass(p, "Type");
  AddPlainClass(p, "E");
  AddClass(p, "Photo", {{"id", member_type::kInteger, "编号", 0, true},
                        {"caption", member_type::kString, "名", 20, false, true, true},
                        {"e", member_type::kPicture, "图", 0, false, false}});
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  auto read = [&](const std::string& file) { return ReadBytes(home.Output("Shop/" + file)); };
  auto has = [](const std::string& text, const std::string& line) { return text.find(line + "\r\n") != std::string::npos; };

  const std::string addForm = read("Shop/FrmAddForm.vb");
  EXPECT_TRUE(has(addForm, "Imports Model\r\nImports Form = System.Windows.Forms.Form"));
  EXPECT_TRUE(has(addForm, "Inherits Form"));
  EXPECT_TRUE(has(addForm, "    Private _form As New Model.Form()"));
  EXPECT_TRUE(has(read("Shop/FrmAddName.vb"), "    Private _name As New Name()"));
  const std::string editName = read("Shop/FrmEditName.vb");
  EXPECT_TRUE(has(editName, "        Me._text = text"));
  EXPECT_TRUE(has(editName, "        _name = BLL.bllName.getSomeName(_text)"));
  const std::string editE = read("Shop/FrmEditE.vb");
  EXPECT_TRUE(has(editE, "    Private _e As E"));
  const std::string editPhoto = read("Shop/FrmEditPhoto.vb");
  EXPECT_TRUE(has(editPhoto, "        Dim _e As Byte() = DirectCast(photo.e, Byte())"));
  EXPECT_TRUE(has(editPhoto, "        Dim ms As New MemoryStream(_e)"));
  EXPECT_TRUE(has(read("BLL/bllType.vb"), "        Return DAL.dalType.[GetType](NowPage, PageSize, AllPage, DataCount, p)"));
  EXPECT_NE(read("DAL/dalType.vb").find("    Public Shared Function [GetType]("), std::string::npos);
}

}  // namespace
