#include "epass.h"
#include "ui_epass.h"

#include "errorreport.h"
#include "icons.h"
#include "fieldbinding.h"
#include "prompts.h"
#include "query.h"
#include "querytablemodel.h"
#include "windowfonts.h"

#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>

TepassForm::TepassForm(Connection &cnn, std::function<QString()> currentUser, QWidget *parent)
    : ModalWindow(parent), m_ui(new Ui::TepassForm), m_currentUser(std::move(currentUser)),
      m_userqry(std::make_unique<Query>(cnn, Query::UpdateMode::HoldUntilCommit))
{
    m_ui->setupUi(this);
    setFixedSize(size());
    setWindowFont(this, QStringLiteral("新宋体"), 15);
    setButtonIcon(m_ui->addbtn, "add");
    setButtonIcon(m_ui->BitBtn2, "edit");
    setButtonIcon(m_ui->BitBtn3, "save");
    setButtonIcon(m_ui->delbtn, "delete");
    setButtonIcon(m_ui->BitBtn5, "close");

    m_model = new QueryTableModel(*m_userqry,
                                  {{QStringLiteral("用户"), QStringLiteral("用户"), 120, Qt::AlignCenter},
                                   {QStringLiteral("职务"), QStringLiteral("职务"), 100, Qt::AlignCenter},
                                   {QStringLiteral("权限"), QStringLiteral("权限"), 100, Qt::AlignCenter}},
                                  this);
    QTableView *grid = m_ui->DBGridEh1;
    grid->setModel(m_model);
    m_model->applyWidths(grid);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    followCurrentRow(grid, *m_userqry); // the finished edit stays among the held changes
    // The grid follows the current row of the accounts, as the bound boxes do.
    connect(m_userqry.get(), &Query::currentRowChanged, this, [this, grid](int row) {
        if (row >= 0 && row < m_model->rowCount() && grid->currentIndex().row() != row)
            grid->setCurrentIndex(m_model->index(row, 0));
    });

    new FieldBinding(*m_userqry, QStringLiteral("用户"), m_ui->uedit);
    new FieldBinding(*m_userqry, QStringLiteral("密码"), m_ui->DBEdit2);
    new FieldBinding(*m_userqry, QStringLiteral("职务"), m_ui->zwedit);
    new FieldBinding(*m_userqry, QStringLiteral("权限"), m_ui->qxedit);

    connect(m_ui->addbtn, &QPushButton::clicked, this, [this] { guard([this] { addbtnClick(); }); });
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, [this] { guard([this] { BitBtn2Click(); }); });
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, [this] { guard([this] { BitBtn3Click(); }); });
    connect(m_ui->delbtn, &QPushButton::clicked, this, [this] { guard([this] { delbtnClick(); }); });
    connect(m_ui->BitBtn5, &QPushButton::clicked, this, &QWidget::close);
}

TepassForm::~TepassForm() = default;

void TepassForm::setAdministratorControlsVisible(bool visible)
{
    for (QWidget *control : {static_cast<QWidget *>(m_ui->zwedit), static_cast<QWidget *>(m_ui->qxedit),
                             static_cast<QWidget *>(m_ui->zwlab), static_cast<QWidget *>(m_ui->qxlab),
                             static_cast<QWidget *>(m_ui->addbtn), static_cast<QWidget *>(m_ui->delbtn)})
        control->setVisible(visible);
}

void TepassForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnDesktop();
    m_ui->DBGridEh1->setFocus();
    guard([this] { loadAccounts(); });
}

void TepassForm::openAccounts(bool every)
{
    m_userqry->close(); // drops changes held from an earlier opening
    m_userqry->clearSql();
    if (every) {
        m_userqry->addSql(QStringLiteral("select * from usertable order by 用户,权限"));
    } else {
        m_userqry->addSql(QStringLiteral("select * from usertable where 用户=:Uname order by 用户,权限"));
        m_userqry->setParameter(QStringLiteral("Uname"), m_currentUser());
    }
    m_userqry->open();
}

// The role is read anew at every opening: an administrator sees every account, anyone
// else the rows of the name typed at login.
void TepassForm::loadAccounts()
{
    openAccounts(false);
    const QVariant role = m_userqry->value(QStringLiteral("权限"));
    openAccounts(role.toString() == QStringLiteral("管理"));
    if (!m_userqry->isEmpty())
        m_ui->DBGridEh1->setCurrentIndex(m_model->index(0, 0));
}

void TepassForm::addbtnClick()
{
    m_userqry->append();
    m_ui->uedit->setFocus();
}

void TepassForm::BitBtn2Click()
{
    m_userqry->edit();
    m_ui->uedit->setFocus();
}

void TepassForm::BitBtn3Click()
{
    m_userqry->commit();
    Prompts::current().message(QStringLiteral("信息"), QStringLiteral("资料已保存!"), Prompts::Icon::None);
}

void TepassForm::delbtnClick()
{
    if (Prompts::current().question(QStringLiteral("信息"), QStringLiteral("您是否真的要删除这笔用户记录吗?")))
        m_userqry->deleteRow();
}
