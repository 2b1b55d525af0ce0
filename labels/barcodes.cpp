#include "barcodes.h"

#include <QPainter>
#include <QPainterPath>
#include <zint.h>

namespace {

int zintSymbology(ReportModel::Symbology symbology)
{
    switch (symbology) {
    case ReportModel::Symbology::Ean13:
    case ReportModel::Symbology::Ean8: return BARCODE_EANX_CHK;
    case ReportModel::Symbology::Code128: return BARCODE_CODE128;
    case ReportModel::Symbology::Code39: return BARCODE_CODE39;
    case ReportModel::Symbology::QrCode: return BARCODE_QRCODE;
    case ReportModel::Symbology::DataMatrix: return BARCODE_DATAMATRIX;
    }
    return BARCODE_CODE128;
}

// EAN-13 takes 12 digits (the check digit is added) or 13 (the check digit is checked);
// EAN-8 likewise 7 or 8.
QString checkEan(ReportModel::Symbology symbology, QString &data)
{
    const int length = symbology == ReportModel::Symbology::Ean13 ? 13 : 8;
    for (const QChar c : data)
        if (!c.isDigit() || c.unicode() > '9')
            return QStringLiteral("条码只能是数字");
    if (data.size() == length - 1) {
        int sum = 0;
        for (int i = 0; i < data.size(); ++i)
            sum += (data.at(data.size() - 1 - i).unicode() - '0') * (i % 2 ? 1 : 3);
        data += QString::number((10 - sum % 10) % 10);
    }
    if (data.size() != length)
        return QStringLiteral("%1 条码需要 %2 或 %3 位数字").arg(length == 13 ? QStringLiteral("EAN-13") : QStringLiteral("EAN-8")).arg(length - 1).arg(length);
    return {};
}

void drawErrorMark(QPainter &painter, const QRectF &box, const QString &error)
{
    painter.save();
    QPen pen(QColor(200, 0, 0));
    pen.setWidthF(qMax(box.height(), box.width()) / 60);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    QFont font = painter.font();
    font.setPixelSize(qMax(1, int(box.height() / 6)));
    painter.setFont(font);
    painter.fillRect(QRectF(box.left(), box.center().y() - box.height() / 8, box.width(), box.height() / 4), Qt::white);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, error);
    painter.restore();
}

} // namespace

QString drawBarcode(QPainter &painter, const QRectF &box, ReportModel::Symbology symbology, const QString &text,
                    bool humanReadable)
{
    QString data = text.trimmed();
    QString error;
    if (data.isEmpty())
        error = QStringLiteral("没有条码数据");
    else if (symbology == ReportModel::Symbology::Ean13 || symbology == ReportModel::Symbology::Ean8)
        error = checkEan(symbology, data);
    if (!error.isEmpty()) {
        drawErrorMark(painter, box, error);
        return error;
    }

    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = humanReadable ? 1 : 0;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const QByteArray bytes = data.toUtf8();
    const int rc = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
    if (rc >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol, 0) >= ZINT_ERROR || !symbol->vector) {
        error = QStringLiteral("条码数据无效：%1").arg(QString::fromUtf8(symbol->errtxt));
        ZBarcode_Delete(symbol);
        drawErrorMark(painter, box, error);
        return error;
    }

    const zint_vector *vector = symbol->vector;
    const bool square = symbology == ReportModel::Symbology::QrCode || symbology == ReportModel::Symbology::DataMatrix;
    double sx = box.width() / vector->width;
    double sy = box.height() / vector->height;
    if (square)
        sx = sy = qMin(sx, sy); // matrix codes keep their modules square
    const QPointF origin(box.left() + (box.width() - vector->width * sx) / 2, box.top() + (box.height() - vector->height * sy) / 2);

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const zint_vector_rect *r = vector->rectangles; r; r = r->next)
        painter.drawRect(QRectF(origin.x() + r->x * sx, origin.y() + r->y * sy, r->width * sx, r->height * sy));
    for (const zint_vector_hexagon *h = vector->hexagons; h; h = h->next) {
        QPainterPath path;
        path.addEllipse(QPointF(origin.x() + h->x * sx, origin.y() + h->y * sy), h->diameter * sx / 2, h->diameter * sy / 2);
        painter.drawPath(path);
    }
    painter.setPen(Qt::black);
    for (const zint_vector_string *s = vector->strings; s; s = s->next) {
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(qMax(1, int(s->fsize * sy)));
        font.setStretch(QFont::SemiCondensed);
        painter.setFont(font);
        const QString label = QString::fromUtf8(reinterpret_cast<const char *>(s->text), s->length);
        // libzint gives the text's anchor on its baseline: centred, or at its left or right end.
        const double width = QFontMetricsF(font).horizontalAdvance(label);
        const double x = origin.x() + s->x * sx;
        const double left = s->halign == 1 ? x : s->halign == 2 ? x - width : x - width / 2;
        painter.drawText(QPointF(left, origin.y() + s->y * sy), label);
    }
    painter.restore();
    ZBarcode_Delete(symbol);
    return {};
}
