// The report engine: its file format, the delivered templates rendered and read back by
// independent tools (zbarimg, pdftotext), barcodes, exports and the preview window.
#include "barcodes.h"
#include "exports.h"
#include "fonts.h"
#include "pageview.h"
#include "preparedfile.h"
#include "preparedreport.h"
#include "previewwindow.h"
#include "printservice.h"
#include "reportfile.h"
#include "reporterror.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace ReportModel;

namespace {

QString templatesDir()
{
    return QStringLiteral(BQ_TEMPLATES);
}

Report readTemplate(const QString &name)
{
    QFile file(QDir(templatesDir()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no template %s", qPrintable(name));
    return ReportFile::read(file.readAll());
}

DataRows goodsRows(int count)
{
    DataRows data;
    data.name = QStringLiteral("dybst");
    data.columns = QStringList{"id", "选择", "药品编号", "药品全名", "供应商", "规格", "生产厂家", "条形码", "单位", "售价", "份数"};
    for (int i = 0; i < count; ++i) {
        const QString twelve = QStringLiteral("69012345%1").arg(6780 + i);
        int sum = 0;
        for (int d = 0; d < 12; ++d)
            sum += (twelve.at(d).unicode() - '0') * (d % 2 ? 3 : 1);
        data.rows << QVector<QVariant>{i + 1, 1, QStringLiteral("YP%1").arg(i + 1, 7, 10, QLatin1Char('0')),
                                       i == 0 ? QStringLiteral("复方氨酚烷胺胶囊（小儿感冒专用）加长的名字") : QStringLiteral("板蓝根颗粒%1").arg(i),
                                       QStringLiteral("国药"), QStringLiteral("10g*20袋"), QStringLiteral("白云山制药厂"),
                                       twelve + QString::number((10 - sum % 10) % 10), QStringLiteral("袋"), 12.5 + i, 1 + i};
    }
    return data;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("<%1 did not finish>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class RecordingPrinter : public PrintService {
public:
    struct Job {
        int pages, copies;
        bool dialog, progress;
    };
    QList<Job> jobs;
    RecordingPrinter() { install(this); }
    ~RecordingPrinter() override { install(nullptr); }
    bool print(const PreparedReport &prepared, const PrintOptions &options, bool showDialog, bool showProgress, QWidget *) override
    {
        jobs << Job{int(prepared.pages.size()), options.copies, showDialog, showProgress};
        return true;
    }
};

} // namespace

class TestLabels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { registerFontSubstitutes(); }
    void templatesSurviveARoundTrip();
    void everyObjectKindSurvivesARoundTrip();
    void malformedFilesFailWithTheirPlace_data();
    void malformedFilesFailWithTheirPlace();
    void damagedFilesNeverCrash();
    void everyTemplateShowsTheRowAndItsBarcodeDecodes_data();
    void everyTemplateShowsTheRowAndItsBarcodeDecodes();
    void listTemplatePagesEveryRowWithTotals();
    void barcodeDataIsCheckedNotGuessed_data();
    void barcodeDataIsCheckedNotGuessed();
    void unknownDataSetOrFieldIsAnError();
    void previewPagesNavigatesFindsAndExports();
};

void TestLabels::templatesSurviveARoundTrip()
{
    for (const QString &name : QDir(templatesDir()).entryList({QStringLiteral("*.fr3")})) {
        const QByteArray once = ReportFile::write(readTemplate(name));
        const QByteArray twice = ReportFile::write(ReportFile::read(once));
        QVERIFY2(once == twice, qPrintable(name));
    }
    QCOMPARE(QDir(templatesDir()).entryList({QStringLiteral("*.fr3")}).size(), 6);
}

void TestLabels::everyObjectKindSurvivesARoundTrip()
{
    Report report;
    Page page = newPage();
    Band band;
    band.name = QStringLiteral("MasterData1");
    band.dataSet = QStringLiteral("dybst");
    Text text;
    text.text = QStringLiteral("价格 [dybst.\"售价\"] <&> \"引号\"");
    text.bold = true;
    text.hAlign = HAlign::Right;
    text.vAlign = VAlign::Bottom;
    text.autoShrink = true;
    text.format = QStringLiteral("%.2f");
    text.color = QColor(10, 20, 30);
    Object o{QStringLiteral("T"), QRectF(1.5, 2.25, 30, 8), Frame{true, 0.4, Qt::red}, QColor(255, 255, 200), text};
    band.objects << o;
    band.objects << Object{QStringLiteral("B"), QRectF(0, 10, 40, 15), {}, {}, Barcode{QStringLiteral("[dybst.\"条形码\"]"), Symbology::QrCode, false}};
    band.objects << Object{QStringLiteral("L"), QRectF(0, 30, 50, 0), {}, {}, Line{0.5, Qt::blue}};
    band.objects << Object{QStringLiteral("R"), QRectF(0, 31, 5, 5), {}, {}, ReportModel::Rectangle{Qt::green}};
    band.objects << Object{QStringLiteral("P"), QRectF(0, 40, 5, 5), {}, {}, Picture{QByteArray("\x89PNG\r\n\x1a\nbytes", 15)}};
    band.objects << Object{QStringLiteral("H"), QRectF(0, 50, 50, 10), {}, {}, RichText{QStringLiteral("<b>粗体</b> [dybst.\"药品全名\"]")}};
    page.bands << band;
    report.pages << page;
    report.printOptions.copies = 3;
    report.previewOptions.outlineVisible = true;
    const QByteArray once = ReportFile::write(report);
    const Report back = ReportFile::read(once);
    QCOMPARE(ReportFile::write(back), once);
    QCOMPARE(std::get<Text>(back.pages[0].bands[0].objects[0].content).text, text.text);
    QCOMPARE(std::get<Picture>(back.pages[0].bands[0].objects[4].content).image, QByteArray("\x89PNG\r\n\x1a\nbytes", 15));
    QCOMPARE(back.pages[0].bands[0].objects[0].box, QRectF(1.5, 2.25, 30, 8));
    QCOMPARE(back.printOptions.copies, 3);
}

void TestLabels::malformedFilesFailWithTheirPlace_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("reason");
    const QByteArray head = "<report version=\"1\"><page width=\"60\" height=\"40\" left=\"1\" top=\"1\" right=\"1\" bottom=\"1\">";
    const QByteArray tail = "</page></report>";
    QTest::newRow("not XML") << QByteArray("PK\x03\x04 binary") << "不是标签模板文件";
    QTest::newRow("other XML") << QByteArray("<html><body/></html>") << "不是标签模板文件";
    QTest::newRow("newer version") << QByteArray("<report version=\"7\"/>") << "版本 7";
    QTest::newRow("truncated") << head + "<band kind=\"masterdata\"><text" << "第";
    QTest::newRow("letters for a number") << head + "<band height=\"abc\"/>" + tail << "height";
    QTest::newRow("negative size") << head + "<band><text width=\"-5\">x</text></band>" + tail << "width";
    QTest::newRow("not a number") << head + "<band><text x=\"nan\">x</text></band>" + tail << "x=";
    QTest::newRow("unknown object") << head + "<band><chart/></band>" + tail << "chart";
    QTest::newRow("unknown band kind") << head + "<band kind=\"sidebar\"/>" + tail << "sidebar";
    QTest::newRow("unknown barcode") << head + "<band><barcode type=\"upc\">1</barcode></band>" + tail << "upc";
    QTest::newRow("bad colour") << head + "<band><text color=\"reddish\">x</text></band>" + tail << "颜色";
    QTest::newRow("broken picture") << head + "<band><picture>***</picture></band>" + tail << "图片";
    QTest::newRow("margins wider than the page") << QByteArray("<report version=\"1\"><page width=\"20\" left=\"15\" right=\"15\"/></report>") << "页边距";
    QTest::newRow("element inside text") << head + "<band><text><b>x</b></text></band>" + tail << "第";
}

void TestLabels::malformedFilesFailWithTheirPlace()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, reason);
    try {
        ReportFile::read(xml);
        QFAIL("a malformed file was read");
    } catch (const ReportError &e) {
        QVERIFY2(e.text().contains(reason), qPrintable(e.text()));
        QVERIFY(e.text().contains(QStringLiteral("行")));
    }
}

void TestLabels::damagedFilesNeverCrash()
{
    QFile file(QDir(templatesDir()).filePath(QStringLiteral("标签101-2.fr3")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    int refused = 0;
    for (int cut = 0; cut < good.size(); cut += 37) {
        QByteArray damaged = good.left(cut);
        if (cut % 3 == 0 && cut < good.size())
            damaged += char(cut % 256) + good.mid(cut + 1);
        try {
            const Report report = ReportFile::read(damaged);
            prepareReport(report, goodsRows(1)); // whatever was read prepares or fails cleanly
        } catch (const ReportError &) {
            ++refused;
        }
    }
    QVERIFY(refused > 0);
}

void TestLabels::everyTemplateShowsTheRowAndItsBarcodeDecodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("标签100") << "标签100.fr3" << QSizeF(60, 40);
    QTest::newRow("标签65") << "标签65.fr3" << QSizeF(38.1, 21.2);
    QTest::newRow("标签97") << "标签97.fr3" << QSizeF(97, 40);
    QTest::newRow("标签101-1") << "标签101-1.fr3" << QSizeF(101.6, 50.8);
    QTest::newRow("标签101-2") << "标签101-2.fr3" << QSizeF(101.6, 76.2);
}

void TestLabels::everyTemplateShowsTheRowAndItsBarcodeDecodes()
{
    QFETCH(QString, name);
    QFETCH(QSizeF, size);
    QTemporaryDir dir;
    DataRows rows = goodsRows(2);
    rows.rows.removeFirst(); // one row: as a label run has it
    const PreparedReport prepared = prepareReport(readTemplate(name), rows);
    QCOMPARE(prepared.pages.size(), 1);
    QCOMPARE(prepared.pageTemplate(0).width, size.width());
    QCOMPARE(prepared.pageTemplate(0).height, size.height());

    const QString png = dir.filePath(QStringLiteral("label.png"));
    QVERIFY(Exports::image(prepared, 0, 300).save(png));
    const QString decoded = run(QStringLiteral("zbarimg"), {QStringLiteral("-q"), png});
    QVERIFY2(decoded.contains(QStringLiteral("EAN-13:") + rows.rows[0][7].toString()), qPrintable(decoded));

    const QString pdf = dir.filePath(QStringLiteral("label.pdf"));
    Exports::pdf(prepared, pdf);
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
    QVERIFY2(text.contains(QStringLiteral("13.50")), qPrintable(text));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QStringLiteral("Pages:           1")), qPrintable(info));

    // A long name is wrapped or shrunk to fit, never cut off: every character is on the label.
    rows.rows[0][3] = QStringLiteral("复方氨酚烷胺胶囊（小儿感冒专用）加长的名字");
    Exports::pdf(prepareReport(readTemplate(name), rows), pdf);
    const QString longText = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).remove(QLatin1Char('\n'));
    QVERIFY2(longText.contains(QStringLiteral("加长的名字")), qPrintable(longText));
}

void TestLabels::listTemplatePagesEveryRowWithTotals()
{
    QTemporaryDir dir;
    const DataRows rows = goodsRows(70);
    const PreparedReport prepared = prepareReport(readTemplate(QStringLiteral("清单A4.fr3")), rows);
    QVERIFY(prepared.pages.size() >= 2);
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    Exports::pdf(prepared, pdf);
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (int i = 1; i < 70; ++i)
        QVERIFY2(text.contains(QStringLiteral("YP%1").arg(i + 1, 7, 10, QLatin1Char('0'))), qPrintable(QString::number(i)));
    QVERIFY(text.contains(QStringLiteral("品种 70")));
    QVERIFY(text.contains(QStringLiteral("总份数 2485"))); // 1 + 2 + ... + 70
    QVERIFY(text.contains(QStringLiteral("共 %1 页").arg(prepared.pages.size())));
}

void TestLabels::barcodeDataIsCheckedNotGuessed_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("decoded");   // empty: an error mark instead
    QTest::newRow("EAN-13, 12 digits") << int(Symbology::Ean13) << "690123456789" << "EAN-13:6901234567892";
    QTest::newRow("EAN-13, right check digit") << int(Symbology::Ean13) << "6901234567892" << "EAN-13:6901234567892";
    QTest::newRow("EAN-13, wrong check digit") << int(Symbology::Ean13) << "6901234567893" << "";
    QTest::newRow("EAN-13, letters") << int(Symbology::Ean13) << "69012345678A" << "";
    QTest::newRow("EAN-13, empty") << int(Symbology::Ean13) << "" << "";
    QTest::newRow("EAN-8, 7 digits") << int(Symbology::Ean8) << "9638507" << "EAN-8:96385074";
    QTest::newRow("Code 128") << int(Symbology::Code128) << "YP0000123" << "CODE-128:YP0000123";
    QTest::newRow("Code 39") << int(Symbology::Code39) << "YP123" << "CODE-39:YP123";
    QTest::newRow("QR code, Chinese") << int(Symbology::QrCode) << "阿莫西林 6901234567892" << "QR-Code:阿莫西林 6901234567892";
}

void TestLabels::barcodeDataIsCheckedNotGuessed()
{
    QFETCH(int, symbology);
    QFETCH(QString, data);
    QFETCH(QString, decoded);
    QTemporaryDir dir;
    QImage image(900, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString error;
    {
        QPainter painter(&image);
        error = drawBarcode(painter, QRectF(50, 50, 800, 400), Symbology(symbology), data, true);
    }
    const QString png = dir.filePath(QStringLiteral("code.png"));
    QVERIFY(image.save(png));
    const QString found = run(QStringLiteral("zbarimg"), {QStringLiteral("-q"), png}).trimmed();
    if (decoded.isEmpty()) {
        QVERIFY(!error.isEmpty());
        QCOMPARE(found, QString()); // never a wrong barcode
    } else {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(found, decoded);
    }
}

void TestLabels::unknownDataSetOrFieldIsAnError()
{
    Report report = readTemplate(QStringLiteral("标签100.fr3"));
    report.pages[0].bands[0].dataSet = QStringLiteral("other");
    QVERIFY_THROWS_EXCEPTION(ReportError, prepareReport(report, goodsRows(1)));
    report = readTemplate(QStringLiteral("标签100.fr3"));
    std::get<Text>(report.pages[0].bands[0].objects[1].content).text = QStringLiteral("[dybst.\"没有的字段\"]");
    try {
        prepareReport(report, goodsRows(1));
        QFAIL("an unknown field was prepared");
    } catch (const ReportError &e) {
        QVERIFY(e.text().contains(QStringLiteral("没有的字段")));
    }
}

void TestLabels::previewPagesNavigatesFindsAndExports()
{
    QTemporaryDir dir;
    RecordingPrinter printer;
    QString asked;
    QString notices;
    PreviewWindow::setFileChooser([&](QWidget *, const QString &, const QString &, bool) { return asked; });
    PreviewWindow::setNotice([&](QWidget *, const QString &text) { notices += text; });
    const PreparedReport prepared = prepareReport(readTemplate(QStringLiteral("标签100.fr3")), goodsRows(3));
    PreviewWindow::Settings settings;
    settings.printOptions.copies = 5;
    PreviewWindow preview(prepared, settings);
    preview.show();
    QVERIFY(preview.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(preview.pageView()->zoom(), 1.0);

    preview.goToPage(2);
    QCOMPARE(preview.currentPage(), 2);
    preview.findChild<QAction *>(QStringLiteral("firstPageButton"))->trigger();
    QCOMPARE(preview.currentPage(), 0);
    QVERIFY(preview.find(QStringLiteral("板蓝根颗粒2")));
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(!preview.find(QStringLiteral("没有这个")));

    preview.findChild<QAction *>(QStringLiteral("printButton"))->trigger();
    QCOMPARE(printer.jobs.size(), 1);
    QCOMPARE(printer.jobs[0].copies, 5); // the dialog starts at the report's copies
    QCOMPARE(printer.jobs[0].pages, 3);
    QVERIFY(printer.jobs[0].dialog);

    asked = dir.filePath(QStringLiteral("out"));
    preview.exportPdf();
    QCOMPARE(run(QStringLiteral("pdfinfo"), {asked + QStringLiteral(".pdf")}).contains(QStringLiteral("Pages:           3")), true);
    preview.exportJpeg();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("out-3.jpg"))));
    preview.exportXlsx();
    QVERIFY(QFileInfo(asked + QStringLiteral(".xlsx")).size() > 0);

    asked = dir.filePath(QStringLiteral("saved.fp3"));
    preview.savePrepared();
    preview.applyPageSetup(5, 5, 5, 5, true);
    QCOMPARE(preview.prepared().pageTemplate(0).width, 40.0);
    preview.openPrepared();
    QCOMPARE(preview.prepared().pages.size(), 3);
    QCOMPARE(preview.prepared().pageTemplate(0).width, 60.0);
    QVERIFY(!preview.findChild<QAction *>(QStringLiteral("editButton"))->isEnabled());
    QVERIFY(notices.isEmpty());

    asked = dir.filePath(QStringLiteral("out.pdf"));
    QFile::remove(asked);
    preview.findChild<QAction *>(QStringLiteral("quickExportButton"))->trigger();
    QVERIFY(QFile::exists(asked));
    QFile bad(dir.filePath(QStringLiteral("bad.fp3")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a report");
    bad.close();
    asked = bad.fileName();
    preview.findChild<QAction *>(QStringLiteral("openButton"))->trigger();
    QVERIFY(notices.contains(QStringLiteral("不是本程序保存的报表文件")));
    QCOMPARE(preview.prepared().pages.size(), 3);
}

QTEST_MAIN(TestLabels)
#include "test_labels.moc"
