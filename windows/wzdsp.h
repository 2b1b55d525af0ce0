#pragma once

#include "modalwindow.h"

// The list of texts that were scanned or typed and matched no goods.
class Twzdform : public ModalWindow {
    Q_OBJECT
public:
    explicit Twzdform(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
