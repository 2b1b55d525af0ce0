#include "testdatabase.h"

#include "connectionstring.h"
#include "deliveredfiles.h"
#include "query.h"

#include <QDir>
#include <QTest>

TestDatabase::TestDatabase()
{
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    DeliveredFiles::createMissing(m_dir.path());
}

QString TestDatabase::folder() const
{
    return QDir(m_dir.path()).absolutePath() + QLatin1Char('/');
}

QString TestDatabase::path() const
{
    return folder() + QStringLiteral("trfp.mdb");
}

QString TestDatabase::connectionString() const
{
    return mainConnectionString(folder());
}

std::unique_ptr<Connection> TestDatabase::connect() const
{
    auto connection = std::make_unique<Connection>();
    connection->setConnectionString(connectionString());
    connection->open();
    return connection;
}

void TestDatabase::exec(const QString &jetSql) const
{
    auto connection = connect();
    Query query(*connection);
    query.setSql(jetSql);
    query.execSql();
}

QVariant TestDatabase::scalar(const QString &jetSql) const
{
    auto connection = connect();
    Query query(*connection);
    query.setSql(jetSql);
    query.open();
    return query.isEmpty() ? QVariant() : query.valueAt(0, 0);
}
