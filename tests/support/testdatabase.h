#pragma once

#include "connection.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh delivered database (trfp.mdb + Security.mdw) in a temporary folder, and a
// connection opened on it the way the program opens its own.
class TestDatabase {
public:
    TestDatabase();

    QString folder() const;                         // with a trailing separator
    QString path() const;                           // of trfp.mdb
    QString connectionString() const;
    std::unique_ptr<Connection> connect() const;    // a new, open connection
    void exec(const QString &jetSql) const;         // through a connection of its own
    QVariant scalar(const QString &jetSql) const;   // first column of the first row

private:
    QTemporaryDir m_dir;
};
