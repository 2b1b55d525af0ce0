#include "previewwindow.h"

#include "exports.h"
#include "pageview.h"
#include "preparedfile.h"
#include "printservice.h"
#include "reporterror.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

PreviewWindow::FileChooser fileChooser = [](QWidget *parent, const QString &caption, const QString &filter, bool save) {
    return save ? QFileDialog::getSaveFileName(parent, caption, QString(), filter)
                : QFileDialog::getOpenFileName(parent, caption, QString(), filter);
};

PreviewWindow::Notice notice = [](QWidget *parent, const QString &text) {
    QMessageBox::information(parent, QStringLiteral("预览"), text);
};

QString withSuffix(QString path, const QString &suffix)
{
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    return path;
}

} // namespace

void PreviewWindow::setFileChooser(FileChooser chooser)
{
    fileChooser = std::move(chooser);
}

void PreviewWindow::setNotice(Notice n)
{
    notice = std::move(n);
}

PreviewWindow::PreviewWindow(const PreparedReport &prepared, const Settings &settings, QWidget *parent)
    : QDialog(parent), m_prepared(prepared), m_settings(settings)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("预览"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    setWindowState(Qt::WindowMaximized);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    auto *body = new QHBoxLayout;
    m_outline = new QListWidget(this);
    m_outline->setObjectName(QStringLiteral("outline"));
    m_outline->setFixedWidth(qMax(60, m_settings.previewOptions.outlineWidth));
    connect(m_outline, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            goToPage(row);
    });
    m_view = new PageView;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pages"));
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_scrolling) // the operator scrolled: the page in sight is the current one
            m_current = m_view->pageAt(value + m_scroll->viewport()->height() / 3);
        updateNavigator();
    });
    body->addWidget(m_outline);
    body->addWidget(m_scroll, 1);
    layout->addLayout(body, 1);
    setOutlineVisible(m_settings.previewOptions.outlineVisible);
    reload();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("previewTools"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout()->addWidget(bar);
    auto button = [this, bar](const char *name, const QString &text, std::function<void()> work) {
        QAction *action = bar->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, work] { guarded(work); });
        return action;
    };
    button("printButton", QStringLiteral("打印"), [this] { printPages(); });
    button("openButton", QStringLiteral("打开"), [this] { openPrepared(); });
    button("saveButton", QStringLiteral("保存"), [this] { savePrepared(); });

    auto *exportMenu = new QMenu(this);
    exportMenu->setObjectName(QStringLiteral("exportMenu"));
    exportMenu->addAction(QStringLiteral("PDF 文件…"), this, [this] { guarded([this] { exportPdf(); }); });
    exportMenu->addAction(QStringLiteral("JPEG 图片…"), this, [this] { guarded([this] { exportJpeg(); }); });
    exportMenu->addAction(QStringLiteral("Excel 工作簿…"), this, [this] { guarded([this] { exportXlsx(); }); });
    QAction *exportAction = bar->addAction(QStringLiteral("导出"));
    exportAction->setObjectName(QStringLiteral("exportButton"));
    exportAction->setMenu(exportMenu);
    qobject_cast<QToolButton *>(bar->widgetForAction(exportAction))->setPopupMode(QToolButton::InstantPopup);

    bar->addSeparator();
    m_zoom = new QComboBox(bar);
    m_zoom->setObjectName(QStringLiteral("zoomButton"));
    for (int percent : {25, 50, 75, 100, 150, 200, 300, 400})
        m_zoom->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    m_zoom->addItem(QStringLiteral("页宽"), -1.0);
    m_zoom->addItem(QStringLiteral("整页"), -2.0);
    m_zoom->setCurrentIndex(3); // 1.0
    connect(m_zoom, &QComboBox::activated, this, [this] {
        double zoom = m_zoom->currentData().toDouble();
        if (zoom < 0 && !m_prepared.pages.isEmpty()) {
            const auto &page = m_prepared.pageTemplate(currentPage());
            const double perMm = logicalDpiX() / 25.4;
            const double fitWidth = (m_scroll->viewport()->width() - 30) / (page.width * perMm);
            const double fitPage = qMin(fitWidth, (m_scroll->viewport()->height() - 30) / (page.height * perMm));
            zoom = zoom == -1.0 ? fitWidth : fitPage;
        }
        const int page = currentPage();
        m_view->setZoom(zoom > 0 ? zoom : 1.0);
        goToPage(page);
    });
    bar->addWidget(new QLabel(QStringLiteral(" 缩放 "), bar));
    bar->addWidget(m_zoom);

    button("findButton", QStringLiteral("查找"), [this] {
        bool ok = false;
        const QString text = QInputDialog::getText(this, QStringLiteral("查找"), QStringLiteral("查找内容："), QLineEdit::Normal, {}, &ok);
        if (ok && !text.isEmpty() && !find(text))
            notice(this, QStringLiteral("找不到“%1”。").arg(text));
    });
    QAction *outline = button("outlineButton", QStringLiteral("大纲"), [this] { setOutlineVisible(!m_outline->isVisible()); });
    outline->setCheckable(true);
    button("pageSetupButton", QStringLiteral("页面设置"), [this] { pageSetupDialog(); });

    auto *toolsMenu = new QMenu(this);
    toolsMenu->addAction(QStringLiteral("复制当前页为图片"), this, [this] {
        if (!m_prepared.pages.isEmpty())
            QApplication::clipboard()->setImage(Exports::image(m_prepared, currentPage(), 200));
    });
    toolsMenu->addAction(QStringLiteral("重新生成页面"), this, [this] {
        guarded([this] {
            m_prepared = prepareReport(m_prepared.report, m_prepared.data);
            reload();
        });
    });
    QAction *tools = bar->addAction(QStringLiteral("工具"));
    tools->setObjectName(QStringLiteral("toolsButton"));
    tools->setMenu(toolsMenu);
    qobject_cast<QToolButton *>(bar->widgetForAction(tools))->setPopupMode(QToolButton::InstantPopup);

    // Editing the template opens the designer, which this version does not have yet.
    QAction *edit = bar->addAction(QStringLiteral("编辑"));
    edit->setObjectName(QStringLiteral("editButton"));
    edit->setEnabled(false);
    edit->setToolTip(QStringLiteral("模板设计器尚未提供"));

    bar->addSeparator();
    button("firstPageButton", QStringLiteral("首页"), [this] { goToPage(0); });
    button("previousPageButton", QStringLiteral("上页"), [this] { goToPage(currentPage() - 1); });
    m_pageNumber = new QSpinBox(bar);
    m_pageNumber->setObjectName(QStringLiteral("pageNavigator"));
    connect(m_pageNumber, &QSpinBox::editingFinished, this, [this] { goToPage(m_pageNumber->value() - 1); });
    bar->addWidget(m_pageNumber);
    button("nextPageButton", QStringLiteral("下页"), [this] { goToPage(currentPage() + 1); });
    button("lastPageButton", QStringLiteral("末页"), [this] { goToPage(int(m_prepared.pages.size()) - 1); });
    bar->addSeparator();
    button("quickExportButton", QStringLiteral("快速导出"), [this] { quickExport(); });
    button("closeButton", QStringLiteral("关闭"), [this] { close(); });
}

void PreviewWindow::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const ReportError &e) {
        notice(this, e.text());
    }
}

void PreviewWindow::reload()
{
    m_view->setReport(&m_prepared);
    m_outline->clear();
    for (int i = 0; i < m_prepared.pages.size(); ++i)
        m_outline->addItem(QStringLiteral("第 %1 页").arg(i + 1));
    m_pageNumber->setRange(m_prepared.pages.isEmpty() ? 0 : 1, qMax(0, int(m_prepared.pages.size())));
    m_pageNumber->setSuffix(QStringLiteral(" / %1").arg(m_prepared.pages.size()));
    updateNavigator();
}

int PreviewWindow::currentPage() const
{
    return m_current;
}

void PreviewWindow::goToPage(int page)
{
    if (m_prepared.pages.isEmpty())
        return;
    m_current = qBound(0, page, int(m_prepared.pages.size()) - 1);
    m_scrolling = true;
    m_scroll->verticalScrollBar()->setValue(m_view->pageTop(m_current) - 6);
    m_scrolling = false;
    updateNavigator();
}

void PreviewWindow::updateNavigator()
{
    const QSignalBlocker quiet(m_pageNumber);
    m_pageNumber->setValue(m_prepared.pages.isEmpty() ? 0 : currentPage() + 1);
}

QString PreviewWindow::chooseFile(const QString &caption, const QString &filter, bool save)
{
    return fileChooser(this, caption, filter, save);
}

void PreviewWindow::printPages()
{
    PrintService::current().print(m_prepared, m_settings.printOptions, m_settings.printOptions.showDialog,
                                  m_settings.showProgress, this);
}

void PreviewWindow::openPrepared()
{
    const QString path = chooseFile(QStringLiteral("打开报表"), QStringLiteral("已生成的报表 (*.fp3)"), false);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("不能打开文件“%1”：%2").arg(path, file.errorString()));
    m_prepared = PreparedFile::read(file.readAll());
    m_current = 0;
    reload();
    goToPage(0);
}

void PreviewWindow::savePrepared()
{
    const QString path = withSuffix(chooseFile(QStringLiteral("保存报表"), QStringLiteral("已生成的报表 (*.fp3)"), true), QStringLiteral("fp3"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(PreparedFile::write(m_prepared)) < 0)
        throw ReportError(QStringLiteral("不能写入文件“%1”：%2").arg(path, file.errorString()));
}

void PreviewWindow::exportPdf()
{
    const QString path = withSuffix(chooseFile(QStringLiteral("导出 PDF"), QStringLiteral("PDF 文件 (*.pdf)"), true), QStringLiteral("pdf"));
    if (!path.isEmpty())
        Exports::pdf(m_prepared, path);
}

void PreviewWindow::exportJpeg()
{
    const QString path = withSuffix(chooseFile(QStringLiteral("导出 JPEG"), QStringLiteral("JPEG 图片 (*.jpg)"), true), QStringLiteral("jpg"));
    if (!path.isEmpty())
        Exports::images(m_prepared, path, 300);
}

void PreviewWindow::exportXlsx()
{
    const QString path = withSuffix(chooseFile(QStringLiteral("导出 Excel"), QStringLiteral("Excel 工作簿 (*.xlsx)"), true), QStringLiteral("xlsx"));
    if (!path.isEmpty())
        Exports::xlsx(m_prepared, path);
}

void PreviewWindow::quickExport()
{
    exportPdf();
}

bool PreviewWindow::find(const QString &text)
{
    const int pages = int(m_prepared.pages.size());
    for (int step = 0; step < pages; ++step) {
        const int page = (m_findFrom + step) % pages;
        for (const QString &shown : pageTexts(m_prepared, page))
            if (shown.contains(text, Qt::CaseInsensitive)) {
                goToPage(page);
                m_findFrom = page + 1;
                return true;
            }
    }
    return false;
}

void PreviewWindow::setOutlineVisible(bool visible)
{
    m_outline->setVisible(visible);
}

void PreviewWindow::applyPageSetup(double leftMm, double topMm, double rightMm, double bottomMm, bool landscape)
{
    ReportModel::Report report = m_prepared.report;
    for (ReportModel::Page &page : report.pages) {
        if (page.landscape != landscape)
            std::swap(page.width, page.height);
        page.landscape = landscape;
        page.leftMargin = leftMm;
        page.topMargin = topMm;
        page.rightMargin = rightMm;
        page.bottomMargin = bottomMm;
        if (page.printable().width() <= 0 || page.printable().height() <= 0)
            throw ReportError(QStringLiteral("页边距大于页面"));
    }
    m_prepared = prepareReport(report, m_prepared.data);
    m_current = qMin(m_current, qMax(0, int(m_prepared.pages.size()) - 1));
    reload();
}

void PreviewWindow::pageSetupDialog()
{
    if (m_prepared.report.pages.isEmpty())
        return;
    const ReportModel::Page &page = m_prepared.report.pages.first();
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("页面设置"));
    auto *form = new QFormLayout(&dialog);
    auto margin = [&](double value) {
        auto *box = new QDoubleSpinBox(&dialog);
        box->setRange(0, 200);
        box->setSuffix(QStringLiteral(" mm"));
        box->setValue(value);
        return box;
    };
    QDoubleSpinBox *left = margin(page.leftMargin), *top = margin(page.topMargin), *right = margin(page.rightMargin),
                   *bottom = margin(page.bottomMargin);
    auto *orientation = new QComboBox(&dialog);
    orientation->addItems({QStringLiteral("纵向"), QStringLiteral("横向")});
    orientation->setCurrentIndex(page.landscape ? 1 : 0);
    form->addRow(QStringLiteral("左边距"), left);
    form->addRow(QStringLiteral("上边距"), top);
    form->addRow(QStringLiteral("右边距"), right);
    form->addRow(QStringLiteral("下边距"), bottom);
    form->addRow(QStringLiteral("方向"), orientation);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() == QDialog::Accepted)
        applyPageSetup(left->value(), top->value(), right->value(), bottom->value(), orientation->currentIndex() == 1);
}
