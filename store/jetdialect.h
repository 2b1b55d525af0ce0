#pragma once

#include <QString>

// The program's statements are written in the Jet dialect of SQL. This turns one of them
// into what SQLite runs: "delete * from", "select top N", "UPDATE t SET t.col", and
// parameter names in any letter case (":CJ" and ":cj" are one parameter). Text inside
// quotes is never touched.
QString translateJetSql(const QString &jetSql);
