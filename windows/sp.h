#pragma once

#include "modalwindow.h"

// The goods catalogue.
class TSpForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TSpForm(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
