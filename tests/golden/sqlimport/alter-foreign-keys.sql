IF OBJECT_ID(N'FK_Loan_Member', N'F') IS NOT NULL ALTER TABLE [Loan] DROP CONSTRAINT [FK_Loan_Member]
GO
IF EXISTS (SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[Loan]') AND type in (N'U'))
DROP TABLE [dbo].[Loan]
GO
CREATE TABLE [Member] (
	[cardNo] [varchar] (16) NOT NULL,
	[fullName] [nvarchar] (30) NOT NULL,
	[joined] [smalldatetime] NOT NULL
)
GO
CREATE TABLE [Copy] (
	[copyId] [bigint] IDENTITY (1, 1) NOT NULL,
	[shelfMark] [varchar] (20) NULL,
	[edition] [int] NOT NULL
)
GO
CREATE TABLE [Loan] (
	[loanId] [int] IDENTITY (1, 1) NOT NULL,
	[member] [varchar] (16) NOT NULL,
	[copy] [bigint] NOT NULL,
	[lentOn] [datetimeoffset] NOT NULL
)
GO
CREATE TABLE [Fine] (
	[fineId] [int] IDENTITY (1, 1) NOT NULL,
	[loan] [int] NOT NULL,
	[amount] [smallmoney] NOT NULL
)
GO
CREATE TABLE [Review] (
	[reviewId] [int] IDENTITY (1, 1) NOT NULL,
	[edition] [int] NOT NULL,
	[text] [nvarchar] (200) NULL
)
GO
ALTER TABLE [Member] ADD CONSTRAINT [PK_Member] PRIMARY KEY CLUSTERED ([cardNo])
ALTER TABLE [Copy] WITH NOCHECK ADD CONSTRAINT [PK_Copy] PRIMARY KEY ([copyId]), [note] [nvarchar] (50) NULL
ALTER TABLE [Loan] ADD PRIMARY KEY ([loanId])
ALTER TABLE [Fine] ADD PRIMARY KEY ([fineId])
ALTER TABLE [Review] ADD PRIMARY KEY ([reviewId])
GO
ALTER TABLE [Loan] ADD CONSTRAINT [FK_Loan_Member] FOREIGN KEY ([member]) REFERENCES [Member] ([cardNo])
ALTER TABLE Loan ADD FOREIGN KEY (copy) REFERENCES Copy(copyId)
ALTER TABLE [Fine] ADD CONSTRAINT [FK_Fine_Loan] FOREIGN KEY ([loan]) REFERENCES [dbo].[Loan] ([loanId]) ON DELETE NO ACTION ON UPDATE NO ACTION
ALTER TABLE [Review] ADD CONSTRAINT [FK_Review_Edition] FOREIGN KEY ([edition]) REFERENCES [Edition] ([editionId])
GO
