#include "connection.h"

#include "connectionstring.h"
#include "engineerror.h"
#include "sqlite.h"
#include "workgroup.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString jetProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");

QString workgroupPath(const QString &named, const QString &databasePath)
{
    if (QFileInfo(named).isAbsolute())
        return named;
    // A bare name is looked up beside the database, wherever the program was started from.
    return QFileInfo(databasePath).absoluteDir().filePath(named);
}

} // namespace

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::setConnectionString(const QString &text)
{
    if (isOpen())
        throw EngineError(QStringLiteral("连接打开时不能更改连接字符串"));
    m_connectionString = text;
}

void Connection::open()
{
    if (isOpen())
        return;
    const ConnectionString settings = ConnectionString::parse(m_connectionString);

    const QString provider = settings.value(QStringLiteral("Provider"));
    if (provider.compare(jetProvider, Qt::CaseInsensitive) != 0)
        throw EngineError(QStringLiteral("找不到提供程序“%1”").arg(provider));

    m_databasePath = settings.value(QStringLiteral("Data Source"));
    if (m_databasePath.isEmpty())
        throw EngineError(QStringLiteral("连接字符串没有指定数据库文件（Data Source）"));
    if (!QFileInfo(m_databasePath).isFile())
        throw EngineError(QStringLiteral("找不到数据库文件“%1”").arg(m_databasePath));

    const QString workgroup = settings.value(QStringLiteral("Jet OLEDB:System database"));
    if (workgroup.isEmpty())
        throw EngineError(QStringLiteral("连接字符串没有指定工作组信息文件（Jet OLEDB:System database）"));
    Workgroup::verify(workgroupPath(workgroup, m_databasePath), settings.value(QStringLiteral("User ID")),
                      settings.value(QStringLiteral("Password")));

    try {
        auto db = std::make_unique<SqliteDatabase>(m_databasePath, SqliteDatabase::Access::ReadWrite);
        db->exec(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
        // Other programs may use the file at the same time (share mode "deny none"):
        // readers never wait for a writer, and a writer waits its turn briefly.
        db->exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        m_db = std::move(db);
    } catch (const EngineError &e) {
        throw EngineError(QStringLiteral("不能打开数据库“%1”：%2").arg(m_databasePath, e.text()));
    }
}

void Connection::close()
{
    m_db.reset();
}

SqliteDatabase &Connection::database()
{
    open();
    return *m_db;
}

std::unique_ptr<SqliteDatabase> Connection::openReader()
{
    open();
    return std::make_unique<SqliteDatabase>(m_databasePath, SqliteDatabase::Access::ReadWrite);
}
