#include "windowfonts.h"

#include <QWidget>

QFont windowFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

void setWindowFont(QWidget *widget, const QString &family, int pixelSize)
{
    widget->setFont(windowFont(family, pixelSize));
}
