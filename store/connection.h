#pragma once

#include <QString>
#include <memory>

class SqliteDatabase;

// The program's connection to its database. Opened from a connection string: the
// database file (Data Source) opens only under an account of the workgroup file
// (Jet OLEDB:System database), and nothing is ever created by opening.
class Connection {
public:
    Connection();
    ~Connection();

    void setConnectionString(const QString &text);

    void open();   // does nothing when already open; throws EngineError naming what failed
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // The open database. A closed connection tries to open first, so every statement
    // run without a connection fails with the reason the connection cannot be opened.
    SqliteDatabase &database();

    // A second handle on the same database for a long read that must not hold up this
    // connection's writes (a statement still being read keeps its transaction open).
    std::unique_ptr<SqliteDatabase> openReader();

private:
    QString m_connectionString;
    QString m_databasePath;
    std::unique_ptr<SqliteDatabase> m_db;
};
