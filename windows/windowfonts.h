#pragma once

#include <QFont>
#include <QString>

class QWidget;

// A window font by family and height in pixels, as the windows are laid out.
QFont windowFont(const QString &family, int pixelSize);
void setWindowFont(QWidget *widget, const QString &family, int pixelSize);
