#include "gridfooter.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

GridFooter::GridFooter(QTableView *grid, Texts texts, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_texts(std::move(texts))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QHeaderView *header = grid->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize GridFooter::sizeHint() const
{
    return {100, fontMetrics().height() + 6};
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    const QHeaderView *header = m_grid->horizontalHeader();
    const int origin = mapFromGlobal(m_grid->viewport()->mapToGlobal(QPoint(0, 0))).x();
    painter.setPen(palette().mid().color());
    for (int c = 0; c < header->count(); ++c) {
        const QRect cell(origin + header->sectionViewportPosition(c), 0, header->sectionSize(c), height());
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.save();
        painter.setPen(palette().buttonText().color());
        painter.drawText(cell, Qt::AlignCenter, m_texts(c));
        painter.restore();
    }
}
