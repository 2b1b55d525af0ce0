#include "picklist.h"

#include "connection.h"
#include "engineerror.h"
#include "goodssearch.h"
#include "sqlite.h"
#include "valuetext.h"

namespace {

const int firstScreen = 64;
const int laterBatch = 256;
// Below this many candidate rows, sorting the candidates beats walking the code index.
const int fewCandidates = 2000;

} // namespace

PickList::PickList(Connection &connection, QObject *parent) : QAbstractTableModel(parent), m_connection(connection)
{
}

PickList::~PickList() = default;

const QList<GridColumn> &PickList::columns()
{
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    static const QList<GridColumn> list{
        {QStringLiteral("药品编号"), QStringLiteral("药品编号"), 66, left},
        {QStringLiteral("药品全名"), QStringLiteral("药品全名"), 89, left},
        {QStringLiteral("规格"), QStringLiteral("规格"), 107, left},
        {QStringLiteral("供应商"), QStringLiteral("供应商"), 56, left},
        {QStringLiteral("生产厂家"), QStringLiteral("生产厂家"), 85, left},
        {QStringLiteral("条形码"), QStringLiteral("条形码"), 108, left},
        {QStringLiteral("单位"), QStringLiteral("单位"), 35, Qt::AlignCenter},
        {QStringLiteral("售价"), QStringLiteral("售价"), 51, Qt::AlignCenter},
    };
    return list;
}

void PickList::clear()
{
    beginResetModel();
    m_statement.reset(); // ends the snapshot's read
    m_rows.clear();
    endResetModel();
}

void PickList::search(const QString &text)
{
    clear();
    if (!m_reader)
        m_reader = m_connection.openReader();
    const GoodsSearch search(text, printListSearchFields());
    const bool throughIndex = search.fewCandidates(*m_reader, fewCandidates);
    auto statement = std::make_unique<SqliteStatement>(*m_reader, search.orderedSql(throughIndex));
    statement->bind(QStringLiteral(":p"), search.likePattern());
    if (throughIndex)
        statement->bind(QStringLiteral(":m"), search.matchExpression());
    m_fieldColumns.clear();
    for (const GridColumn &column : columns())
        for (int c = 0; c < statement->columnCount(); ++c)
            if (statement->columnName(c) == column.field)
                m_fieldColumns << c;
    m_statement = std::move(statement);
    read(firstScreen);
}

void PickList::read(int rows)
{
    QVector<QVector<QVariant>> batch;
    while (m_statement && batch.size() < rows) {
        if (!m_statement->step()) {
            m_statement.reset();
            break;
        }
        QVector<QVariant> row;
        row.reserve(m_fieldColumns.size());
        for (int c : std::as_const(m_fieldColumns))
            row << m_statement->column(c);
        batch << row;
    }
    if (batch.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + batch.size() - 1));
    m_rows += batch;
    endInsertRows();
}

QVariant PickList::codeAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).at(0) : QVariant();
}

int PickList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PickList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns().size());
}

QVariant PickList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return valueText(m_rows.at(index.row()).at(index.column()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns().at(index.column()).alignment);
    return {};
}

QVariant PickList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return columns().at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

bool PickList::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_statement != nullptr;
}

void PickList::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    try {
        read(laterBatch);
    } catch (const EngineError &e) {
        m_statement.reset();
        Q_EMIT readFailed(e.text());
    }
}
