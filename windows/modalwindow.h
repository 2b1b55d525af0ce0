#pragma once

#include <QDialog>

// The base of every window: created once, shown modally over the window that opens it.
// Escape does not close it, and Enter presses only a button that holds the focus.
class ModalWindow : public QDialog {
    Q_OBJECT
public:
    explicit ModalWindow(QWidget *parent = nullptr);

    void centreOnDesktop();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
