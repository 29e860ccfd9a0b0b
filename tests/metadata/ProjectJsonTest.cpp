#include <gtest/gtest.h>

#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJson.h"
#include "support/TempHome.h"

namespace {

TListEntry Project(const std::string& name) { return {name, TProjectDAO().GetProjectId(name)}; }

int AddClass(int projectId, const std::string& name, const std::string& friendName) {
  TClassDAO().AddClass(projectId, name, friendName, 1);
  return TClassDAO().GetClassId(projectId, name);
}

void AddMember(int projectId, int classId, TMember m) {
  m.projectId = projectId;
  m.classId = classId;
  TMemberDAO().AddMember(m);
}

TMember Member(const std::string& name, const std::string& type, const std::string& comment) {
  TMember m;
  m.memberName = name;
  m.memberType = type;
  m.memberComment = comment;
  m.memberIsMust = type == member_type::kString ? 0 : 1;
  m.memberIsInteger = type == member_type::kInteger ? 1 : 0;
  m.memberIsFloat = type == member_type::kFloat ? 1 : 0;
  m.memberLength = type == member_type::kString ? 40 : 0;
  return m;
}

// Texts a naive writer would break: single quotes, a backslash, Chinese, an
// emoji. (Double quotes cannot be typed into these fields; the export test
// below shows they are escaped all the same.)
void AddShop() {
  TProjectDAO().AddProject("Shop");
  const int p = Project("Shop").tag;
  // The referring class comes first, so an import must know every class before any member.
  const int order = AddClass(p, "Order", "订单 '加急' 《急》");
  const int goods = AddClass(p, "Goods", "商品 'A\\B' 🎁");
  TClassDAO().AddClass(p, "Empty", "空类", 0);
  TMember key = Member("orderId", member_type::kInteger, "订单编号");
  key.memberIsPri = 1;
  AddMember(p, order, key);
  TMember ref = Member("goodsRef", "Goods", "商品");
  ref.queryFlag = 1;
  ref.memberQueryDisplay = 0;
  AddMember(p, order, ref);
  AddMember(p, order, Member("amount", member_type::kFloat, "金额"));
  TMember code = Member("code", member_type::kString, "条码 'EAN-13' \\ 13位");
  code.memberIsPri = 1;
  code.memberIsDisplay = 1;
  code.memberLength = 13;
  AddMember(p, goods, code);
  AddMember(p, goods, Member("photo", member_type::kPicture, "照片"));
  AddMember(p, goods, Member("madeOn", member_type::kDateTime, "生产日期"));
}

TEST(ProjectJson, ExportWritesTheFixedLayout) {
  TTempHome home(false);
  TProjectDAO().AddProject("Tiny");
  const int p = Project("Tiny").tag;
  TMember key = Member("name", member_type::kString, "名称 \"全称\"");
  key.memberIsPri = 1;
  key.memberLength = 20;
  AddMember(p, AddClass(p, "Item", "物品"), key);

  EXPECT_EQ(project_json::ExportProject(Project("Tiny")),
            "{\n"
            "  \"format\": \"vbgen-project\",\n"
            "  \"version\": 1,\n"
            "  \"projectName\": \"Tiny\",\n"
            "  \"settings\": {\n"
            "    \"queryForms\": \"empty\",\n"
            "    \"edits\": \"overwrite\",\n"
            "    \"framework\": \"net48\"\n"
            "  },\n"
            "  \"classes\": [\n"
            "    {\n"
            "      \"className\": \"Item\",\n"
            "      \"friendName\": \"物品\",\n"
            "      \"frontShowFlag\": 1,\n"
            "      \"members\": [\n"
            "        {\n"
            "          \"memberName\": \"name\",\n"
            "          \"memberType\": \"字符串\",\n"
            "          \"memberLength\": 20,\n"
            "          \"memberIsPri\": 1,\n"
            "          \"memberComment\": \"名称 \\\"全称\\\"\",\n"
            "          \"memberIsMust\": 0,\n"
            "          \"memberIsInteger\": 0,\n"
            "          \"memberIsFloat\": 0,\n"
            "          \"queryFlag\": 0,\n"
            "          \"memberIsDisplay\": 0,\n"
            "          \"memberQueryDisplay\": 1\n"
            "        }\n"
            "      ]\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST(ProjectJson, ExportOfAnEmptyProjectHasAnEmptyClassList) {
  TTempHome home(false);
  TProjectDAO().AddProject("Nothing");
  EXPECT_NE(project_json::ExportProject(Project("Nothing")).find("\"classes\": []\n}\n"), std::string::npos);
}

TEST(ProjectJson, ImportOfAnExportExportsTheSameBytes) {
  std::string exported;
  {
    TTempHome home(false);
    AddShop();
    exported = project_json::ExportProject(Project("Shop"));
  }
  EXPECT_NE(exported.find("条码 'EAN-13' \\\\ 13位"), std::string::npos);
  EXPECT_NE(exported.find("商品 'A\\\\B' 🎁"), std::string::npos);

  TTempHome home(false);
  const TListEntry imported = project_json::ImportProject(exported);
  EXPECT_EQ(imported.text, "Shop");
  EXPECT_EQ(imported.tag, Project("Shop").tag);
  EXPECT_EQ(project_json::ExportProject(imported), exported);
}

TEST(ProjectJson, ImportUnderAnotherNameKeepsTheOriginal) {
  TTempHome home(false);
  AddShop();
  const std::string exported = project_json::ExportProject(Project("Shop"));
  const TListEntry copy = project_json::ImportProject(exported, "Shop2");
  EXPECT_EQ(copy.text, "Shop2");
  EXPECT_NE(copy.tag, Project("Shop").tag);
  EXPECT_EQ(project_json::ExportProject(Project("Shop")), exported);
  std::string renamed = exported;
  renamed.replace(renamed.find("\"Shop\""), 6, "\"Shop2\"");
  EXPECT_EQ(project_json::ExportProject(copy), renamed);
}

TEST(ProjectJson, ProjectNameInReadsTheHeaderOnly) {
  EXPECT_EQ(
      project_json::ProjectNameIn(R"({"format": "vbgen-project", "version": 1, "projectName": "图书", "classes": 5})"),
      "图书");
  EXPECT_THROW(project_json::ProjectNameIn(R"({"format": "other", "version": 1, "projectName": "x"})"),
               TProjectFileError);
}

}  // namespace
