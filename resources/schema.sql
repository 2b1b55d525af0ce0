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

-- A trigram index over the searched text of the catalogue. Searches use it only to find
-- candidate rows quickly; the rows shown are always decided by the statement's own LIKE.
-- The triggers keep it right whichever program writes sp.
CREATE VIRTUAL TABLE sp_search USING fts5 (
    药品编号, 条形码, 药品全名, 生产厂家, 规格, 单位,
    content = 'sp', content_rowid = '编号', tokenize = 'trigram'
);
CREATE TRIGGER sp_search_insert AFTER INSERT ON sp BEGIN
    INSERT INTO sp_search (rowid, 药品编号, 条形码, 药品全名, 生产厂家, 规格, 单位)
    VALUES (new.编号, new.药品编号, new.条形码, new.药品全名, new.生产厂家, new.规格, new.单位);
END;
CREATE TRIGGER sp_search_delete AFTER DELETE ON sp BEGIN
    INSERT INTO sp_search (sp_search, rowid, 药品编号, 条形码, 药品全名, 生产厂家, 规格, 单位)
    VALUES ('delete', old.编号, old.药品编号, old.条形码, old.药品全名, old.生产厂家, old.规格, old.单位);
END;
CREATE TRIGGER sp_search_update AFTER UPDATE OF 药品编号, 条形码, 药品全名, 生产厂家, 规格, 单位 ON sp BEGIN
    INSERT INTO sp_search (sp_search, rowid, 药品编号, 条形码, 药品全名, 生产厂家, 规格, 单位)
    VALUES ('delete', old.编号, old.药品编号, old.条形码, old.药品全名, old.生产厂家, old.规格, old.单位);
    INSERT INTO sp_search (rowid, 药品编号, 条形码, 药品全名, 生产厂家, 规格, 单位)
    VALUES (new.编号, new.药品编号, new.条形码, new.药品全名, new.生产厂家, new.规格, new.单位);
END;
