#pragma once

#include "modalwindow.h"

#include <QScopedPointer>
#include <functional>
#include <memory>

namespace Ui { class TepassForm; }
class Connection;
class Query;
class QueryTableModel;

// The accounts window: user names, passwords, job titles and roles. An administrator sees
// and edits every account; any other user only their own. Changes are held until "保存".
class TepassForm : public ModalWindow {
    Q_OBJECT
public:
    // `currentUser`: the name left in the login window's user box.
    TepassForm(Connection &cnn, std::function<QString()> currentUser, QWidget *parent = nullptr);
    ~TepassForm() override;

    // The job-title and role boxes with their labels and the add and delete buttons are
    // for administrators only; set once, by the login.
    void setAdministratorControlsVisible(bool visible);
    Query &userqry() const { return *m_userqry; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadAccounts();
    void openAccounts(bool every);
    void addbtnClick();
    void BitBtn2Click();   // 修改
    void BitBtn3Click();   // 保存
    void delbtnClick();

    QScopedPointer<Ui::TepassForm> m_ui;
    std::function<QString()> m_currentUser;
    std::unique_ptr<Query> m_userqry;
    QueryTableModel *m_model = nullptr;
};
