-- The tables of trfp.mdb. Text compares without regard to Latin letter case (the login
-- and every search rely on it), except passwords. Columns of the wrong kind refuse a
-- value instead of storing it (STRICT).

CREATE TABLE sp (
    编号     INTEGER PRIMARY KEY AUTOINCREMENT,
    药品编号 TEXT COLLATE NOCASE,
    药品全名 TEXT COLLATE NOCASE,
    供应商   TEXT COLLATE NOCASE,
    规格     TEXT COLLATE NOCASE,
    生产厂家 TEXT COLLATE NOCASE,
    条形码   TEXT COLLATE NOCASE,
    单位     TEXT COLLATE NOCASE,
    售价     REAL,
    份数     INTEGER
) STRICT;
CREATE INDEX sp_药品编号 ON sp (药品编号);
CREATE INDEX sp_条形码 ON sp (条形码);

-- The print list. Codes and barcodes may repeat: the adding paths and the import each
-- keep one of them unique, not both.
CREATE TABLE bqdy (
    id       INTEGER PRIMARY KEY AUTOINCREMENT,
    选择     INTEGER NOT NULL DEFAULT 0 CHECK (选择 IN (0, 1)),
    药品编号 TEXT COLLATE NOCASE,
    药品全名 TEXT COLLATE NOCASE,
    供应商   TEXT COLLATE NOCASE,
    规格     TEXT COLLATE NOCASE,
    生产厂家 TEXT COLLATE NOCASE,
    条形码   TEXT COLLATE NOCASE,
    单位     TEXT COLLATE NOCASE,
    售价     REAL,
    份数     INTEGER
) STRICT;
CREATE INDEX bqdy_药品编号 ON bqdy (药品编号);
CREATE INDEX bqdy_条形码 ON bqdy (条形码);

CREATE TABLE wzdsp (
    id   INTEGER PRIMARY KEY AUTOINCREMENT,
    条码 TEXT COLLATE NOCASE
) STRICT;

CREATE TABLE usertable (
    用户 TEXT COLLATE NOCASE,
    密码 TEXT,
    职务 TEXT COLLATE NOCASE,
    权限 TEXT COLLATE NOCASE
) STRICT;
CREATE INDEX usertable_用户 ON usertable (用户);
