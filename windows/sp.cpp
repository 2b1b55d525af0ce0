#include "sp.h"
#include "ui_sp.h"

#include "errorreport.h"
#include "icons.h"
#include "prompts.h"
#include "query.h"
#include "querytablemodel.h"
#include "windowfonts.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStyledItemDelegate>

namespace {

// The catalogue's columns; the exports read this list for their header rows.
QList<GridColumn> catalogueColumns()
{
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        {QStringLiteral("药品编号"), QStringLiteral("药品编号"), 130, left, true},
        {QStringLiteral("药品全名"), QStringLiteral("药品名称"), 160, left, true},
        {QStringLiteral("供应商"), QStringLiteral("供应商"), 110, left, true},
        {QStringLiteral("规格"), QStringLiteral("规格"), 105, left, true},
        {QStringLiteral("生产厂家"), QStringLiteral("生产厂家"), 87, left, true},
        {QStringLiteral("条形码"), QStringLiteral("条形码"), 111, left, true},
        {QStringLiteral("单位"), QStringLiteral("单位"), 55, left, true},
        {QStringLiteral("售价"), QStringLiteral("售价"), 73, left, true},
        {QStringLiteral("份数"), QStringLiteral("份数"), 57, left, true},
    };
}

// The next control in the tab order after `widget` takes the focus.
void focusAfter(QWidget *widget)
{
    for (QWidget *next = widget->nextInFocusChain(); next && next != widget; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() && !widget->isAncestorOf(next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
}

// The cell editors: Chinese input only where Chinese is typed (name, supplier,
// specification), and Enter in an open editor moves the focus on out of the grid.
class CatalogueDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        const bool chinese = index.column() == 1 || index.column() == 2 || index.column() == 3;
        editor->setAttribute(Qt::WA_InputMethodEnabled, chinese);
        return editor;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Q_EMIT const_cast<CatalogueDelegate *>(this)->commitData(editor);
                Q_EMIT const_cast<CatalogueDelegate *>(this)->closeEditor(editor, QAbstractItemDelegate::NoHint);
                focusAfter(static_cast<QWidget *>(parent()));
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

} // namespace

TSpForm::TSpForm(Connection &cnn, QWidget *parent)
    : ModalWindow(parent), m_ui(new Ui::TSpForm),
      m_spqry(std::make_unique<Query>(cnn, Query::UpdateMode::HoldUntilCommit)), m_sqry(std::make_unique<Query>(cnn))
{
    m_ui->setupUi(this);
    setWindowFont(this, QStringLiteral("宋体"), 15);
    const std::pair<QPushButton *, const char *> pictures[] = {{m_ui->BitBtn1, "add"}, {m_ui->BitBtn2, "edit"}, {m_ui->BitBtn3, "save"},
        {m_ui->BitBtn6, "import"}, {m_ui->BitBtn4, "delete"}, {m_ui->BitBtn7, "export"}, {m_ui->BitBtn11, "delete"},
        {m_ui->BitBtn12, "export"}, {m_ui->BitBtn5, "close"}};
    for (const auto &[button, picture] : pictures)
        setButtonIcon(button, picture);

    QTableView *grid = m_ui->spgrid;
    m_model = new QueryTableModel(*m_spqry, catalogueColumns(), this);
    grid->setModel(m_model);
    m_model->applyWidths(grid);
    grid->setItemDelegate(new CatalogueDelegate(grid));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setFixedHeight(20);
    grid->horizontalHeader()->setSectionsClickable(true); // drawn as buttons that do nothing
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->installEventFilter(this);
    followCurrentRow(grid, *m_spqry);
    setReadOnly(true);

    for (int width : {161, 416}) {
        auto *pane = new QLabel(m_ui->StatusBar1);
        pane->setFixedWidth(width);
        pane->setFont(windowFont(QStringLiteral("新宋体"), 13));
        m_ui->StatusBar1->addWidget(pane);
    }
    auto *pgb = new QProgressBar(m_ui->StatusBar1);
    pgb->setObjectName(QStringLiteral("pgb"));
    pgb->setFixedSize(169, 17);
    pgb->setTextVisible(false);
    pgb->setValue(0);
    m_ui->StatusBar1->addWidget(pgb);

    // The import and the exports come with their own work; until then they are disabled.
    for (QPushButton *button : {m_ui->BitBtn6, m_ui->BitBtn7, m_ui->BitBtn12})
        button->setEnabled(false);
    m_ui->BitBtn12->setToolTip(QStringLiteral("将WPS最小化到任务栏，可以加快导出速度！"));

    connect(m_ui->locedit, &QLineEdit::textChanged, this, [this] { guard([this] { loceditChange(); }); });
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, [this] { guard([this] { BitBtn1Click(); }); });
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, [this] { guard([this] { BitBtn2Click(); }); });
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, [this] { guard([this] { BitBtn3Click(); }); });
    connect(m_ui->BitBtn4, &QPushButton::clicked, this, [this] { guard([this] { BitBtn4Click(); }); });
    connect(m_ui->BitBtn11, &QPushButton::clicked, this, [this] { guard([this] { BitBtn11Click(); }); });
    connect(m_ui->BitBtn5, &QPushButton::clicked, this, &QWidget::close);
}

TSpForm::~TSpForm() = default;

void TSpForm::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_ui->spgrid->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                           : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                                 | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
}

void TSpForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnDesktop();
    guard([this] { FormShow(); });
    guard([this] { m_spqry->open(); }); // the window's activation: open unless open
}

// Every showing reads the whole catalogue anew; the search text stays in its box.
void TSpForm::FormShow()
{
    m_spqry->close();
    m_spqry->setSql(QStringLiteral("select * from sp"));
    m_spqry->open();
}

void TSpForm::closeEvent(QCloseEvent *event)
{
    bool written = true;
    guard([&] {
        written = false;
        if (m_spqry->isOpen())
            m_spqry->commit();
        written = true;
    });
    if (!written) {
        event->ignore(); // the window stays open with the changes, to be corrected
        return;
    }
    ModalWindow::closeEvent(event);
}

void TSpForm::loceditChange()
{
    m_spqry->close(); // any change not saved is dropped
    m_spqry->clearSql();
    m_spqry->addSql(QStringLiteral("select * from sp"));
    m_spqry->addSql(QStringLiteral("where 药品编号 like :bm or 药品全名 like :mc or 生产厂家 like :cj or 规格 like :gg or 单位 like :dw "));
    m_spqry->addSql(QStringLiteral("ORDER BY 编号"));
    const QString pattern = QLatin1Char('%') + m_ui->locedit->text() + QLatin1Char('%');
    for (const char *name : {"bm", "mc", "CJ", "GG", "dw"})
        m_spqry->setParameter(QString::fromLatin1(name), pattern);
    m_spqry->open();
}

void TSpForm::BitBtn1Click()
{
    setReadOnly(false);
    m_spqry->append();
    m_ui->spgrid->setCurrentIndex(m_model->index(m_spqry->currentRow(), 0));
    m_ui->spgrid->setFocus();
}

void TSpForm::BitBtn2Click()
{
    setReadOnly(false);
    m_spqry->edit(); // on an empty catalogue this begins a new row
    m_ui->spgrid->setFocus();
}

void TSpForm::BitBtn3Click()
{
    setReadOnly(true);
    m_spqry->commit();
    Prompts::current().message(QStringLiteral("信息"), QStringLiteral("资料已保存!"), Prompts::Icon::None);
}

void TSpForm::BitBtn4Click()
{
    if (Prompts::current().question(QStringLiteral("信息"), QStringLiteral("您是否真的要删除这笔商品记录吗?")))
        m_spqry->deleteRow(); // held until the next commit; an empty catalogue fails here
}

void TSpForm::BitBtn11Click()
{
    if (!Prompts::current().question(QStringLiteral("信息"), QStringLiteral("您是否真的要删除全部商品记录吗?")))
        return;
    m_sqry->close();
    m_sqry->setSql(QStringLiteral("delete * from sp"));
    m_sqry->execSql();
    m_spqry->close();
    m_spqry->open(); // the view keeps its statement, a search included
}

// Enter in the grid itself moves to the next column of the same row, round to the first.
bool TSpForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->spgrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex current = m_ui->spgrid->currentIndex();
            if (current.isValid())
                m_ui->spgrid->setCurrentIndex(m_model->index(current.row(), (current.column() + 1) % m_model->columnCount()));
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}
