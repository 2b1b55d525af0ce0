#pragma once

#include "modalwindow.h"

#include <QScopedPointer>
#include <memory>

namespace Ui { class TbqForm; }
class Connection;
class Query;
class QMenu;
class QueryTableModel;

// The label-printing window: the scan and search boxes, the print list and its context
// menu. It owns the program's one database connection, opened when it is created.
class TbqForm : public ModalWindow {
    Q_OBJECT
public:
    // programDir: the folder of the program, with its trailing separator; trfp.mdb and
    // the templates are looked up there.
    explicit TbqForm(const QString &programDir, QWidget *parent = nullptr);
    ~TbqForm() override;

    // The windows reached from the context menu, and the login window whose closing ends
    // the program.
    void attach(QWidget *login, QDialog *notFound, QDialog *about, QDialog *accounts, QDialog *catalogue);

    Connection &cnn() const { return *m_cnn; }
    Query &bqqry() const { return *m_bqqry; }
    Query &wzdqry() const { return *m_wzdqry; }
    QMenu *popupMenu() const { return m_popup; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void openDatabase();
    void buildPopupMenu();
    void formActivate();
    void showOver(QDialog *window);   // modally, then the window is active again

    QScopedPointer<Ui::TbqForm> m_ui;
    QString m_programDir;
    std::unique_ptr<Connection> m_cnn;
    std::unique_ptr<Query> m_bqqry;
    std::unique_ptr<Query> m_wzdqry;
    QueryTableModel *m_bqgridModel = nullptr;
    QMenu *m_popup = nullptr;
    QWidget *m_login = nullptr;
    QDialog *m_notFound = nullptr;
    QDialog *m_about = nullptr;
    QDialog *m_accounts = nullptr;
    QDialog *m_catalogue = nullptr;
};
