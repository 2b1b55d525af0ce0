#pragma once

#include <QString>
#include <QVariant>

// The plain value-to-text conversion: Null gives empty text, numbers show without a
// fixed number of decimals (12.5, 12, 6901234567890).
QString valueText(const QVariant &value);
bool valueBool(const QVariant &value);
