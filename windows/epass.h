#pragma once

#include "modalwindow.h"

#include <QScopedPointer>

namespace Ui { class TepassForm; }

// The accounts window: user names, passwords, job titles and roles. What an operator
// sees of it depends on the role found at login.
class TepassForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TepassForm(QWidget *parent = nullptr);
    ~TepassForm() override;

    // The job-title and role boxes with their labels and the add and delete buttons are
    // for administrators only; set once, by the login.
    void setAdministratorControlsVisible(bool visible);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QScopedPointer<Ui::TepassForm> m_ui;
};
