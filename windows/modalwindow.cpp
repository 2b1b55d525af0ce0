#include "modalwindow.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QScreen>

ModalWindow::ModalWindow(QWidget *parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModalWindow::centreOnDesktop()
{
    const QRect desktop = screen()->availableGeometry();
    move(desktop.center() - rect().center());
}

void ModalWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
