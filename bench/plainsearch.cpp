#include "plainsearch.h"

#include "query.h"

void setPlainFiveFieldSearch(Query &query, const QString &text, bool orderedByCode)
{
    query.close();
    query.clearSql();
    query.addSql(QStringLiteral("SELECT * FROM sp"));
    query.addSql(QStringLiteral("where (药品编号 like :bh) or (条形码 like :stm) or  (药品全名 like :mc) or "
                                "(生产厂家 like :CJ) or (规格 like :CJ2)"));
    if (orderedByCode)
        query.addSql(QStringLiteral("order by 药品编号, 编号"));
    for (const char *name : {"bh", "stm", "mc", "CJ", "CJ2"})
        query.setParameter(QString::fromLatin1(name), QLatin1Char('%') + text + QLatin1Char('%'));
}
