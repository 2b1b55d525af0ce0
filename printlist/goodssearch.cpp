#include "goodssearch.h"

#include "sqlite.h"

#include <QRegularExpression>

namespace {

// The longest stretch of the text without a wildcard: every matching row contains it.
QString longestPlainRun(const QString &text)
{
    static const QRegularExpression wildcards(QStringLiteral("[%_]"));
    QString longest;
    for (const QString &run : text.split(wildcards))
        if (run.size() > longest.size())
            longest = run;
    return longest;
}

} // namespace

QStringList printListSearchFields()
{
    return {QStringLiteral("药品编号"), QStringLiteral("条形码"), QStringLiteral("药品全名"),
            QStringLiteral("生产厂家"), QStringLiteral("规格")};
}

GoodsSearch::GoodsSearch(QString text, QStringList fields) : m_text(std::move(text)), m_fields(std::move(fields))
{
    const QString run = longestPlainRun(m_text);
    if (run.size() >= 3)
        m_match = QStringLiteral("{%1} : \"%2\"")
                      .arg(m_fields.join(QLatin1Char(' ')), QString(run).replace(QLatin1String("\""), QLatin1String("\"\"")));
}

QString GoodsSearch::likePattern() const
{
    return QLatin1Char('%') + m_text + QLatin1Char('%');
}

QString GoodsSearch::likeCondition() const
{
    QStringList tests;
    for (const QString &field : m_fields)
        tests << QStringLiteral("(sp.%1 like :p)").arg(field);
    return tests.join(QStringLiteral(" or "));
}

QString GoodsSearch::exactMatchSql()
{
    return QStringLiteral("SELECT * FROM sp WHERE 条形码 = :t OR 药品编号 = :t LIMIT 1");
}

QString GoodsSearch::firstMatchSql() const
{
    if (canUseIndex())
        return QStringLiteral("SELECT sp.* FROM sp_search JOIN sp ON sp.编号 = sp_search.rowid"
                              " WHERE sp_search MATCH :m AND (%1) LIMIT 1")
            .arg(likeCondition());
    return QStringLiteral("SELECT * FROM sp WHERE %1 LIMIT 1").arg(likeCondition());
}

QString GoodsSearch::orderedSql(bool throughIndex) const
{
    if (throughIndex && canUseIndex())
        return QStringLiteral("SELECT sp.* FROM sp_search JOIN sp ON sp.编号 = sp_search.rowid"
                              " WHERE sp_search MATCH :m AND (%1) ORDER BY sp.药品编号, sp.编号")
            .arg(likeCondition());
    // Walking the code index gives the rows in order as they are found: the first screen
    // is there as soon as enough rows have matched.
    return QStringLiteral("SELECT * FROM sp INDEXED BY sp_药品编号 WHERE %1 ORDER BY sp.药品编号, sp.编号")
        .arg(likeCondition());
}

bool GoodsSearch::fewCandidates(SqliteDatabase &db, int limit) const
{
    if (!canUseIndex())
        return false;
    SqliteStatement count(db, QStringLiteral("SELECT count(*) FROM (SELECT rowid FROM sp_search WHERE sp_search MATCH ? LIMIT ?)"));
    count.bind(1, m_match);
    count.bind(2, limit);
    count.step();
    return count.column(0).toInt() < limit;
}
