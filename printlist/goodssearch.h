#pragma once

#include <QString>
#include <QStringList>

class SqliteDatabase;

// A text typed to find goods: a catalogue row matches when one of `fields` is like
// '%text%', the text taken as typed, so its own % and _ act as wildcards and Latin
// letters match in either case. The trigram index over the catalogue narrows the rows to
// test when the text holds a run of three or more plain characters; the LIKE test alone
// decides which rows match, so the result is exactly that of the plain statement.
class GoodsSearch {
public:
    GoodsSearch(QString text, QStringList fields);

    QString likePattern() const;          // bound as :p
    QString likeCondition() const;        // "(f1 like :p) or (f2 like :p) ..."
    bool canUseIndex() const { return !m_match.isEmpty(); }
    QString matchExpression() const { return m_match; } // bound as :m

    // A row whose barcode or code is the text itself, found through their indexes: one of
    // the matching rows, since such a field contains the text. Bound as :t.
    static QString exactMatchSql();
    // The first matching row, in whatever order the store returns it.
    QString firstMatchSql() const;
    // Every matching row in code order (ties in the order of entry). `throughIndex`
    // narrows the rows through the trigram index first: right when the candidates are few.
    QString orderedSql(bool throughIndex) const;

    // Whether fewer than `limit` rows hold the text's longest plain run.
    bool fewCandidates(SqliteDatabase &db, int limit) const;

private:
    QString m_text;
    QStringList m_fields;
    QString m_match;
};

// The fields the print list's searches look in, in the order of their statement.
QStringList printListSearchFields();
