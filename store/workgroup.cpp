#include "workgroup.h"

#include "engineerror.h"
#include "sqlite.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace {

// Marks the file as ours, so that another SQLite file is not taken for a workgroup.
const int workgroupApplicationId = 0x42517767; // "BQwg"
const int iterations = 20000;
const int hashLength = 32;

QByteArray derive(const QString &password, const QByteArray &salt, int rounds)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              rounds, hashLength);
}

bool equalInConstantTime(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

struct StoredAccount {
    bool found = false;
    QByteArray salt;
    QByteArray hash;
    int rounds = 0;
};

// Any SQLite error here means the file is damaged or not ours, never a wrong account.
StoredAccount readAccount(const QString &path, const QString &account)
{
    const QString notWorkgroup = QStringLiteral("“%1”不是有效的工作组信息文件").arg(path);
    StoredAccount stored;
    try {
        SqliteDatabase db(path, SqliteDatabase::Access::ReadOnly);
        SqliteStatement id(db, QStringLiteral("PRAGMA application_id"));
        if (!id.step() || id.column(0).toInt() != workgroupApplicationId)
            throw EngineError(notWorkgroup);
        SqliteStatement find(db, QStringLiteral("SELECT salt, hash, iterations FROM accounts WHERE name = ?"));
        find.bind(1, account);
        if (find.step()) {
            stored.found = true;
            stored.salt = find.column(0).toByteArray();
            stored.hash = find.column(1).toByteArray();
            stored.rounds = find.column(2).toInt();
        }
    } catch (const EngineError &e) {
        if (e.text() == notWorkgroup)
            throw;
        throw EngineError(notWorkgroup + QStringLiteral("（%1）").arg(e.text()));
    }
    return stored;
}

} // namespace

void Workgroup::create(const QString &path, const QString &account, const QString &password)
{
    if (QFileInfo::exists(path))
        throw EngineError(QStringLiteral("工作组信息文件“%1”已经存在").arg(path));
    SqliteDatabase db(path, SqliteDatabase::Access::Create);
    db.exec(QStringLiteral("PRAGMA application_id=%1;"
                           "CREATE TABLE accounts (name TEXT PRIMARY KEY COLLATE NOCASE,"
                           " salt BLOB NOT NULL, hash BLOB NOT NULL, iterations INTEGER NOT NULL) STRICT")
                .arg(workgroupApplicationId));
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    SqliteStatement insert(db, QStringLiteral("INSERT INTO accounts VALUES (?, ?, ?, ?)"));
    insert.bind(1, account);
    insert.bind(2, salt);
    insert.bind(3, derive(password, salt, iterations));
    insert.bind(4, iterations);
    insert.step();
}

void Workgroup::verify(const QString &path, const QString &account, const QString &password)
{
    if (!QFileInfo(path).isFile())
        throw EngineError(QStringLiteral("找不到工作组信息文件“%1”").arg(path));
    const StoredAccount stored = readAccount(path, account);
    if (!stored.found)
        throw EngineError(QStringLiteral("工作组信息文件中没有账户“%1”").arg(account));
    if (stored.rounds <= 0 || !equalInConstantTime(derive(password, stored.salt, stored.rounds), stored.hash))
        throw EngineError(QStringLiteral("账户“%1”的密码不正确").arg(account));
}
