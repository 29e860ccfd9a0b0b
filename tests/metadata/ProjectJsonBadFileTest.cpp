#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "metadata/DbHelper.h"
#include "metadata/ProjectDAO.h"
#include "metadata/ProjectJson.h"
#include "support/TempHome.h"

namespace {

using TJson = nlohmann::ordered_json;
using testing::HasSubstr;

TJson Member(const std::string& name, const std::string& type, int isPri, int isMust, int length = 0) {
  return {{"memberName", name},
          {"memberType", type},
          {"memberLength", length},
          {"memberIsPri", isPri},
          {"memberComment", "注释"},
          {"memberIsMust", isMust},
          {"memberIsInteger", type == "整型" ? 1 : 0},
          {"memberIsFloat", type == "浮点型" ? 1 : 0},
          {"queryFlag", 0},
          {"memberIsDisplay", 0},
          {"memberQueryDisplay", 1}};
}

// A valid file whose faults below sit late in it, so that a refusal has work to undo.
TJson ValidFile() {
  TJson book = {{"className", "Book"},
                {"friendName", "图书"},
                {"frontShowFlag", 1},
                {"members", {Member("isbn", "字符串", 1, 1, 20), Member("title", "字符串", 0, 1, 50)}}};
  TJson loan = {{"className", "Loan"},
                {"friendName", "借阅"},
                {"frontShowFlag", 0},
                {"members", {Member("loanId", "整型", 1, 1), Member("book", "Book", 0, 1)}}};
  return {{"format", "vbgen-project"}, {"version", 1}, {"projectName", "Lib"}, {"classes", {book, loan}}};
}

// Row counts and the last keys handed out: an insert undone by a delete still shows.
std::string StoreSnapshot() {
  const TDbHelper db;
  std::string snapshot;
  for (const char* table : {"t_project", "t_class", "t_member"})
    snapshot += std::to_string(db.GetInt(std::string("select count(*) from ") + table)) + " ";
  return snapshot + db.GetStr("select group_concat(name || '=' || seq, ',') from sqlite_sequence");
}

struct TBadFile {
  const char* name;
  std::function<std::string()> text;
  const char* message;  // the element and the fault, as the import reports them
};

std::string Edited(const std::function<void(TJson&)>& edit) {
  TJson file = ValidFile();
  edit(file);
  return file.dump(2);
}

class ProjectJsonBadFile : public testing::TestWithParam<TBadFile> {};

TEST_P(ProjectJsonBadFile, IsRefusedWithItsMessageAndStoresNothing) {
  TTempHome home(false);
  // An existing project, and one imported before, to see that nothing of them changes.
  TProjectDAO().AddProject("Other");
  project_json::ImportProject(ValidFile().dump(), "Before");
  const std::string before = StoreSnapshot();
  const std::string exportedBefore = project_json::ExportProject({"Before", TProjectDAO().GetProjectId("Before")});

  try {
    project_json::ImportProject(GetParam().text());
    FAIL() << "accepted";
  } catch (const TProjectFileError& e) {
    EXPECT_THAT(e.what(), HasSubstr(GetParam().message));
  }
  EXPECT_EQ(StoreSnapshot(), before);
  EXPECT_EQ(TProjectDAO().GetProjectId("Lib"), -1);
  EXPECT_EQ(project_json::ExportProject({"Before", TProjectDAO().GetProjectId("Before")}), exportedBefore);
}

const TBadFile kBadFiles[] = {
    {"NotJson", [] { return std::string("{\"format\": \"vbgen-project\", "); }, "项目文件不是有效的 JSON"},
    {"Empty", [] { return std::string(); }, "项目文件不是有效的 JSON"},
    {"RepeatedKey",
     [] {
       std::string text = ValidFile().dump();
       return text.replace(text.find("\"memberIsPri\":0"), 0, "\"memberIsPri\":1,");
     },
     "项目文件不是有效的 JSON: 字段 memberIsPri 在同一个对象中出现了两次"},
    {"TopLevelArray", [] { return std::string("[]"); }, "项目文件: 应为 JSON 对象"},
    {"OtherFormat", [] { return Edited([](TJson& f) { f["format"] = "csv"; }); },
     "项目文件, 字段 format: 不是 vbgen 项目文件"},
    {"UnknownSettingWord", [] { return Edited([](TJson& f) { f["settings"] = {{"queryForms", "fancy"}}; }); },
     "项目文件, 字段 settings, 字段 queryForms: 应为 empty|full 之一, 而不是 fancy"},
    {"NewerVersion", [] { return Edited([](TJson& f) { f["version"] = 2; }); },
     "项目文件, 字段 version: 不支持的版本 2"},
    {"MissingClasses", [] { return Edited([](TJson& f) { f.erase("classes"); }); },
     "项目文件, 字段 classes: 缺少该字段"},
    {"ClassesNotArray", [] { return Edited([](TJson& f) { f["classes"] = TJson::object(); }); },
     "项目文件, 字段 classes: 应为数组"},
    {"ClassNotObject", [] { return Edited([](TJson& f) { f["classes"][1] = "Loan"; }); }, "第 2 个类: 应为 JSON 对象"},
    {"MissingClassName", [] { return Edited([](TJson& f) { f["classes"][1].erase("className"); }); },
     "第 2 个类, 字段 className: 缺少该字段"},
    {"MissingMemberField", [] { return Edited([](TJson& f) { f["classes"][1]["members"][1].erase("memberIsMust"); }); },
     "类 Loan 的成员 book, 字段 memberIsMust: 缺少该字段"},
    {"NameOfWrongType", [] { return Edited([](TJson& f) { f["classes"][1]["members"][1]["memberName"] = 7; }); },
     "类 Loan 的第 2 个成员, 字段 memberName: 应为文本"},
    {"LengthAsText", [] { return Edited([](TJson& f) { f["classes"][0]["members"][1]["memberLength"] = "50"; }); },
     "类 Book 的成员 title, 字段 memberLength: 应为不小于 0 的整数"},
    {"LengthTooLarge",
     [] { return Edited([](TJson& f) { f["classes"][0]["members"][1]["memberLength"] = 4294967296LL; }); },
     "类 Book 的成员 title, 字段 memberLength: 应为不小于 0 的整数"},
    {"FlagTwo", [] { return Edited([](TJson& f) { f["classes"][1]["members"][1]["queryFlag"] = 2; }); },
     "类 Loan 的成员 book, 字段 queryFlag: 应为 0 或 1"},
    {"FlagAsBoolean", [] { return Edited([](TJson& f) { f["classes"][1]["frontShowFlag"] = true; }); },
     "类 Loan, 字段 frontShowFlag: 应为 0 或 1"},
    {"UnknownField", [] { return Edited([](TJson& f) { f["classes"][1]["members"][0]["colour"] = "red"; }); },
     "类 Loan 的成员 loanId: 未知字段 colour"},
    {"ProjectNameTaken", [] { return Edited([](TJson& f) { f["projectName"] = "OTHER"; }); },
     "项目文件, 字段 projectName: 该工程名称已经存在!"},
    {"DuplicateClassName", [] { return Edited([](TJson& f) { f["classes"][1]["className"] = "BOOK"; }); },
     "类 BOOK, 字段 className: 该类名称已经存在!"},
    {"ClassNameReserved", [] { return Edited([](TJson& f) { f["classes"][1]["className"] = "Module"; }); },
     "类 Module, 字段 className: 类名不能是VB.NET的保留字"},
    {"EmptyFriendName", [] { return Edited([](TJson& f) { f["classes"][1]["friendName"] = ""; }); },
     "类 Loan, 字段 friendName: 友好名称不能为空"},
    {"UnknownReference",
     [] { return Edited([](TJson& f) { f["classes"][1]["members"][1]["memberType"] = "Reader"; }); },
     "类 Loan 的成员 book, 字段 memberType: 成员类型 'Reader' 无效"},
    {"ReferenceToItsOwnClass",
     [] { return Edited([](TJson& f) { f["classes"][1]["members"][1]["memberType"] = "Loan"; }); },
     "类 Loan 的成员 book, 字段 memberType: 成员类型 'Loan' 无效"},
    {"MemberNameCapital", [] { return Edited([](TJson& f) { f["classes"][1]["members"][1]["memberName"] = "Book"; }); },
     "类 Loan 的成员 Book, 字段 memberName: 成员属性首个字母必须小写"},
    {"AddDialogKeyRule", [] { return Edited([](TJson& f) { f["classes"][1]["members"][1]["memberIsPri"] = 1; }); },
     "类 Loan 的成员 book: 主键字段必须是整型或字符串型!"},
    {"RequiredFlagMissing", [] { return Edited([](TJson& f) { f["classes"][1]["members"][0]["memberIsMust"] = 0; }); },
     "类 Loan 的成员 loanId: 整型必须勾选是否必填标志!"},
    {"StringWithoutLength", [] { return Edited([](TJson& f) { f["classes"][0]["members"][1]["memberLength"] = 0; }); },
     "类 Book 的成员 title, 字段 memberLength: '0' 不是有效的长度"},
    {"LengthOnAnInteger", [] { return Edited([](TJson& f) { f["classes"][1]["members"][0]["memberLength"] = 20; }); },
     "类 Loan 的成员 loanId, 字段 memberLength: 应为 0 (成员类型为 整型)"},
    {"IntegerFlagDisagrees",
     [] { return Edited([](TJson& f) { f["classes"][1]["members"][0]["memberIsInteger"] = 0; }); },
     "类 Loan 的成员 loanId, 字段 memberIsInteger: 应为 1 (成员类型为 整型)"},
};

INSTANTIATE_TEST_SUITE_P(Faults, ProjectJsonBadFile, testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectJsonImport, AsNameIsCheckedLikeANewProject) {
  TTempHome home(false);
  try {
    project_json::ImportProject(ValidFile().dump(), "../up");
    FAIL() << "accepted";
  } catch (const TProjectFileError& e) {
    EXPECT_THAT(e.what(), HasSubstr("项目名称 ../up, 字段 projectName: 工程名称必须是一个普通的文件夹名称"));
  }
  EXPECT_TRUE(TProjectDAO().GetAll().empty());
}

}  // namespace
