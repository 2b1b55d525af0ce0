#include "query.h"

#include "connection.h"
#include "engineerror.h"
#include "jetdialect.h"
#include "sqlite.h"
#include "valuetext.h"

#include <QRegularExpression>

namespace {

QString quotedName(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

const QRegularExpression &leadingSelect()
{
    static const QRegularExpression re(QStringLiteral("^\\s*select\\s+(?!distinct\\b)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

} // namespace

Query::Query(Connection &connection, UpdateMode mode, QObject *parent)
    : QObject(parent), m_connection(connection), m_mode(mode)
{
}

void Query::clearSql()
{
    m_lines.clear();
    m_parameters.clear();
}

void Query::addSql(const QString &line)
{
    m_lines << line;
}

void Query::setSql(const QString &line)
{
    clearSql();
    addSql(line);
}

void Query::setParameter(const QString &name, const QVariant &value)
{
    m_parameters.insert(name.toLower(), value);
}

QString Query::translatedSql() const
{
    return translateJetSql(sql());
}

void Query::bindParameters(SqliteStatement &statement) const
{
    for (int i = 1; i <= statement.parameterCount(); ++i) {
        const QString name = statement.parameterName(i).mid(1);
        const auto it = m_parameters.constFind(name);
        if (it == m_parameters.constEnd())
            throw EngineError(QStringLiteral("参数“%1”没有值").arg(name));
        statement.bind(i, *it);
    }
}

void Query::open()
{
    if (isOpen())
        return;
    SqliteDatabase &db = m_connection.database();
    const QString translated = translatedSql();

    // A snapshot over the columns of one table can write its rows back by rowid.
    QString table;
    QStringList columns;
    {
        SqliteStatement probe(db, translated);
        if (probe.columnCount() == 0)
            throw EngineError(QStringLiteral("语句不返回记录，不能打开"));
        for (int c = 0; c < probe.columnCount(); ++c) {
            columns << probe.columnName(c);
            const QString from = probe.columnTable(c);
            if (c == 0)
                table = from;
            else if (from != table)
                table.clear();
        }
        if (!table.isEmpty() && !leadingSelect().match(translated).hasMatch())
            table.clear();
    }

    const QString run = table.isEmpty()
        ? translated
        : QString(translated).replace(leadingSelect(),
                                      QStringLiteral("SELECT %1.rowid AS \"@rowid\", ").arg(quotedName(table)));
    SqliteStatement statement(db, run);
    bindParameters(statement);
    const int offset = table.isEmpty() ? 0 : 1;
    QVector<Row> rows;
    while (statement.step()) {
        Row row;
        row.rowid = offset ? statement.column(0).toLongLong() : 0;
        row.values.reserve(columns.size());
        for (int c = 0; c < columns.size(); ++c)
            row.values << statement.column(c + offset);
        rows << row;
    }

    m_table = table;
    m_columns = columns;
    m_rows = std::move(rows);
    m_deleted.clear();
    m_state = State::Browse;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    Q_EMIT reset();
}

void Query::close()
{
    if (!isOpen())
        return;
    m_state = State::Closed;
    m_table.clear();
    m_columns.clear();
    m_rows.clear();
    m_deleted.clear();
    m_current = -1;
    m_eof = true;
    Q_EMIT reset();
}

void Query::execSql()
{
    SqliteDatabase &db = m_connection.database();
    SqliteStatement statement(db, translatedSql());
    bindParameters(statement);
    while (statement.step()) {
    }
}

void Query::requireOpen() const
{
    if (!isOpen())
        throw EngineError(QStringLiteral("数据集没有打开，不能执行此操作"));
}

void Query::requireTable() const
{
    requireOpen();
    if (m_table.isEmpty())
        throw EngineError(QStringLiteral("数据集是只读的，不能修改"));
}

int Query::columnIndex(const QString &name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int Query::requireColumn(const QString &name) const
{
    requireOpen();
    const int c = columnIndex(name);
    if (c < 0)
        throw EngineError(QStringLiteral("找不到字段“%1”").arg(name));
    return c;
}

void Query::first()
{
    requireOpen();
    setCurrentRow(0);
    m_eof = m_rows.isEmpty();
}

void Query::next()
{
    requireOpen();
    if (m_current + 1 < m_rows.size())
        setCurrentRow(m_current + 1);
    else
        m_eof = true;
}

void Query::setCurrentRow(int row)
{
    requireOpen();
    if (m_rows.isEmpty())
        return;
    row = qBound(0, row, int(m_rows.size()) - 1);
    if (row != m_current)
        post();
    // Posting may drop an untouched new row and so move the rows.
    setCurrent(qBound(0, row, int(m_rows.size()) - 1));
    m_eof = m_rows.isEmpty();
}

void Query::setCurrent(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

QVariant Query::value(const QString &name) const
{
    const int c = requireColumn(name);
    return m_current < 0 ? QVariant() : m_rows.at(m_current).values.at(c);
}

QString Query::text(const QString &name) const
{
    return valueText(value(name));
}

bool Query::boolean(const QString &name) const
{
    return valueBool(value(name));
}

QVariant Query::valueAt(int row, int column) const
{
    return m_rows.at(row).values.at(column);
}

void Query::append()
{
    requireTable();
    post();
    Row row;
    row.values.resize(m_columns.size());
    row.status = RowStatus::Inserted;
    m_rows << row;
    m_state = State::Insert;
    m_touched = false;
    m_eof = false;
    // Listeners hear of the new row only once it is the current one: one that moves to a
    // row must find the query in a state where posting drops this row and nothing else.
    m_current = int(m_rows.size()) - 1;
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_current);
}

void Query::edit()
{
    requireTable();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_rows.isEmpty()) {
        append();
        return;
    }
    m_saved = m_rows.at(m_current);
    m_touched = false;
    m_state = State::Edit;
}

void Query::setValue(const QString &name, const QVariant &value)
{
    const int c = requireColumn(name);
    if (m_state != State::Edit && m_state != State::Insert)
        throw EngineError(QStringLiteral("数据集不在编辑或插入状态"));
    Row &row = m_rows[m_current];
    row.values[c] = value;
    row.modified.insert(c);
    m_touched = true;
    Q_EMIT rowChanged(m_current);
}

void Query::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    if (!m_touched) {
        cancel(); // nothing typed: a new row is dropped, an edit ends
        return;
    }
    Row &row = m_rows[m_current];
    if (m_state == State::Edit && row.status == RowStatus::Stored)
        row.status = RowStatus::Modified;
    if (m_mode == UpdateMode::WriteOnPost)
        writeRow(row); // on failure the row stays in edit with what was typed
    m_state = State::Browse;
    Q_EMIT rowChanged(m_current);
}

void Query::cancel()
{
    if (m_state == State::Insert) {
        m_rows.removeAt(m_current);
        m_state = State::Browse;
        m_current = m_rows.isEmpty() ? -1 : qMin(m_current, int(m_rows.size()) - 1);
        m_eof = m_rows.isEmpty();
        Q_EMIT reset();
        Q_EMIT currentRowChanged(m_current);
    } else if (m_state == State::Edit) {
        m_rows[m_current] = m_saved;
        m_state = State::Browse;
        Q_EMIT rowChanged(m_current);
    }
}

void Query::deleteRow()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_rows.isEmpty())
        throw EngineError(QStringLiteral("数据集为空，不能执行此操作"));
    requireTable();
    const Row &row = m_rows.at(m_current);
    if (row.status != RowStatus::Inserted) {
        if (m_mode == UpdateMode::WriteOnPost) {
            SqliteStatement statement(m_connection.database(),
                                      QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedName(m_table)));
            statement.bind(1, row.rowid);
            statement.step();
        } else {
            m_deleted << row.rowid;
        }
    }
    m_rows.removeAt(m_current);
    m_current = m_rows.isEmpty() ? -1 : qMin(m_current, int(m_rows.size()) - 1);
    m_eof = m_rows.isEmpty();
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_current);
}

void Query::writeRow(Row &row)
{
    SqliteDatabase &db = m_connection.database();
    QList<int> columns = row.modified.values();
    std::sort(columns.begin(), columns.end());
    if (row.status == RowStatus::Inserted) {
        QStringList names, marks;
        for (int c : columns) {
            names << quotedName(m_columns.at(c));
            marks << QStringLiteral("?");
        }
        const QString sql = columns.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedName(m_table))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quotedName(m_table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        SqliteStatement statement(db, sql);
        for (int i = 0; i < columns.size(); ++i)
            statement.bind(i + 1, row.values.at(columns.at(i)));
        statement.step();
        row.rowid = db.lastInsertRowid();
    } else if (!columns.isEmpty()) {
        QStringList sets;
        for (int c : columns)
            sets << quotedName(m_columns.at(c)) + QStringLiteral(" = ?");
        SqliteStatement statement(db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                          .arg(quotedName(m_table), sets.join(QLatin1Char(','))));
        int i = 1;
        for (int c : columns)
            statement.bind(i++, row.values.at(c));
        statement.bind(i, row.rowid);
        statement.step();
        if (db.changes() == 0)
            throw EngineError(QStringLiteral("找不到要更新的记录，它可能已被其他程序删除"));
    }
    rereadRow(row);
    row.status = RowStatus::Stored;
    row.modified.clear();
}

// Reads back what the file now holds: the engine's own values (id, defaults, a "20"
// typed as text and stored as the number 20).
void Query::rereadRow(Row &row)
{
    QStringList names;
    for (const QString &column : m_columns)
        names << quotedName(column);
    SqliteStatement statement(m_connection.database(), QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                                           .arg(names.join(QLatin1Char(',')), quotedName(m_table)));
    statement.bind(1, row.rowid);
    if (statement.step())
        for (int c = 0; c < m_columns.size(); ++c)
            row.values[c] = statement.column(c);
}

void Query::commit()
{
    requireOpen();
    post();
    if (m_mode == UpdateMode::WriteOnPost || !hasHeldChanges())
        return;
    SqliteDatabase &db = m_connection.database();
    // Everything is written in one transaction; if any part fails, nothing is written
    // and every change stays held.
    SqliteTransaction transaction(db);
    for (qint64 rowid : std::as_const(m_deleted)) {
        SqliteStatement statement(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedName(m_table)));
        statement.bind(1, rowid);
        statement.step();
    }
    QVector<QPair<int, Row>> written;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).status == RowStatus::Stored)
            continue;
        Row row = m_rows.at(i);
        writeRow(row);
        written << qMakePair(i, row);
    }
    transaction.commit();
    for (const auto &[i, row] : std::as_const(written))
        m_rows[i] = row;
    m_deleted.clear();
    for (const auto &entry : std::as_const(written))
        Q_EMIT rowChanged(entry.first);
}

bool Query::hasHeldChanges() const
{
    if (!m_deleted.isEmpty())
        return true;
    for (const Row &row : m_rows)
        if (row.status != RowStatus::Stored)
            return true;
    return false;
}
