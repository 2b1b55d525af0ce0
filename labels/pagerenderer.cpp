#include "pagerenderer.h"

#include "barcodes.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QRawFont>
#include <QPainter>
#include <QTextDocument>

using namespace ReportModel;

namespace {

// Drawing happens in hundredths of a millimetre: fine enough for font sizes in whole
// units, and every output only differs in the scale it sets.
const double unitsPerMm = 100;

QRectF units(const QRectF &mm)
{
    return {mm.x() * unitsPerMm, mm.y() * unitsPerMm, mm.width() * unitsPerMm, mm.height() * unitsPerMm};
}

QFont fontFor(const Text &text, double pointSize)
{
    QFont font(text.fontFamily);
    font.setPixelSize(qMax(1, qRound(pointSize * 25.4 / 72 * unitsPerMm)));
    font.setBold(text.bold);
    font.setItalic(text.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int textFlags(const Text &text)
{
    int flags = text.wordWrap ? Qt::TextWordWrap : 0;
    flags |= text.hAlign == HAlign::Left ? Qt::AlignLeft : text.hAlign == HAlign::Centre ? Qt::AlignHCenter : Qt::AlignRight;
    flags |= text.vAlign == VAlign::Top ? Qt::AlignTop : text.vAlign == VAlign::Centre ? Qt::AlignVCenter : Qt::AlignBottom;
    return flags;
}

void drawText(QPainter &painter, const QRectF &box, const Text &text, const QString &shown)
{
    const QRectF inner = box.adjusted(0.5 * unitsPerMm, 0, -0.5 * unitsPerMm, 0);
    double size = text.fontSize;
    QFont font = fontFor(text, size);
    if (text.autoShrink) {
        // Long names shrink until they fit the box, down to a size still readable.
        while (size > 4) {
            const QRectF needed = QFontMetricsF(font).boundingRect(inner, textFlags(text), shown);
            if (needed.width() <= inner.width() + 1 && needed.height() <= inner.height() + 1)
                break;
            size -= 0.5;
            font = fontFor(text, size);
        }
    }
    painter.setFont(font);
    painter.setPen(text.color);
    painter.drawText(inner, textFlags(text), shown);
    // A face without a bold of its own is printed twice more, a hair to the right: the
    // old way of bold type. PDF readers take overprinted text for one, so it stays searchable.
    if (text.bold && !QRawFont::fromFont(font).styleName().contains(QLatin1String("Bold"), Qt::CaseInsensitive)) {
        const double step = font.pixelSize() * 0.022;
        painter.drawText(inner.translated(step, 0), textFlags(text), shown);
        painter.drawText(inner.translated(2 * step, 0), textFlags(text), shown);
    }
}

void drawObject(QPainter &painter, const PreparedReport &prepared, int pageIndex, int row, const Object &object, QPointF bandOrigin)
{
    const QRectF box = units(object.box.translated(bandOrigin));
    painter.save();
    if (object.fill.isValid())
        painter.fillRect(box, object.fill);
    if (const auto *text = std::get_if<Text>(&object.content)) {
        drawText(painter, box, *text, expandFields(text->text, prepared, pageIndex, row, text->format));
    } else if (const auto *barcode = std::get_if<Barcode>(&object.content)) {
        drawBarcode(painter, box, barcode->symbology, expandFields(barcode->data, prepared, pageIndex, row), barcode->humanReadable);
    } else if (const auto *line = std::get_if<Line>(&object.content)) {
        QPen pen(line->color);
        pen.setWidthF(line->width * unitsPerMm);
        painter.setPen(pen);
        painter.drawLine(box.topLeft(), box.bottomRight());
    } else if (const auto *rect = std::get_if<ReportModel::Rectangle>(&object.content)) {
        if (rect->fill.isValid())
            painter.fillRect(box, rect->fill);
    } else if (const auto *picture = std::get_if<Picture>(&object.content)) {
        const QImage image = QImage::fromData(picture->image);
        if (!image.isNull())
            painter.drawImage(box, image); // scaled into its box, so nothing spills over
    } else if (const auto *rich = std::get_if<RichText>(&object.content)) {
        QTextDocument document;
        QFont base(QStringLiteral("宋体"));
        base.setPixelSize(qRound(10 * 25.4 / 72 * unitsPerMm));
        document.setDefaultFont(base);
        document.setDocumentMargin(0);
        document.setHtml(expandFields(rich->html, prepared, pageIndex, row));
        document.setTextWidth(box.width());
        painter.translate(box.topLeft());
        painter.setClipRect(QRectF(0, 0, box.width(), box.height())); // a long text stops at its box
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, 0, box.width(), box.height());
        document.documentLayout()->draw(&painter, context);
    }
    painter.restore();
    if (object.frame.visible) {
        painter.save();
        QPen pen(object.frame.color);
        pen.setWidthF(object.frame.width * unitsPerMm);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.restore();
    }
}

} // namespace

void renderPage(QPainter &painter, const PreparedReport &prepared, int pageIndex, double pixelsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixelsPerMm / unitsPerMm, pixelsPerMm / unitsPerMm);
    const PreparedReport::PreparedPage &page = prepared.pages.at(pageIndex);
    const Page &layout = prepared.report.pages.at(page.templatePage);
    for (const PreparedReport::PlacedBand &placed : page.bands) {
        const Band &band = layout.bands.at(placed.band);
        for (const Object &object : band.objects)
            drawObject(painter, prepared, pageIndex, placed.row, object, QPointF(layout.leftMargin, placed.top));
    }
    painter.restore();
}
