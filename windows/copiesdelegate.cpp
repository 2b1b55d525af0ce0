#include "copiesdelegate.h"

#include <QComboBox>

const QStringList &CopiesDelegate::choices()
{
    static const QStringList values{"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                    "20", "30", "40", "50", "60", "70", "80", "90", "100"};
    return values;
}

QWidget *CopiesDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("copiesEditor"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(choices());
    // A choice from the list is handed to the row at once, as a typed value is on leaving.
    connect(box, &QComboBox::activated, this, [this, box] { Q_EMIT const_cast<CopiesDelegate *>(this)->commitData(box); });
    return box;
}

void CopiesDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setEditText(index.data(Qt::EditRole).toString());
}

void CopiesDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}
