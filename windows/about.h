#pragma once

#include "modalwindow.h"

// The about box.
class TabForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TabForm(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
