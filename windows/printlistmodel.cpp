#include "printlistmodel.h"

#include "query.h"
#include "valuetext.h"

#include <QColor>

namespace {

QList<GridColumn> printListColumns()
{
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    return {
        {QStringLiteral("选择"), QString(), 40, centre},
        {QString(), QStringLiteral("行"), 44, left},
        {QStringLiteral("药品编号"), QStringLiteral("药品编号"), 90, left},
        {QStringLiteral("药品全名"), QStringLiteral("药品全名"), 163, left},
        {QStringLiteral("供应商"), QStringLiteral("供应商"), 63, left, true},
        {QStringLiteral("规格"), QStringLiteral("规格"), 112, left},
        {QStringLiteral("生产厂家"), QStringLiteral("生产厂家"), 94, left},
        {QStringLiteral("条形码"), QStringLiteral("条形码"), 123, left},
        {QStringLiteral("单位"), QStringLiteral("单位"), 50, centre},
        {QStringLiteral("售价"), QStringLiteral("售价"), 83, centre},
        {QStringLiteral("份数"), QStringLiteral("份数"), 56, centre, true},
    };
}

const QColor moneyGreen(192, 220, 192);

} // namespace

PrintListModel::PrintListModel(Query &bqqry, QObject *parent) : QueryTableModel(bqqry, printListColumns(), parent)
{
}

void PrintListModel::setTickTitle(const QString &title)
{
    m_tickTitle = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, Tick, Tick);
}

int PrintListModel::rowTotal() const
{
    return rowCount();
}

qlonglong PrintListModel::copiesTotal() const
{
    if (!query().isOpen())
        return 0;
    const int copies = query().columnIndex(QStringLiteral("份数"));
    qlonglong sum = 0;
    for (int row = 0; row < query().recordCount(); ++row) {
        bool number = false;
        const qlonglong n = query().valueAt(row, copies).toLongLong(&number);
        if (number)
            sum += n;
    }
    return sum;
}

Qt::ItemFlags PrintListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QueryTableModel::flags(index);
    if (index.column() == Tick)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant PrintListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::BackgroundRole && (index.row() + 1) % 2 == 0)
        return moneyGreen;
    if (index.column() == Tick) {
        if (role == Qt::CheckStateRole)
            return valueBool(query().valueAt(index.row(), query().columnIndex(QStringLiteral("选择")))) ? Qt::Checked
                                                                                                         : Qt::Unchecked;
        return role == Qt::DisplayRole ? QVariant() : QueryTableModel::data(index, role);
    }
    if (index.column() == RowNumber && role == Qt::DisplayRole)
        return QString::number(index.row() + 1); // the place in the view, not stored anywhere
    return QueryTableModel::data(index, role);
}

bool PrintListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Tick || role != Qt::CheckStateRole)
        return QueryTableModel::setData(index, value, role);
    query().setCurrentRow(index.row());
    query().edit();
    query().setValue(QStringLiteral("选择"), value.toInt() == Qt::Checked);
    return true;
}

QVariant PrintListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == Tick) {
        if (role == Qt::DisplayRole)
            return m_tickTitle;
        if (role == Qt::BackgroundRole)
            return QColor(255, 255, 0);
    }
    return QueryTableModel::headerData(section, orientation, role);
}
