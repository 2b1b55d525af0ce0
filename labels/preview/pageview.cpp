#include "pageview.h"

#include "pagerenderer.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
const int gap = 12;
}

PageView::PageView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

void PageView::setReport(const PreparedReport *prepared)
{
    m_prepared = prepared;
    adjustSize();
    update();
}

void PageView::setZoom(double zoom)
{
    m_zoom = qBound(0.1, zoom, 8.0);
    adjustSize();
    update();
}

double PageView::pixelsPerMm() const
{
    return logicalDpiX() / 25.4 * m_zoom;
}

int PageView::pageTop(int page) const
{
    int top = gap;
    for (int i = 0; i < page && m_prepared; ++i)
        top += qRound(m_prepared->pageTemplate(i).height * pixelsPerMm()) + gap;
    return top;
}

int PageView::pageAt(int y) const
{
    if (!m_prepared)
        return 0;
    for (int i = 0; i < m_prepared->pages.size(); ++i)
        if (y < pageTop(i + 1))
            return i;
    return qMax(0, int(m_prepared->pages.size()) - 1);
}

QSize PageView::sizeHint() const
{
    if (!m_prepared || m_prepared->pages.isEmpty())
        return {400, 300};
    double width = 0;
    for (int i = 0; i < m_prepared->pages.size(); ++i)
        width = qMax(width, m_prepared->pageTemplate(i).width);
    return {qRound(width * pixelsPerMm()) + 2 * gap, pageTop(int(m_prepared->pages.size()))};
}

void PageView::paintEvent(QPaintEvent *event)
{
    if (!m_prepared)
        return;
    QPainter painter(this);
    for (int i = 0; i < m_prepared->pages.size(); ++i) {
        const auto &page = m_prepared->pageTemplate(i);
        const QRect sheet((width() - qRound(page.width * pixelsPerMm())) / 2, pageTop(i), qRound(page.width * pixelsPerMm()),
                          qRound(page.height * pixelsPerMm()));
        if (!event->rect().intersects(sheet))
            continue; // only the pages in sight are drawn
        painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 60));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.translate(sheet.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), sheet.size()));
        renderPage(painter, *m_prepared, i, pixelsPerMm());
        painter.restore();
    }
}
