#include "fonts.h"

#include <QFont>
#include <QStringList>

void registerFontSubstitutes()
{
    const QStringList serif{QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
    const QStringList sans{QStringLiteral("STXihei"), QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
    QFont::insertSubstitutions(QStringLiteral("新宋体"), {QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("华文细黑"), sans);
    QFont::insertSubstitutions(QStringLiteral("黑体"), {QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC")});
}
