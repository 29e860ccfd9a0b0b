-- The metadata store: projects, their classes and the members of each class.
-- Keys are never reused; names compare without regard to ASCII letter case.
CREATE TABLE IF NOT EXISTS t_project (
  projectId INTEGER PRIMARY KEY AUTOINCREMENT,
  projectName TEXT NOT NULL DEFAULT '' COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS t_class (
  classId INTEGER PRIMARY KEY AUTOINCREMENT,
  projectId INTEGER NOT NULL DEFAULT 0,
  className TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  friendName TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  frontShowFlag INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE IF NOT EXISTS t_member (
  memberId INTEGER PRIMARY KEY AUTOINCREMENT,
  projectId INTEGER NOT NULL DEFAULT 0,
  classId INTEGER NOT NULL DEFAULT 0,
  memberName TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  memberType TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  memberLength INTEGER NOT NULL DEFAULT 0,
  memberIsPri INTEGER NOT NULL DEFAULT 0,
  memberComment TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  memberIsMust INTEGER NOT NULL DEFAULT 0,
  memberIsInteger INTEGER NOT NULL DEFAULT 0,
  memberIsFloat INTEGER NOT NULL DEFAULT 0,
  queryFlag INTEGER NOT NULL DEFAULT 0,
  memberIsDisplay INTEGER NOT NULL DEFAULT 0,
  memberQueryDisplay INTEGER NOT NULL DEFAULT 0
);

-- A project's generation settings, one row per setting that has been set.
CREATE TABLE IF NOT EXISTS t_setting (
  projectId INTEGER NOT NULL,
  settingName TEXT NOT NULL COLLATE NOCASE,
  settingValue TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (projectId, settingName)
);

CREATE INDEX IF NOT EXISTS ix_class_project ON t_class(projectId);
CREATE INDEX IF NOT EXISTS ix_member_class ON t_member(classId);
CREATE INDEX IF NOT EXISTS ix_class_name ON t_class(projectId, className);
