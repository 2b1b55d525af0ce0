#include "connectionstring.h"

#include "engineerror.h"

ConnectionString ConnectionString::parse(const QString &text)
{
    ConnectionString result;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        const int eq = int(text.indexOf(QLatin1Char('='), i));
        if (eq < 0) {
            if (!text.mid(i).trimmed().isEmpty())
                throw EngineError(QStringLiteral("连接字符串格式不正确：“%1”缺少“=”").arg(text.mid(i).trimmed()));
            break;
        }
        const QString key = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text.at(i) == QLatin1Char(' '))
            ++i;
        QString value;
        if (i < n && (text.at(i) == QLatin1Char('"') || text.at(i) == QLatin1Char('\''))) {
            const QChar quote = text.at(i++);
            bool closed = false;
            while (i < n) {
                if (text.at(i) == quote) {
                    if (i + 1 < n && text.at(i + 1) == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += text.at(i++);
            }
            if (!closed)
                throw EngineError(QStringLiteral("连接字符串格式不正确：“%1”的值缺少结束引号").arg(key));
            while (i < n && text.at(i) != QLatin1Char(';'))
                ++i;
        } else {
            const int semi = int(text.indexOf(QLatin1Char(';'), i));
            const int end = semi < 0 ? n : semi;
            value = text.mid(i, end - i).trimmed();
            i = end;
        }
        ++i; // the ';'
        if (key.isEmpty())
            throw EngineError(QStringLiteral("连接字符串格式不正确：有一个值没有名称"));
        result.set(key, value);
    }
    return result;
}

QString ConnectionString::value(const QString &key) const
{
    for (const auto &pair : m_pairs)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return pair.second;
    return {};
}

void ConnectionString::set(const QString &key, const QString &value)
{
    for (auto &pair : m_pairs)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0) {
            pair.second = value;
            return;
        }
    m_pairs.append({key, value});
}

QString mainConnectionString(const QString &programDirWithSeparator)
{
    return connectionStringFor(programDirWithSeparator + QStringLiteral("trfp.mdb"));
}

QString connectionStringFor(const QString &databasePath)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=quartzmelo#&!;User ID=zx;"
                          "Data Source=%1;Mode=Share Deny None;Extended Properties=\"\";"
                          "Jet OLEDB:System database=Security.mdw;Jet OLEDB:Registry Path=\"\";"
                          "Jet OLEDB:Database Password=\"\";Jet OLEDB:New Database Password=\"\"")
        .arg(databasePath);
}
