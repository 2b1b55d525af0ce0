#include "wzdsp.h"

#include "windowfonts.h"

#include <QShowEvent>

Twzdform::Twzdform(QWidget *parent) : ModalWindow(parent)
{
    setObjectName(QStringLiteral("Twzdform"));
    setWindowTitle(QStringLiteral("未找到的商品"));
    resize(528, 560);
    setWindowFont(this, QStringLiteral("宋体"), 15);
}

void Twzdform::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous())
        move(485, 250);
}
