#include "about.h"
#include "ui_about.h"

#include "barcodes.h"
#include "icons.h"
#include "shell.h"
#include "windowfonts.h"

#include <QPainter>
#include <QPixmap>
#include <QShowEvent>

TabForm::TabForm(QWidget *parent) : ModalWindow(parent), m_ui(new Ui::TabForm)
{
    m_ui->setupUi(this);
    setFixedSize(size());
    setWindowFont(this, QStringLiteral("宋体"), 13);
    setWindowFont(m_ui->Label1, QStringLiteral("宋体"), 19);
    for (QLabel *label : {m_ui->Label1, m_ui->Label2, m_ui->Label3})
        label->setAttribute(Qt::WA_TranslucentBackground);
    m_ui->Label2->setText(QStringLiteral(
        "   支持直接连接贵司现有系统产品资料，数据无缝连接。\r   \r"
        "   打印各种标加签、条码、二维码,支持自定义设计、所见即所得。\r\r\r"
        "Tavrin软件工作室\r技术支持 QQ：10000 / 10001\r电话：400-000-0000  传真：400-000-0001\r网址：\r"
        "地址：示例市示例路 1 号").replace(QLatin1Char('\r'), QLatin1Char('\n')));
    m_ui->Label3->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(webAddress()));
    connect(m_ui->Label3, &QLabel::linkActivated, this, [](const QString &address) { Shell::current().open(QStringLiteral("iexplore.exe"), address); });

    // The contact code: the web address as a QR code, drawn by the labels' own barcodes.
    QPixmap code(200, 200);
    code.fill(Qt::white);
    {
        QPainter painter(&code);
        drawBarcode(painter, QRectF(0, 0, 200, 200), ReportModel::Symbology::QrCode, webAddress(), false);
    }
    m_ui->Image1->setPixmap(code);
    setButtonIcon(m_ui->BitBtn1, "close");
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

TabForm::~TabForm() = default;

QString TabForm::webAddress()
{
    return QStringLiteral("https://www.tavrin.example");
}

void TabForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous())
        centreOnDesktop();
}
