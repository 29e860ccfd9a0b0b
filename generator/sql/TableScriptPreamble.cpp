#include "generator/sql/TableScriptPreamble.h"

#include "generator/naming/SqlNames.h"

namespace {

// Column lines of U_UserInfo; the login-time line is aligned with blanks.
const char* const kUserInfoColumns[] = {
    "    U_Id\tint\t\t\tidentity(1,1) PRIMARY KEY\t\tnot null,--用户编号",
    "    U_Name\t\t\t\tvarchar(50)\t\t\tnull,--用户名,",
    "    U_RelName\t\t\tvarchar(50)\t\t\tnull,--用户真实姓名,",
    "    U_Sex\t\t\t\tbit\t\t\t\t\tnull,--用户性别,",
    "    U_PassWord\t\t\tvarchar(50)\t\t\tnull,--用户密码,",
    "    U_Birthday\t\t\tdatetime\t\t\tnull,--出生日期",
    "    U_PsdType\t\t\tint\t\t\t\t\tnull,--密保类型(管理员维护)",
    "    U_PsdAnswer\t\t\tvarchar(50)\t\t\tnull, --密保回答问题",
    "    U_IdCard\t\t\tvarchar(20)\t\t\tnull, --身份证号",
    "    U_NativePlace\t\tvarchar(20)\t\t\tnull, --籍贯",
    "    U_Address\t\t\tvarchar(50)\t\t\tnull, --家庭住址",
    "    U_Telephone\t\t\tvarchar(50)\t\t\tnull, --电话号码",
    "    U_Email\t\t\t\tvarchar(50)\t\t\tnull, --邮箱号码",
    "    U_PostalId\t\t\tvarchar(20)\t\t\tnull, --邮编号码",
    "    U_QQ\t\t\t\tvarchar(20)\t\t\tnull, --QQ",
    "    U_Position\t\t\tvarchar(20)\t\t\tnull, --职位",
    "    U_Reamrk\t\t\tvarchar(50)\t\t\tnull, --备注",
    "    U_LoginTime         datetime            null, --注册时间",
    "    U_RoleType\t\t\tint\t\t\t\t\tnull,--用户权限类型(XML记录)",
    "    U_Image\t\t\t\timage\t\t\t\tnull,--用户生活照",
};

const char* const kPasswordQuestions[] = {"我最喜欢的动物", "我的小学班主任", "我的中学班主任",
                                          "我最爱吃什么",   "我母亲叫什么",   "我父亲叫什么"};

// MD5 digest of the administrator's default password.
const char* const kAdminPasswordDigest = "5F0C9A7E3B2D41C8A6E09B7D2C4F1A38";

void PasswordTypeTable(TCodeWriter& w) {
  w.Line("GO").Blank();
  DropTableIfExists(w, "P_PasswordType");
  w.Lines(R"(
CREATE TABLE [dbo].[P_PasswordType](
)");
  w.Line("\t[P_Id] [int] IDENTITY(1,1) NOT NULL,").Line("\t[U_Name] [varchar](50) COLLATE Chinese_PRC_CI_AS NULL");
  // Two statements of the script end in a blank, kept where it shows.
  w.Line(") ON [PRIMARY]").Line("delete from P_PasswordType ");
  for (const char* question : kPasswordQuestions)
    w.Set("question", question).Line("insert into P_PasswordType values('$question$')");
  w.Line("GO");
}

void UserInfoTable(TCodeWriter& w) {
  DropTableIfExists(w, "U_UserInfo");
  w.Line("create table U_UserInfo ").Line("(");
  for (const char* column : kUserInfoColumns) w.Set("column", column).Line("$column$");
  w.Line(")").Line("GO").Line("delete from U_UserInfo ");
  w.Set("digest", kAdminPasswordDigest).Lines(R"(
insert into U_UserInfo(U_Name,U_Sex, U_PassWord,U_Birthday,U_LoginTime,U_RoleType)
values('admin',1,'$digest$',GETDATE(),GETDATE(),2)
GO
)");
}

}  // namespace

void DropTableIfExists(TCodeWriter& w, const std::string& table) {
  const std::string name = sql_names::DboTable(table);
  w.Set("name", name).Set("literal", sql_names::Literal(name)).Lines(R"(
if exists (select * from dbo.sysobjects where id = object_id(N$literal$) and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table $name$
)");
}

std::string TableScriptPreamble() {
  TCodeWriter w;
  PasswordTypeTable(w);
  UserInfoTable(w);
  return w.Take();
}
