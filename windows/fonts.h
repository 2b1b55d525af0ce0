#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The windows ask for the fonts of a Chinese desktop (宋体, 华文细黑, 新宋体); where those
// are not installed the nearest Noto CJK face stands in.
void registerFontSubstitutes();

QFont windowFont(const QString &family, int pixelSize);
void setWindowFont(QWidget *widget, const QString &family, int pixelSize);
