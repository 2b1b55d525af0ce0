#pragma once

#include "modalwindow.h"
#include "printlist.h"

#include <QScopedPointer>
#include <memory>

namespace Ui { class TbqForm; }
class Connection;
class GridFooter;
class LabelPrintJob;
class ProgramReportHost;
class ReportObject;
class PickList;
class PrintListModel;
class Query;
class QMenu;

// The label-printing window: the scan and search boxes, the print list and its context
// menu. It owns the program's one database connection, opened when it is created.
class TbqForm : public ModalWindow, private PrintListWindow {
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
    PrintList &printList() const { return *m_printList; }
    QMenu *popupMenu() const { return m_popup; }
    QMenu *templateMenu() const { return m_dypop; }
    ReportObject *bqprn() const { return m_bqprn.get(); }
    Query &dyqry() const { return *m_dyqry; }
    GridFooter *footer() const { return m_footer; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openDatabase();
    void setUpGrid();
    void setUpPickList();
    void buildPopupMenu();
    void buildTemplateMenu();
    void commitGridEditor();
    void formActivate();
    void showOver(QDialog *window);   // modally, then the window is active again

    void lcpEnter();
    void smEnter();
    void SearchGoods();
    void pickCurrent();
    void bqgridTitleBtnClick();
    void bqgridCellChanged(const QModelIndex &current, const QModelIndex &previous);
    void followReload();

    // What the print-list operations reach of this window.
    QString scanBoxText() const override;
    void clearScanBox() override;
    void focusScanBox() override;
    QString queryBoxText() const override;
    void clearQueryBox() override;
    void focusQueryBox() override;
    void hidePickList() override;
    void setDetailBox(DetailBox box, const QString &text) override;
    bool confirm(const QString &question) override;

    QScopedPointer<Ui::TbqForm> m_ui;
    QString m_programDir;
    std::unique_ptr<Connection> m_cnn;
    std::unique_ptr<Query> m_bqqry;
    std::unique_ptr<Query> m_wzdqry;
    std::unique_ptr<PrintList> m_printList;
    std::unique_ptr<Query> m_dyqry;
    std::unique_ptr<ProgramReportHost> m_reportHost;
    std::unique_ptr<ReportObject> m_bqprn;
    std::unique_ptr<LabelPrintJob> m_labelJob;
    QMenu *m_dypop = nullptr;
    PrintListModel *m_bqgridModel = nullptr;
    PickList *m_pickList = nullptr;
    GridFooter *m_footer = nullptr;
    QMenu *m_popup = nullptr;
    QWidget *m_login = nullptr;
    QDialog *m_notFound = nullptr;
    QDialog *m_about = nullptr;
    QDialog *m_accounts = nullptr;
    QDialog *m_catalogue = nullptr;
};
