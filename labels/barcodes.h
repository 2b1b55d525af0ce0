#pragma once

#include "reportmodel.h"

#include <QRectF>
#include <QString>

class QPainter;

// Draws a barcode from libzint's vector output, scaled into `box` (painter units), so it
// stays crisp at any resolution. Data the symbology cannot take draws a visible error mark
// instead of a wrong barcode. Returns the error text, empty when the barcode was drawn.
QString drawBarcode(QPainter &painter, const QRectF &box, ReportModel::Symbology symbology, const QString &data,
                    bool humanReadable);
