#include "about.h"

#include "windowfonts.h"

#include <QShowEvent>

TabForm::TabForm(QWidget *parent) : ModalWindow(parent)
{
    setObjectName(QStringLiteral("TabForm"));
    setWindowTitle(QStringLiteral("关于软件"));
    resize(463, 312);
    setWindowFont(this, QStringLiteral("宋体"), 15);
}

void TabForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous())
        centreOnDesktop();
}
