#include "wzdsp.h"
#include "ui_wzdsp.h"

#include "errorreport.h"
#include "icons.h"
#include "prompts.h"
#include "query.h"
#include "querytablemodel.h"
#include "windowfonts.h"

#include <QHeaderView>
#include <QShowEvent>

Twzdform::Twzdform(Connection &cnn, QWidget *parent)
    : ModalWindow(parent), m_ui(new Ui::Twzdform), m_wzdqry(std::make_unique<Query>(cnn)), m_sqry(std::make_unique<Query>(cnn))
{
    m_ui->setupUi(this);
    setWindowFont(this, QStringLiteral("宋体"), 15);
    setButtonIcon(m_ui->BitBtn2, "delete");
    setButtonIcon(m_ui->BitBtn3, "delete");
    setButtonIcon(m_ui->BitBtn1, "close");
    m_model = new QueryTableModel(*m_wzdqry,
                                  {{QStringLiteral("ID"), QStringLiteral("行"), 57, Qt::AlignCenter},
                                   {QStringLiteral("条码"), QStringLiteral("未找到商品"), 275, Qt::AlignLeft | Qt::AlignVCenter, true}},
                                  this);
    QTableView *grid = m_ui->DBGridEh1;
    grid->setModel(m_model);
    m_model->applyWidths(grid);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    followCurrentRow(grid, *m_wzdqry); // moving to another row stores the correction made
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, [this] { guard([this] { BitBtn2Click(); }); });
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, [this] { guard([this] { BitBtn3Click(); }); });
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

Twzdform::~Twzdform() = default;

void Twzdform::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (event->spontaneous())
        return;
    move(485, 250);
    m_ui->DBGridEh1->setFocus();
    guard([this] { FormShow(); });
}

// Every showing reads the table anew: a correction left unsaved at the last close is gone.
void Twzdform::FormShow()
{
    m_wzdqry->close();
    m_wzdqry->setSql(QStringLiteral("select * from wzdsp order by id desc"));
    m_wzdqry->open();
    if (!m_wzdqry->isEmpty())
        m_ui->DBGridEh1->setCurrentIndex(m_model->index(0, 1));
}

void Twzdform::BitBtn2Click()
{
    if (!Prompts::current().question(QStringLiteral("信息"), QStringLiteral("您是否确定要删除这笔记录吗?")))
        return;
    if (m_wzdqry->isEmpty())
        return; // nothing to delete
    m_wzdqry->deleteRow();
}

void Twzdform::BitBtn3Click()
{
    if (!Prompts::current().question(QStringLiteral("信息"), QStringLiteral("您是否确定要删除所有记录吗?")))
        return;
    m_sqry->close();
    m_sqry->setSql(QStringLiteral("delete from wzdsp"));
    m_sqry->execSql();
    m_wzdqry->close();
    m_wzdqry->open();
}
