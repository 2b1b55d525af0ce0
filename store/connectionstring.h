#pragma once

#include <QList>
#include <QPair>
#include <QString>

// An OLE DB style connection string: "key=value;key=value". Keys are matched without
// regard to case; a value may be quoted with " or ' (a doubled quote stands for one).
class ConnectionString {
public:
    static ConnectionString parse(const QString &text);

    QString value(const QString &key) const;   // empty when the key is absent

private:
    void set(const QString &key, const QString &value);
    QList<QPair<QString, QString>> m_pairs;
};

// The connection string of the program's own database: trfp.mdb in the program's
// folder, opened under the engine account of the workgroup file beside it.
QString mainConnectionString(const QString &programDirWithSeparator);

// The same for a database file of any name; the workgroup file is looked up beside it.
QString connectionStringFor(const QString &databasePath);
