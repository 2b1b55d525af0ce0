#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// Thin RAII owners of SQLite handles. Every failure throws EngineError with a text the
// operator can read; sqlite3.h stays out of every other header.
class SqliteDatabase {
public:
    enum class Access { ReadWrite, ReadOnly, Create };
    SqliteDatabase(const QString &path, Access access);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    sqlite3 *handle() const { return m_db; }
    void exec(const QString &sql);   // one or more statements without parameters
    qint64 lastInsertRowid() const;
    int changes() const;
    bool inTransaction() const;

private:
    sqlite3 *m_db = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement(const SqliteDatabase &db, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    int parameterCount() const;
    QString parameterName(int index) const;          // 1-based, with its leading ':'
    void bind(int index, const QVariant &value);     // 1-based
    void bind(const QString &name, const QVariant &value);
    bool step();                                      // true while a row is there
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnTable(int column) const;            // the table a column comes from, or empty
    QVariant column(int column) const;

private:
    const SqliteDatabase &m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

// Rolls back unless committed: a failed batch leaves the file as it was.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase &db);
    ~SqliteTransaction();
    void commit();

private:
    SqliteDatabase &m_db;
    bool m_done = false;
};

// The operator's text for what SQLite reported on this handle.
QString sqliteErrorText(sqlite3 *db, int code);
