#pragma once

#include "gridcolumn.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVector>
#include <memory>

class Connection;
class SqliteDatabase;
class SqliteStatement;

// The live search result under the search box: every catalogue row whose code, barcode,
// name, maker or specification contains the typed text, in code order. It is a snapshot
// taken when the text changed, and it is read as far as the view scrolls, so the first
// screen is there at once and memory does not grow with the number of matches.
class PickList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PickList(Connection &connection, QObject *parent = nullptr);
    ~PickList() override;

    static const QList<GridColumn> &columns();

    void search(const QString &text);   // replaces the content
    void clear();
    QVariant codeAt(int row) const;      // 药品编号 of a row; Null outside the rows

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

Q_SIGNALS:
    // Reading further rows while the view scrolls failed; the view cannot be told by a throw.
    void readFailed(const QString &error);

private:
    void read(int rows);

    Connection &m_connection;
    std::unique_ptr<SqliteDatabase> m_reader;
    std::unique_ptr<SqliteStatement> m_statement;   // pending: more rows to read
    QVector<int> m_fieldColumns;                     // result column of each grid column
    QVector<QVector<QVariant>> m_rows;
};
