#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Connection;

// A named query over the connection: a statement made of lines with named parameters.
// Opening a row-returning statement gives a snapshot positioned on its first row; it does
// not see later changes until it is closed and opened again. Rows of a snapshot over one
// table can be appended, edited and deleted; the update mode decides whether a change
// reaches the file when the row is posted or only at commit.
class Query : public QObject {
    Q_OBJECT
public:
    enum class UpdateMode { WriteOnPost, HoldUntilCommit };
    enum class State { Closed, Browse, Edit, Insert };

    explicit Query(Connection &connection, UpdateMode mode = UpdateMode::WriteOnPost,
                   QObject *parent = nullptr);

    // The statement.
    void clearSql();                       // also forgets the parameter values
    void addSql(const QString &line);
    void setSql(const QString &line);      // clear, then one line
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }
    void setParameter(const QString &name, const QVariant &value);  // name without ':', any case

    // Running.
    void open();                           // does nothing when already open
    void close();                          // drops held changes without a word
    void execSql();                        // a statement that returns no rows
    bool isOpen() const { return m_state != State::Closed; }
    State state() const { return m_state; }

    // The snapshot.
    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool eof() const { return m_eof; }
    void first();
    void next();
    int currentRow() const { return m_current; }   // -1 on an empty snapshot
    void setCurrentRow(int row);                    // posts a pending change first
    int columnCount() const { return int(m_columns.size()); }
    QString columnName(int column) const { return m_columns.at(column); }
    int columnIndex(const QString &name) const;     // -1 when there is no such column
    QVariant value(const QString &name) const;      // of the current row
    QString text(const QString &name) const;
    bool boolean(const QString &name) const;
    QVariant valueAt(int row, int column) const;

    // Changes through the snapshot.
    void append();
    void edit();                           // on an empty snapshot this appends, as grids expect
    void setValue(const QString &name, const QVariant &value);
    void post();                           // a row without changes is dropped, not stored
    void cancel();
    void deleteRow();
    void commit();                         // posts, then writes every held change together
    bool hasHeldChanges() const;

Q_SIGNALS:
    void reset();                          // opened, closed or rows added or removed
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    enum class RowStatus { Stored, Inserted, Modified };
    struct Row {
        qint64 rowid = 0;
        QVector<QVariant> values;
        RowStatus status = RowStatus::Stored;
        QSet<int> modified;                // columns changed and not yet written
    };

    void requireOpen() const;
    void requireTable() const;
    int requireColumn(const QString &name) const;
    QString translatedSql() const;
    void bindParameters(class SqliteStatement &statement) const;
    void writeRow(Row &row);               // inserts or updates one row in the file
    void rereadRow(Row &row);
    void setCurrent(int row);

    Connection &m_connection;
    UpdateMode m_mode;
    QStringList m_lines;
    QHash<QString, QVariant> m_parameters;

    State m_state = State::Closed;
    QString m_table;                       // the one table the snapshot comes from, or empty
    QStringList m_columns;
    QVector<Row> m_rows;
    QVector<qint64> m_deleted;             // held deletions
    int m_current = -1;
    bool m_eof = true;
    Row m_saved;                           // the row as it was before the edit began
    bool m_touched = false;                // a value was set since append() or edit()
};
