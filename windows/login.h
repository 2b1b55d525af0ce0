#pragma once

#include "modalwindow.h"

#include <QScopedPointer>
#include <memory>

namespace Ui { class TloginForm; }
class Query;
class TbqForm;
class TepassForm;

// The login window: the program's lead window. A successful login sets the rights of the
// accounts window and shows the main window over it; the name left in the user box is the
// current user for the rest of the run.
class TloginForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TloginForm(QWidget *parent = nullptr);
    ~TloginForm() override;

    // The windows created after this one: the main window (and its connection) and the
    // accounts window whose rights the login sets.
    void attach(TbqForm *main, TepassForm *accounts);
    QString currentUser() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillUserList();
    void dlbtnClick();
    void warn(const QString &text, QWidget *focus);

    QScopedPointer<Ui::TloginForm> m_ui;
    TbqForm *m_main = nullptr;
    TepassForm *m_accounts = nullptr;
    std::unique_ptr<Query> m_userqry;
    std::unique_ptr<Query> m_q2;
};
