#pragma once

#include "modalwindow.h"

#include <QScopedPointer>

namespace Ui { class TabForm; }

// The about box: the product, what it does, the maker's contacts and web address.
class TabForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TabForm(QWidget *parent = nullptr);
    ~TabForm() override;

    static QString webAddress();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QScopedPointer<Ui::TabForm> m_ui;
};
