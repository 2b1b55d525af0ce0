#include "fieldbinding.h"

#include "errorreport.h"
#include "query.h"

#include <QComboBox>
#include <QLineEdit>

FieldBinding::FieldBinding(Query &query, const QString &field, QLineEdit *edit)
    : QObject(edit), m_query(query), m_field(field), m_edit(edit)
{
    connect(edit, &QLineEdit::textEdited, this, &FieldBinding::typed);
    connectQuery();
}

FieldBinding::FieldBinding(Query &query, const QString &field, QComboBox *box)
    : QObject(box), m_query(query), m_field(field), m_box(box)
{
    connect(box, &QComboBox::currentTextChanged, this, &FieldBinding::typed);
    connectQuery();
}

void FieldBinding::connectQuery()
{
    connect(&m_query, &Query::reset, this, &FieldBinding::show);
    connect(&m_query, &Query::currentRowChanged, this, &FieldBinding::show);
    connect(&m_query, &Query::rowChanged, this, [this](int row) {
        if (row == m_query.currentRow())
            show();
    });
}

void FieldBinding::show()
{
    m_showing = true;
    const QString text = m_query.isOpen() && m_query.currentRow() >= 0 ? m_query.text(m_field) : QString();
    if (m_edit && m_edit->text() != text)
        m_edit->setText(text);
    if (m_box && m_box->currentText() != text)
        m_box->setEditText(text);
    m_showing = false;
}

void FieldBinding::typed(const QString &text)
{
    if (m_showing)
        return;
    guard([&] {
        m_query.edit();
        m_query.setValue(m_field, text.isEmpty() ? QVariant() : QVariant(text));
    });
}
