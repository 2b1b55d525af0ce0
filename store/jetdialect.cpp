#include "jetdialect.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QChar marker(0x1);

// Replaces every quoted part ('text', "name", [name]) by a numbered marker so that the
// rewriting below only ever sees the statement's own words.
QString hideQuoted(const QString &sql, QStringList &quoted)
{
    QString out;
    out.reserve(sql.size());
    for (int i = 0; i < sql.size();) {
        const QChar c = sql.at(i);
        const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
        if (c != QLatin1Char('\'') && c != QLatin1Char('"') && c != QLatin1Char('[')) {
            out += c;
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < sql.size()) {
            if (sql.at(j) == close) {
                if (close != QLatin1Char(']') && j + 1 < sql.size() && sql.at(j + 1) == close) {
                    j += 2; // a doubled quote stands for one
                    continue;
                }
                break;
            }
            ++j;
        }
        quoted << sql.mid(i, j + 1 - i); // an unclosed quote runs to the end: SQLite reports it
        out += marker + QString::number(quoted.size() - 1) + marker;
        i = j + 1;
    }
    return out;
}

QString restoreQuoted(QString sql, const QStringList &quoted)
{
    static const QRegularExpression slot(QStringLiteral("\\x01(\\d+)\\x01"));
    QString out;
    qsizetype last = 0;
    for (auto it = slot.globalMatch(sql); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(sql).mid(last, m.capturedStart() - last);
        out += quoted.at(m.captured(1).toInt());
        last = m.capturedEnd();
    }
    out += QStringView(sql).mid(last);
    return out;
}

// Names may be Chinese, so \\w must mean any letter, not only a Latin one.
const auto options = QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption;

QRegularExpression ci(const char *pattern)
{
    return QRegularExpression(QString::fromUtf8(pattern), options);
}

} // namespace

QString translateJetSql(const QString &jetSql)
{
    static const QRegularExpression deleteStar = ci("^(\\s*delete)\\s+\\*\\s+(from\\b)");
    static const QRegularExpression selectTop = ci("^(\\s*select\\s+(?:distinct\\s+)?)top\\s+(\\d+)\\s+");
    static const QRegularExpression trailing = ci("\\s*;?\\s*$");
    static const QRegularExpression updateTable = ci("^\\s*update\\s+(\\w+)\\s+set\\s");
    static const QRegularExpression parameter = ci("(?<![\\w:]):(\\w+)");

    QStringList quoted;
    QString sql = hideQuoted(jetSql, quoted);

    sql.replace(deleteStar, QStringLiteral("\\1 \\2"));

    if (const auto top = selectTop.match(sql); top.hasMatch()) {
        const QString limit = top.captured(2);
        sql.replace(top.capturedStart(), top.capturedLength(), top.captured(1));
        sql.replace(trailing, QString());
        sql += QStringLiteral(" LIMIT ") + limit;
    }

    // SQLite names the target of SET bare: "UPDATE bqdy SET bqdy.份数" drops "bqdy.".
    if (const auto update = updateTable.match(sql); update.hasMatch()) {
        const QRegularExpression qualifier(
            QStringLiteral("(?<![\\w.])%1\\.(?=\\w)").arg(QRegularExpression::escape(update.captured(1))),
            options);
        sql.replace(qualifier, QString());
    }

    QString lowered;
    qsizetype last = 0;
    for (auto it = parameter.globalMatch(sql); it.hasNext();) {
        const auto m = it.next();
        lowered += QStringView(sql).mid(last, m.capturedStart() - last);
        lowered += QLatin1Char(':') + m.captured(1).toLower();
        last = m.capturedEnd();
    }
    lowered += QStringView(sql).mid(last);

    return restoreQuoted(lowered, quoted);
}
