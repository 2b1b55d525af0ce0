#include "icons.h"

#include <QAbstractButton>
#include <QFile>

QIcon programIcon(const char *name)
{
    return QIcon(QStringLiteral(":/images/icons/%1.svg").arg(QString::fromLatin1(name)));
}

void setButtonIcon(QAbstractButton *button, const char *name)
{
    button->setIcon(programIcon(name));
    button->setIconSize(QSize(16, 16));
}

QString programStyleSheet()
{
    QFile file(QStringLiteral(":/style.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
