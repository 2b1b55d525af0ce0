#include "bqdy.h"
#include "ui_bqdy.h"

#include "connection.h"
#include "connectionstring.h"
#include "errorreport.h"
#include "fonts.h"
#include "query.h"
#include "querytablemodel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>

namespace {

QList<GridColumn> printListColumns()
{
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    return {
        {QStringLiteral("选择"), QStringLiteral("全选"), 40, centre},
        {QString(), QStringLiteral("行"), 44, left},
        {QStringLiteral("药品编号"), QStringLiteral("药品编号"), 90, left},
        {QStringLiteral("药品全名"), QStringLiteral("药品全名"), 163, left},
        {QStringLiteral("供应商"), QStringLiteral("供应商"), 63, left},
        {QStringLiteral("规格"), QStringLiteral("规格"), 112, left},
        {QStringLiteral("生产厂家"), QStringLiteral("生产厂家"), 94, left},
        {QStringLiteral("条形码"), QStringLiteral("条形码"), 123, left},
        {QStringLiteral("单位"), QStringLiteral("单位"), 50, centre},
        {QStringLiteral("售价"), QStringLiteral("售价"), 83, centre},
        {QStringLiteral("份数"), QStringLiteral("份数"), 56, centre},
    };
}

} // namespace

TbqForm::TbqForm(const QString &programDir, QWidget *parent)
    : ModalWindow(parent), m_ui(new Ui::TbqForm), m_programDir(programDir), m_cnn(std::make_unique<Connection>())
{
    m_ui->setupUi(this);
    setWindowTitle(applicationTitle() + QStringLiteral("  ") + supportContacts());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    setWindowFont(this, QStringLiteral("宋体"), 15);
    setWindowFont(m_ui->zjdy, QStringLiteral("宋体"), 13);

    m_bqqry = std::make_unique<Query>(*m_cnn);
    m_bqqry->setSql(QStringLiteral("select * from bqdy order by id desc"));
    m_wzdqry = std::make_unique<Query>(*m_cnn);
    m_wzdqry->setSql(QStringLiteral("select * from wzdsp order by id desc"));

    m_bqgridModel = new QueryTableModel(*m_bqqry, printListColumns(), this);
    m_ui->bqgrid->setModel(m_bqgridModel);
    m_bqgridModel->applyWidths(m_ui->bqgrid);
    m_ui->bqgrid->verticalHeader()->hide();
    m_ui->bqgrid->verticalHeader()->setDefaultSectionSize(18);

    buildPopupMenu();
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, &QWidget::close);

    guard([this] { openDatabase(); });
}

TbqForm::~TbqForm() = default;

void TbqForm::attach(QWidget *login, QDialog *notFound, QDialog *about, QDialog *accounts, QDialog *catalogue)
{
    m_login = login;
    m_notFound = notFound;
    m_about = about;
    m_accounts = accounts;
    m_catalogue = catalogue;
}

void TbqForm::openDatabase()
{
    m_cnn->close();
    m_cnn->setConnectionString(mainConnectionString(m_programDir));
    m_cnn->open();
}

void TbqForm::buildPopupMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    auto entry = [this](const char *name, const QString &caption, QDialog *const *window = nullptr) {
        QAction *action = m_popup->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (window)
            connect(action, &QAction::triggered, this, [this, window] { showOver(*window); });
        return action;
    };
    const QString divider = QStringLiteral("-------------");
    // Entries whose work is not built yet are shown disabled rather than doing nothing.
    entry("N1", QStringLiteral("删除当前行"))->setEnabled(false);
    entry("N2", QStringLiteral("删除所有"))->setEnabled(false);
    entry("N3", divider);
    entry("Excel1", QStringLiteral("从Excel导入"))->setEnabled(false);
    entry("Excel2", QStringLiteral("导出Excel"))->setEnabled(false);
    entry("N5", QStringLiteral("未找到的商品"), &m_notFound);
    entry("N6", divider);
    entry("N9", QStringLiteral("商品资料"), &m_catalogue);
    entry("N8", QStringLiteral("用户管理"), &m_accounts);
    entry("N10", divider);
    entry("N11", QStringLiteral("帮助"))->setEnabled(false);
    entry("N12", QStringLiteral("Tavrin医药进销存管理软件下载"))->setEnabled(false);
    entry("N13", QStringLiteral("Tavrin药店会员管理软件下载"))->setEnabled(false);
    entry("N7", QStringLiteral("关于软件"), &m_about);

    connect(m_ui->bqgrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_ui->bqgrid->viewport()->mapToGlobal(at)); });
}

void TbqForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous()) {
        m_ui->lcp->setFocus();
        guard([this] { formActivate(); });
    }
}

void TbqForm::showOver(QDialog *window)
{
    window->exec();
    guard([this] { formActivate(); });
}

// Each time the window becomes active, the first showing and every return from a window
// opened over it (a message box is not a window of the program): the print list and the
// not-found list are opened unless already open.
void TbqForm::formActivate()
{
    m_bqqry->open();
    m_wzdqry->open();
}

void TbqForm::closeEvent(QCloseEvent *event)
{
    ModalWindow::closeEvent(event);
    if (m_login)
        m_login->close();
}
