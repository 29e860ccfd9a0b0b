-- A hand-written script: no brackets, lower-case keywords, inline keys.
/* Authors and their books.
   /* nested comment */ still a comment */
create table Author (
    id int identity primary key,
    name nvarchar(40) not null,
    born date,
    mentor int references Author(id)   -- a self reference
);

create table "Book" (
    isbn varchar(13) not null constraint pk_book primary key,
    title nvarchar(100) not null default N'无题',
    author int not null foreign key references dbo.Author,
    pages int not null check (pages > 0),
    price numeric(8,2) null default (0.0),
    summary text,
    rating float not null default -1
);

create table Shelf (
    code varchar(10) not null,
    location varchar(40),
    primary key nonclustered (code)
);

create table AuditLog (
    happenedAt datetime not null,
    message nvarchar(200)
);

create table Stamp (
    id uniqueidentifier not null primary key,
    note varchar(20)
);

create table tag (id int primary key, label varchar(20));

insert into Author(name) values ('鲁迅');
set nocount on;
delete from AuditLog;
