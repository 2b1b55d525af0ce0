#include "sp.h"

#include "windowfonts.h"

#include <QShowEvent>

TSpForm::TSpForm(QWidget *parent) : ModalWindow(parent)
{
    setObjectName(QStringLiteral("TSpForm"));
    setWindowTitle(QStringLiteral("商品资料"));
    resize(900, 560);
    setWindowFont(this, QStringLiteral("宋体"), 15);
}

void TSpForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous())
        centreOnDesktop();
}
