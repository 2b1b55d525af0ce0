#pragma once

#include "gridcolumn.h"

#include <QAbstractTableModel>
#include <QList>

class Query;
class QTableView;

// A grid's view of a query's snapshot: it shows the query's rows as they are, follows its
// resets and row changes, and puts an edit of an editable column into the query's row,
// as a data-aware grid does (the row is written when it is posted).
class QueryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    QueryTableModel(Query &query, QList<GridColumn> columns, QObject *parent = nullptr);

    const QList<GridColumn> &columns() const { return m_columns; }
    void applyWidths(class QTableView *view) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    Query &query() const { return m_query; }

private:
    Query &m_query;
    QList<GridColumn> m_columns;
};

// The row the operator moves to in `view` becomes the query's current row; moving on
// posts the row left, as in any data grid.
void followCurrentRow(QTableView *view, Query &query);
