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
from sys.foreign_keys where referenced_object_id in (object_id(N'[dbo].[Category]'),object_id(N'[dbo].[Press]'),object_id(N'[dbo].[Book]'),object_id(N'[dbo].[Tag]'))
exec (@dropKeys)
GO
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Category]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Category]
GO

CREATE TABLE [dbo].[Category] (
	[categoryId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[categoryName] [varchar] (20) COLLATE Chinese_PRC_CI_AS NOT NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Press]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Press]
GO

CREATE TABLE [dbo].[Press] (
	[pressCode] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,
	[pressName] [varchar] (30) COLLATE Chinese_PRC_CI_AS NOT NULL 
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Book]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Book]
GO

CREATE TABLE [dbo].[Book] (
	[bookId] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,
	[title] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[summary] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[price] [float] NOT NULL ,
	[cover] [image] NULL ,
	[pages] [int] NOT NULL ,
	[category] int NOT NULL ,
	[press] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[publishDate] [datetime] NULL ,
) ON [PRIMARY]
GO



if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[Tag]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)
drop table [dbo].[Tag]
GO

CREATE TABLE [dbo].[Tag] (
	[tagName] [varchar] (20) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY 
) ON [PRIMARY]
GO



ALTER TABLE Book ADD FOREIGN KEY (category) REFERENCES Category(categoryId)
ALTER TABLE Book ADD FOREIGN KEY (press) REFERENCES Press(pressCode)
