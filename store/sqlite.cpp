#include "sqlite.h"

#include "engineerror.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <sqlite3.h>

namespace {

const int busyTimeoutMs = 5000;

QString columnKind(const QString &sqliteType)
{
    if (sqliteType == QLatin1String("INTEGER"))
        return QStringLiteral("整数");
    if (sqliteType == QLatin1String("REAL"))
        return QStringLiteral("数字");
    return QStringLiteral("文本");
}

// SQLite speaks English; the operator reads Chinese. Known messages are put into words
// that say what went wrong; anything else keeps the engine's own text.
QString translate(const QString &message, int code)
{
    static const QRegularExpression datatype(
        QStringLiteral("^cannot store (\\w+) value in (\\w+) column (.+)$"));
    static const QRegularExpression noTable(QStringLiteral("^no such table: (.+)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
    static const QRegularExpression check(QStringLiteral("^CHECK constraint failed: (.+)$"));
    static const QRegularExpression syntax(QStringLiteral("^(near .*: syntax error|incomplete input)$"));

    if (auto m = datatype.match(message); m.hasMatch())
        return QStringLiteral("数据类型不匹配：字段“%1”只能保存%2，不能保存%3值")
            .arg(m.captured(3), columnKind(m.captured(2)), columnKind(m.captured(1)));
    if (auto m = noTable.match(message); m.hasMatch())
        return QStringLiteral("找不到表“%1”").arg(m.captured(1));
    if (auto m = noColumn.match(message); m.hasMatch())
        return QStringLiteral("找不到字段“%1”").arg(m.captured(1));
    if (auto m = check.match(message); m.hasMatch())
        return QStringLiteral("值不符合字段“%1”的规则").arg(m.captured(1));
    if (syntax.match(message).hasMatch())
        return QStringLiteral("语句有语法错误（%1）").arg(message);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库正被其他程序使用，请稍后再试");
    case SQLITE_NOTADB:
        return QStringLiteral("文件不是可识别的数据库格式");
    case SQLITE_CORRUPT:
        return QStringLiteral("数据库文件已损坏");
    case SQLITE_READONLY:
        return QStringLiteral("数据库是只读的，不能写入");
    case SQLITE_FULL:
        return QStringLiteral("磁盘已满，数据不能写入");
    case SQLITE_CANTOPEN:
        return QStringLiteral("不能打开数据库文件");
    case SQLITE_IOERR:
        return QStringLiteral("读写数据库文件时出错（%1）").arg(message);
    default:
        return QStringLiteral("数据库引擎错误：%1").arg(message);
    }
}

} // namespace

QString sqliteErrorText(sqlite3 *db, int code)
{
    const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db))
                               : QString::fromUtf8(sqlite3_errstr(code));
    return translate(message, code);
}

SqliteDatabase::SqliteDatabase(const QString &path, Access access)
{
    int flags = SQLITE_OPEN_FULLMUTEX;
    switch (access) {
    case Access::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Access::ReadOnly: flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI; break;
    case Access::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    }
    // Read-only files are read as they lie: no journal files appear beside them.
    const QString name = access == Access::ReadOnly
        ? QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1")
        : path;
    const int rc = sqlite3_open_v2(name.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = sqliteErrorText(m_db, rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw EngineError(text);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close_v2(m_db);
}

void SqliteDatabase::exec(const QString &sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        throw EngineError(sqliteErrorText(m_db, rc));
}

qint64 SqliteDatabase::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteDatabase::changes() const
{
    return sqlite3_changes(m_db);
}

bool SqliteDatabase::inTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

SqliteStatement::SqliteStatement(const SqliteDatabase &db, const QString &sql) : m_db(db)
{
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(db.handle(), text.constData(), int(text.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK)
        throw EngineError(sqliteErrorText(db.handle(), rc));
    if (!m_stmt)
        throw EngineError(QStringLiteral("语句是空的"));
    if (tail && QByteArray(tail).trimmed().size() > 0 && QByteArray(tail).trimmed() != ";") {
        sqlite3_finalize(m_stmt);
        throw EngineError(QStringLiteral("一次只能执行一条语句"));
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

int SqliteStatement::parameterCount() const
{
    return sqlite3_bind_parameter_count(m_stmt);
}

QString SqliteStatement::parameterName(int index) const
{
    return QString::fromUtf8(sqlite3_bind_parameter_name(m_stmt, index));
}

void SqliteStatement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, text.constData(), text.size(), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw EngineError(sqliteErrorText(m_db.handle(), rc));
}

void SqliteStatement::bind(const QString &name, const QVariant &value)
{
    const int index = sqlite3_bind_parameter_index(m_stmt, name.toUtf8().constData());
    if (index == 0)
        throw EngineError(QStringLiteral("语句中没有参数“%1”").arg(name));
    bind(index, value);
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw EngineError(sqliteErrorText(m_db.handle(), rc));
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString SqliteStatement::columnTable(int column) const
{
    return QString::fromUtf8(sqlite3_column_table_name(m_stmt, column));
}

QVariant SqliteStatement::column(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column)),
            sqlite3_column_bytes(m_stmt, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default:
        return QVariant();
    }
}

SqliteTransaction::SqliteTransaction(SqliteDatabase &db) : m_db(db)
{
    m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

SqliteTransaction::~SqliteTransaction()
{
    if (!m_done && m_db.inTransaction())
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}
