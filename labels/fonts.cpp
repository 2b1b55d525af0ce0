#include "fonts.h"

#include <QFont>
#include <QStringList>

void registerFontSubstitutes()
{
    // AR PL UMing (a Ming face, as 宋体 is) and WenQuanYi Zen Hei come first: their
    // characters keep their text in PDF files, so codes and prices stay searchable.
    const QStringList ming{QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    const QStringList hei{QStringLiteral("SimHei"), QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), ming);
    QFont::insertSubstitutions(QStringLiteral("新宋体"), QStringList{QStringLiteral("NSimSun")} + ming);
    QFont::insertSubstitutions(QStringLiteral("黑体"), hei);
    QFont::insertSubstitutions(QStringLiteral("华文细黑"), QStringList{QStringLiteral("STXihei")} + hei);
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
