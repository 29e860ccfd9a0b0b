GO

if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[P_PasswordType]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[P_PasswordType]
CREATE TABLE [dbo].[P_PasswordType](
	[P_Id] [int] IDENTITY(1,1) NOT NULL,
	[U_Name] [varchar](50) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
delete from P_PasswordType 
insert into P_PasswordType values('我最喜欢的动物')
insert into P_PasswordType values('我的小学班主任')
insert into P_PasswordType values('我的中学班主任')
insert into P_PasswordType values('我最爱吃什么')
insert into P_PasswordType values('我母亲叫什么')
insert into P_PasswordType values('我父亲叫什么')
GO
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[U_UserInfo]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[U_UserInfo]
create table U_UserInfo 
(
    U_Id	int			identity(1,1) PRIMARY KEY		not null,--用户编号
    U_Name				varchar(50)			null,--用户名,
    U_RelName			varchar(50)			null,--用户真实姓名,
    U_Sex				bit					null,--用户性别,
    U_PassWord			varchar(50)			null,--用户密码,
    U_Birthday			datetime			null,--出生日期
    U_PsdType			int					null,--密保类型(管理员维护)
    U_PsdAnswer			varchar(50)			null, --密保回答问题
    U_IdCard			varchar(20)			null, --身份证号
    U_NativePlace		varchar(20)			null, --籍贯
    U_Address			varchar(50)			null, --家庭住址
    U_Telephone			varchar(50)			null, --电话号码
    U_Email				varchar(50)			null, --邮箱号码
    U_PostalId			varchar(20)			null, --邮编号码
    U_QQ				varchar(20)			null, --QQ
    U_Position			varchar(20)			null, --职位
    U_Reamrk			varchar(50)			null, --备注
    U_LoginTime         datetime            null, --注册时间
    U_RoleType			int					null,--用户权限类型(XML记录)
    U_Image				image				null,--用户生活照
)
GO
delete from U_UserInfo 
insert into U_UserInfo(U_Name,U_Sex, U_PassWord,U_Birthday,U_LoginTime,U_RoleType)
values('admin',1,'5F0C9A7E3B2D41C8A6E09B7D2C4F1A38',GETDATE(),GETDATE(),2)
GO
declare @dropKeys nvarchar(max) = N''
select @dropKeys = @dropKeys + N'alter table ' + quotename(object_schema_name(parent_object_id)) + N'.' + quotename(object_name(parent_object_id)) + N' drop constraint ' + quotename(name) + N' '
from sys.foreign_keys where referenced_object_id in (object_id(N'[dbo].[Counter]'),object_id(N'[dbo].[Loan]'),object_id(N'[dbo].[Shelf]'),object_id(N'[dbo].[Ghost]'))
exec (@dropKeys)
GO
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Counter]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Counter]
GO

CREATE TABLE [dbo].[Counter] (
	[counterId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Loan]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Loan]
GO

CREATE TABLE [dbo].[Loan] (
	[loanId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[counter] int NOT NULL ,
-- 类Loan的成员shelf引用的类Shelf没有设置主键，无法生成此列
	[amount] [float] NOT NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Shelf]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Shelf]
GO

CREATE TABLE [dbo].[Shelf] (
-- 类Shelf没有设置主键，无法生成主键列
	[label] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL 
-- 类Shelf的成员room引用的类Room不在本项目中，无法生成此列
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Ghost]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Ghost]
GO

CREATE TABLE [dbo].[Ghost] (
-- 类Ghost没有设置主键，无法生成主键列
) ON [PRIMARY]
GO



ALTER TABLE Loan ADD FOREIGN KEY (counter) REFERENCES Counter(counterId)
-- 类Loan的成员shelf引用的类Shelf没有设置主键，无法生成外键
-- 类Shelf的成员room引用的类Room不在本项目中，无法生成外键
