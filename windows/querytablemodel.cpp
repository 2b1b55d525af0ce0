#include "querytablemodel.h"

#include "errorreport.h"
#include "query.h"
#include "valuetext.h"

#include <QHeaderView>
#include <QTableView>

QueryTableModel::QueryTableModel(Query &query, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns))
{
    connect(&m_query, &Query::reset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&m_query, &Query::rowChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void QueryTableModel::applyWidths(QTableView *view) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        view->setColumnWidth(c, m_columns.at(c).width);
}

int QueryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_query.isOpen() ? 0 : m_query.recordCount();
}

int QueryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant QueryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const GridColumn &column = m_columns.at(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.alignment);
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || column.field.isEmpty())
        return {};
    const int field = m_query.columnIndex(column.field);
    return field < 0 ? QVariant() : valueText(m_query.valueAt(index.row(), field));
}

Qt::ItemFlags QueryTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_columns.at(index.column()).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

bool QueryTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_columns.at(index.column()).editable)
        return false;
    m_query.setCurrentRow(index.row());
    m_query.edit();
    const QString typed = value.toString();
    // An emptied cell stores Null, as an emptied cell of a database grid does.
    m_query.setValue(m_columns.at(index.column()).field, typed.isEmpty() ? QVariant() : QVariant(typed));
    return true;
}

QVariant QueryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

void followCurrentRow(QTableView *view, Query &query)
{
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view, [&query](const QModelIndex &current) {
        guard([&query, current] {
            if (query.isOpen() && current.isValid())
                query.setCurrentRow(current.row());
        });
    });
}
