#include "bqdy.h"
#include "ui_bqdy.h"

#include "connection.h"
#include "connectionstring.h"
#include "copiesdelegate.h"
#include "errorreport.h"
#include "windowfonts.h"
#include "gridfooter.h"
#include "icons.h"
#include "labelprintjob.h"
#include "picklist.h"
#include "printlistmodel.h"
#include "prompts.h"
#include "query.h"
#include "reporthost.h"
#include "reportobject.h"
#include "shell.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

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
    setButtonIcon(m_ui->dybtn, "print");
    setButtonIcon(m_ui->sjbtn, "design");
    setButtonIcon(m_ui->BitBtn3, "close");

    m_bqqry = std::make_unique<Query>(*m_cnn);
    m_bqqry->setSql(QStringLiteral("select * from bqdy order by id desc"));
    m_wzdqry = std::make_unique<Query>(*m_cnn);
    m_wzdqry->setSql(QStringLiteral("select * from wzdsp order by id desc"));
    m_printList = std::make_unique<PrintList>(*m_cnn, *m_bqqry, *m_wzdqry, static_cast<PrintListWindow &>(*this));
    m_dyqry = std::make_unique<Query>(*m_cnn);
    m_reportHost = std::make_unique<ProgramReportHost>(this);
    m_bqprn = std::make_unique<ReportObject>(*m_reportHost);
    m_bqprn->setDataSet(QStringLiteral("dybst"), m_dyqry.get());
    m_labelJob = std::make_unique<LabelPrintJob>(*m_cnn, *m_bqqry, *m_dyqry, *m_printList, *m_bqprn);

    setUpGrid();
    setUpPickList();
    buildPopupMenu();
    buildTemplateMenu();
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, &QWidget::close);
    m_ui->lcp->installEventFilter(this);
    m_ui->sm->installEventFilter(this);
    connect(m_ui->sm, &QLineEdit::textChanged, this, [this] { guard([this] { SearchGoods(); }); });

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

void TbqForm::setUpGrid()
{
    QTableView *grid = m_ui->bqgrid;
    m_bqgridModel = new PrintListModel(*m_bqqry, this);
    grid->setModel(m_bqgridModel);
    m_bqgridModel->applyWidths(grid);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setFixedHeight(20);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    grid->setItemDelegateForColumn(PrintListModel::Copies, new CopiesDelegate(grid));
    grid->installEventFilter(this);

    connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == PrintListModel::Tick)
            guard([this] { bqgridTitleBtnClick(); });
    });
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                guard([&] { bqgridCellChanged(current, previous); });
            });
    connect(m_bqgridModel, &QAbstractItemModel::modelReset, this, &TbqForm::followReload);

    m_footer = new GridFooter(grid, [this](int column) -> QString {
        switch (column) {
        case 0: return QStringLiteral("品种");
        case 1: return QString::number(m_bqgridModel->rowTotal());
        case 9: return QStringLiteral("总份数");
        case 10: return QString::number(m_bqgridModel->copiesTotal());
        default: return {};
        }
    }, m_ui->Panel2);
    m_footer->setObjectName(QStringLiteral("bqgridFooter"));
    static_cast<QBoxLayout *>(m_ui->Panel2->layout())->insertWidget(1, m_footer);
    connect(m_bqgridModel, &QAbstractItemModel::modelReset, m_footer, qOverload<>(&QWidget::update));
    connect(m_bqgridModel, &QAbstractItemModel::dataChanged, m_footer, qOverload<>(&QWidget::update));
}

void TbqForm::setUpPickList()
{
    m_pickList = new PickList(*m_cnn, this);
    QTableView *lgrid = m_ui->lgrid;
    lgrid->setModel(m_pickList);
    for (int c = 0; c < PickList::columns().size(); ++c)
        lgrid->setColumnWidth(c, PickList::columns().at(c).width);
    lgrid->verticalHeader()->hide();
    lgrid->verticalHeader()->setDefaultSectionSize(18);
    lgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    lgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    lgrid->installEventFilter(this);
    connect(lgrid, &QAbstractItemView::doubleClicked, this, [this] { guard([this] { pickCurrent(); }); });
    connect(m_pickList, &PickList::readFailed, this, &reportError);
    m_ui->skcp->raise();
}

void TbqForm::buildPopupMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    auto entry = [this](const char *name, const QString &caption) {
        QAction *action = m_popup->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto showing = [this, entry](const char *name, const QString &caption, QDialog *const *window) {
        connect(entry(name, caption), &QAction::triggered, this, [this, window] { showOver(*window); });
    };
    auto running = [this, entry](const char *name, const QString &caption, void (PrintList::*operation)()) {
        connect(entry(name, caption), &QAction::triggered, this,
                [this, operation] { guard([this, operation] { (m_printList.get()->*operation)(); }); });
    };
    const QString divider = QStringLiteral("-------------");
    running("N1", QStringLiteral("删除当前行"), &PrintList::DeleteCurrentRow);
    running("N2", QStringLiteral("删除所有"), &PrintList::DeleteAllRows);
    entry("N3", divider);
    // Entries whose work is not built yet are shown disabled rather than doing nothing.
    entry("Excel1", QStringLiteral("从Excel导入"))->setEnabled(false);
    entry("Excel2", QStringLiteral("导出Excel"))->setEnabled(false);
    showing("N5", QStringLiteral("未找到的商品"), &m_notFound);
    entry("N6", divider);
    showing("N9", QStringLiteral("商品资料"), &m_catalogue);
    showing("N8", QStringLiteral("用户管理"), &m_accounts);
    entry("N10", divider);
    auto shellOpen = [this, entry](const char *name, const QString &caption, const QString &program, const QString &parameter) {
        connect(entry(name, caption), &QAction::triggered, this, [program, parameter] { Shell::current().open(program, parameter); });
    };
    shellOpen("N11", QStringLiteral("帮助"), QStringLiteral("WINWORD.EXE"), QStringLiteral("Tavrin医药标价签打印帮助.doc"));
    shellOpen("N12", QStringLiteral("Tavrin医药进销存管理软件下载"), QStringLiteral("iexplore.exe"),
              QStringLiteral("https://www.tavrin.example/download/jxc"));
    shellOpen("N13", QStringLiteral("Tavrin药店会员管理软件下载"), QStringLiteral("iexplore.exe"),
              QStringLiteral("https://www.tavrin.example/download/member"));
    showing("N7", QStringLiteral("关于软件"), &m_about);

    connect(m_ui->bqgrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_ui->bqgrid->viewport()->mapToGlobal(at)); });
}

void TbqForm::buildTemplateMenu()
{
    m_dypop = new QMenu(this);
    m_dypop->setObjectName(QStringLiteral("dypop"));
    const struct {
        const char *name;
        const char *caption;
        const char *file;
    } labels[] = {{"MenuItem1", "标签 100", "标签100.fr3"},      {"MenuItem2", "标签 65", "标签65.fr3"},
                  {"MenuItem4", "标签 97", "标签97.fr3"},        {"N10111", "标签 101-1", "标签101-1.fr3"},
                  {"N10121", "标签 101-2", "标签101-2.fr3"}};
    for (const auto &label : labels) {
        QAction *action = m_dypop->addAction(QString::fromUtf8(label.caption));
        action->setObjectName(QString::fromLatin1(label.name));
        const QString path = m_programDir + QString::fromUtf8(label.file);
        connect(action, &QAction::triggered, this, [this, path] {
            guard([this, path] {
                commitGridEditor();
                m_labelJob->PrintSelectedLabels(path, [this] { return m_ui->zjdy->isChecked(); });
            });
        });
    }
    QAction *a4 = m_dypop->addAction(QStringLiteral("清单 A4"));
    a4->setObjectName(QStringLiteral("A41"));
    connect(a4, &QAction::triggered, this, [this] {
        guard([this] {
            commitGridEditor();
            m_labelJob->PrintListA4(m_programDir + QStringLiteral("清单A4.fr3"), m_ui->zjdy->isChecked());
        });
    });
    connect(m_ui->dybtn, &QPushButton::clicked, this, [this] { m_dypop->popup(QCursor::pos()); });
    m_ui->sjbtn->setEnabled(false);
}

// A value still being typed into a grid cell is handed to the row before a print run.
void TbqForm::commitGridEditor()
{
    if (QWidget *editor = m_ui->bqgrid->indexWidget(m_ui->bqgrid->currentIndex()))
        QMetaObject::invokeMethod(m_ui->bqgrid, "commitData", Q_ARG(QWidget *, editor));
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

bool TbqForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == m_ui->lcp && enter) {
            guard([this] { lcpEnter(); });
            return true;
        }
        if (watched == m_ui->sm && enter) {
            guard([this] { smEnter(); });
            return true;
        }
        if (watched == m_ui->sm && key == Qt::Key_Down) {
            if (m_ui->skcp->isVisible())
                m_ui->lgrid->setFocus();
            return true;
        }
        if (watched == m_ui->lgrid && enter) {
            guard([this] { pickCurrent(); });
            return true;
        }
    }
    // Entering the grid puts its current row into editing (an empty list begins a blank row).
    if (watched == m_ui->bqgrid && event->type() == QEvent::FocusIn)
        guard([this] { m_bqqry->edit(); });
    return ModalWindow::eventFilter(watched, event);
}

void TbqForm::lcpEnter()
{
    if (!m_ui->lcp->text().isEmpty())
        m_printList->AddFromScanBox();
    m_ui->ltempedit->setFocus();
    m_ui->lcp->clear();
    m_ui->lcp->setFocus();
}

void TbqForm::smEnter()
{
    if (!m_ui->sm->text().isEmpty())
        m_printList->AddFromQueryBox();
    m_ui->tempedit->setFocus();
    m_ui->sm->clear();
    m_ui->sm->setFocus();
}

// Runs on every change of the search box, typed or not.
void TbqForm::SearchGoods()
{
    if (!m_ui->sm->text().isEmpty()) {
        m_ui->skcp->move(335, 32);
        m_ui->skcp->show();
        m_ui->skcp->raise();
        m_pickList->search(m_ui->sm->text());
        if (m_pickList->rowCount() > 0)
            m_ui->lgrid->setCurrentIndex(m_pickList->index(0, 0));
    } else {
        m_ui->skcp->hide();
    }
    m_ui->sm->setFocus();
}

void TbqForm::pickCurrent()
{
    m_printList->AddFromPickList(m_pickList->codeAt(m_ui->lgrid->currentIndex().row()));
}

void TbqForm::bqgridTitleBtnClick()
{
    if (m_bqgridModel->tickTitle() == QStringLiteral("全选")) {
        m_bqgridModel->setTickTitle(QStringLiteral("反选"));
        m_printList->SelectAll();
    } else {
        m_bqgridModel->setTickTitle(QStringLiteral("全选"));
        m_printList->ClearSelection();
    }
    m_printList->ReloadPrintList();
}

// Leaving a column saves the row's pending change; moving to another row makes it the
// list's current row (which saves too).
void TbqForm::bqgridCellChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (!m_bqqry->isOpen())
        return;
    if (previous.isValid() && current.column() != previous.column())
        m_bqqry->commit();
    if (current.isValid() && current.row() != m_bqqry->currentRow())
        m_bqqry->setCurrentRow(current.row());
}

// After the list is reopened its top row is the current one.
void TbqForm::followReload()
{
    const int column = qMax(0, m_ui->bqgrid->currentIndex().column());
    if (m_bqgridModel->rowCount() > 0)
        m_ui->bqgrid->setCurrentIndex(m_bqgridModel->index(qMax(0, m_bqqry->currentRow()), column));
}

QString TbqForm::scanBoxText() const
{
    return m_ui->lcp->text();
}

void TbqForm::clearScanBox()
{
    m_ui->lcp->clear();
}

void TbqForm::focusScanBox()
{
    m_ui->lcp->setFocus();
}

QString TbqForm::queryBoxText() const
{
    return m_ui->sm->text();
}

void TbqForm::clearQueryBox()
{
    m_ui->sm->clear(); // the change runs SearchGoods, which hides the pick list
}

void TbqForm::focusQueryBox()
{
    m_ui->sm->setFocus();
}

void TbqForm::hidePickList()
{
    m_ui->skcp->hide();
}

void TbqForm::setDetailBox(DetailBox box, const QString &text)
{
    QLineEdit *boxes[] = {m_ui->cp, m_ui->gy, m_ui->cj, m_ui->gg, m_ui->sj};
    boxes[int(box)]->setText(text);
}

bool TbqForm::confirm(const QString &question)
{
    return Prompts::current().question(QStringLiteral("信息"), question);
}
