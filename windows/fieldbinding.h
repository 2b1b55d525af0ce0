#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;
class Query;

// Binds an edit box or an editable drop-down to a field of a query's current row, as a
// data-aware control: it shows the row's value, and typing into it starts an edit of the
// row and puts the text there (an emptied box stores Null).
class FieldBinding : public QObject {
    Q_OBJECT
public:
    FieldBinding(Query &query, const QString &field, QLineEdit *edit);
    FieldBinding(Query &query, const QString &field, QComboBox *box);

private:
    void connectQuery();
    void show();
    void typed(const QString &text);

    Query &m_query;
    QString m_field;
    QLineEdit *m_edit = nullptr;
    QComboBox *m_box = nullptr;
    bool m_showing = false;
};
