#include "deliveredfiles.h"

#include "connectionstring.h"
#include "engineerror.h"
#include "sqlite.h"
#include "workgroup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void DeliveredFiles::createDatabase(const QString &path)
{
    if (QFileInfo::exists(path))
        throw EngineError(QStringLiteral("数据库文件“%1”已经存在").arg(path));
    QFile schema(QStringLiteral(":/store/schema.sql"));
    if (!schema.open(QIODevice::ReadOnly))
        throw EngineError(QStringLiteral("程序缺少数据库结构文件"));
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        SqliteDatabase db(temporary, SqliteDatabase::Access::Create);
        db.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        SqliteTransaction transaction(db);
        db.exec(QString::fromUtf8(schema.readAll()));
        db.exec(QStringLiteral("INSERT INTO usertable (用户, 密码, 职务, 权限) VALUES ('Admin', NULL, '', '管理')"));
        transaction.commit();
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    QFile::remove(temporary + QStringLiteral("-wal"));
    QFile::remove(temporary + QStringLiteral("-shm"));
    // Only a complete file ever bears the real name.
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        throw EngineError(QStringLiteral("不能创建数据库文件“%1”").arg(path));
    }
}

QStringList DeliveredFiles::createMissing(const QString &folder)
{
    const QDir dir(folder);
    QStringList created;
    const QString database = dir.filePath(QStringLiteral("trfp.mdb"));
    if (!QFileInfo::exists(database)) {
        createDatabase(database);
        created << QStringLiteral("trfp.mdb");
    }
    const ConnectionString settings = ConnectionString::parse(mainConnectionString(QString()));
    const QString workgroup = dir.filePath(settings.value(QStringLiteral("Jet OLEDB:System database")));
    if (!QFileInfo::exists(workgroup)) {
        Workgroup::create(workgroup, settings.value(QStringLiteral("User ID")),
                          settings.value(QStringLiteral("Password")));
        created << QFileInfo(workgroup).fileName();
    }
    return created;
}
