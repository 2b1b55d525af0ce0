#pragma once

#include "querytablemodel.h"

// The print list as its grid shows it: a tick box in the first column, the row's place in
// the view in the second, every second row money green; the tick, the supplier and the
// copies can be edited, and an edit goes into the list's current row.
class PrintListModel : public QueryTableModel {
    Q_OBJECT
public:
    enum Column { Tick = 0, RowNumber = 1, Copies = 10 };

    explicit PrintListModel(Query &bqqry, QObject *parent = nullptr);

    void setTickTitle(const QString &title);   // "全选" or "反选"
    QString tickTitle() const { return m_tickTitle; }

    // The footer's totals over every row, ticked or not.
    int rowTotal() const;
    qlonglong copiesTotal() const;

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_tickTitle = QStringLiteral("全选");
};
