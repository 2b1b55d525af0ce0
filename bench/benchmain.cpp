// bq-bench: speed of the program's everyday work on synthetic catalogues of 10k, 100k
// and 1M goods, each figure beside the straightforward way measured in the same run.
//
//   bq-bench [--quick] [GROUP...]          groups: scan search render print (all when none is named;
//                                          print needs a default printer)
//   bq-bench --make-catalogue N FOLDER     adds N goods to FOLDER/trfp.mdb (delivered
//                                          database and workgroup file made when missing)
//
// Catalogues are generated once into ./bench-data and reused.
#include "cataloguegenerator.h"
#include "connection.h"
#include "connectionstring.h"
#include "deliveredfiles.h"
#include "engineerror.h"
#include "exports.h"
#include "fonts.h"
#include "picklist.h"
#include "plainsearch.h"
#include "printlist.h"
#include "printservice.h"
#include "query.h"
#include "reportfile.h"
#include "sqlite.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <random>

namespace {

QTextStream out(stdout);

struct Size {
    QString name;
    int goods;
};

// The window the operations report to: boxes that hold text and nothing else.
class BenchWindow : public PrintListWindow {
public:
    QString lcp, sm;
    QString scanBoxText() const override { return lcp; }
    void clearScanBox() override { lcp.clear(); }
    void focusScanBox() override {}
    QString queryBoxText() const override { return sm; }
    void clearQueryBox() override { sm.clear(); }
    void focusQueryBox() override {}
    void hidePickList() override {}
    void setDetailBox(DetailBox, const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

double percentile95(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(qMin(int(values.size()) - 1, int(values.size() * 0.95)));
}

void report(const QString &name, double value, double baseline, const QString &unit)
{
    out << name << ": " << QString::number(value, 'f', unit == QLatin1String("MiB") ? 0 : 2) << ' ' << unit
        << " (baseline " << QString::number(baseline, 'f', unit == QLatin1String("MiB") ? 0 : 2) << ' ' << unit
        << ", x" << QString::number(value > 0 ? baseline / value : 0, 'f', 1) << ")\n";
    out.flush();
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Adds `goods` generated goods to the catalogue of the database in `folder` (written as
// delivered when missing), numbered after the goods already there.
QString fillCatalogue(const QString &folder, int goods)
{
    QDir().mkpath(folder);
    DeliveredFiles::createMissing(folder);
    const QString programDir = QDir(folder).absolutePath() + QLatin1Char('/');
    Connection connection;
    connection.setConnectionString(mainConnectionString(programDir));
    connection.open();
    int first = 1;
    {
        SqliteStatement count(connection.database(), QStringLiteral("SELECT count(*) FROM sp"));
        count.step();
        first += count.column(0).toInt();
    }
    CatalogueGenerator generator;
    for (int n = first; n < first + goods; n += 50000)
        generator.fill(connection.database(), n, qMin(50000, first + goods - n));
    connection.database().exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return programDir;
}

QString catalogueFor(const Size &size)
{
    const QString folder = QDir::current().filePath(QStringLiteral("bench-data/") + size.name);
    if (QFile::exists(QDir(folder).filePath(QStringLiteral("trfp.mdb"))))
        return QDir(folder).absolutePath() + QLatin1Char('/');
    QTextStream(stderr) << "generating a catalogue of " << size.goods << " goods in " << folder << " ...\n";
    return fillCatalogue(folder, size.goods);
}

std::unique_ptr<Connection> connect(const QString &folder)
{
    auto connection = std::make_unique<Connection>();
    connection->setConnectionString(mainConnectionString(folder));
    connection->open();
    return connection;
}

// The plain statement of the five-field search, read into a full snapshot.
double plainSnapshotMs(Connection &cnn, const QString &text, bool ordered)
{
    Query plain(cnn);
    setPlainFiveFieldSearch(plain, text, ordered);
    QElapsedTimer timer;
    timer.start();
    plain.open();
    return msSince(timer);
}

// Keystrokes as an operator types them: every prefix (1 to 13 characters) of a code,
// barcode, name, maker or specification of goods picked at random.
QStringList keystrokes(int goods, int words, quint32 seed)
{
    std::mt19937 random(seed);
    CatalogueGenerator generator;
    QStringList texts;
    for (int w = 0; w < words; ++w) {
        const GeneratedGoods g = generator.goods(int(random() % quint32(goods)) + 1);
        const QString fields[] = {g.code, g.barcode, g.name, g.maker, g.specification};
        const QString word = fields[w % 5];
        for (int length = 1; length <= qMin(13, int(word.size())); ++length)
            texts << word.left(length);
    }
    return texts;
}

struct ScanRig {
    std::unique_ptr<Connection> cnn;
    Query bqqry{*cnn};
    Query wzdqry{*cnn};
    BenchWindow window;
    PrintList list{*cnn, bqqry, wzdqry, window};

    explicit ScanRig(const QString &folder, int goods) : cnn(connect(folder))
    {
        Query work(*cnn);
        work.setSql(QStringLiteral("delete from bqdy"));
        work.execSql();
        work.setSql(QStringLiteral("delete from wzdsp"));
        work.execSql();
        // A print list of 200 rows, as a busy shop has.
        work.setSql(QStringLiteral("insert into bqdy (选择, 药品编号, 药品全名, 供应商, 规格, 生产厂家, 条形码, 单位, 售价, 份数)"
                                   " select 1, 药品编号, 药品全名, 供应商, 规格, 生产厂家, 条形码, 单位, 售价, 1 from sp"
                                   " where 编号 % :step = 0 limit 200"));
        work.setParameter(QStringLiteral("step"), qMax(1, goods / 200));
        work.execSql();
        bqqry.setSql(QStringLiteral("select * from bqdy order by id desc"));
        wzdqry.setSql(QStringLiteral("select * from wzdsp order by id desc"));
        bqqry.open();
        wzdqry.open();
    }
    double scan(const QString &text)
    {
        window.lcp = text;
        QElapsedTimer timer;
        timer.start();
        list.AddFromScanBox();
        return msSince(timer);
    }
    void dropNewest()   // keeps the list at its 200 rows between samples
    {
        Query work(*cnn);
        work.setSql(QStringLiteral("delete from bqdy where id > 200"));
        work.execSql();
        list.ReloadPrintList();
    }
};

void benchScan(const Size &size, int samples, int baselineSamples)
{
    const QString folder = catalogueFor(size);
    ScanRig rig(folder, size.goods);
    std::mt19937 random(7);
    CatalogueGenerator generator;

    QVector<double> found, foundBaseline, missing, missingBaseline;
    for (int i = 0; i < samples; ++i) {
        const QString barcode = generator.goods(int(random() % quint32(size.goods)) + 1).barcode;
        const double ms = rig.scan(barcode);
        found << ms;
        if (i < baselineSamples)
            foundBaseline << plainSnapshotMs(*rig.cnn, barcode, false) + ms;
        rig.dropNewest();
    }
    for (int i = 0; i < samples; ++i) {
        const QString text = QStringLiteral("68%1").arg(qulonglong(random()) * 1000 + i, 11, 10, QLatin1Char('0'));
        const double ms = rig.scan(text);
        missing << ms;
        if (i < baselineSamples)
            missingBaseline << plainSnapshotMs(*rig.cnn, text, false) + ms;
    }
    report(QStringLiteral("scan.found.p95.") + size.name, percentile95(found), percentile95(foundBaseline), QStringLiteral("ms"));
    report(QStringLiteral("scan.notfound.p95.") + size.name, percentile95(missing), percentile95(missingBaseline), QStringLiteral("ms"));
}

void benchSearch(const Size &size, int words, int baselineSamples)
{
    const QString folder = catalogueFor(size);
    auto cnn = connect(folder);
    PickList pickList(*cnn);
    const QStringList texts = keystrokes(size.goods, words, 11);
    QVector<double> times, baseline;
    for (const QString &text : texts) {
        QElapsedTimer timer;
        timer.start();
        pickList.search(text);   // the first screen of rows is read
        times << msSince(timer);
    }
    // The straightforward way on an even spread of the same keystrokes.
    for (int i = 0; i < baselineSamples; ++i)
        baseline << plainSnapshotMs(*cnn, texts.at(int(qint64(i) * texts.size() / baselineSamples)), true);
    report(QStringLiteral("search.keystroke.p95.") + size.name, percentile95(times), percentile95(baseline), QStringLiteral("ms"));
}

double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Child process: scans and searches a catalogue one way, then prints its peak memory.
int memoryProbe(const QString &folder, bool plain, int goods)
{
    const QStringList texts = keystrokes(goods, plain ? 4 : 40, 13);
    if (plain) {
        auto cnn = connect(folder);
        for (const QString &text : texts)
            plainSnapshotMs(*cnn, text, true);
    } else {
        ScanRig rig(folder, goods);
        PickList pickList(*rig.cnn);
        CatalogueGenerator generator;
        for (int i = 0; i < 200; ++i)
            rig.scan(generator.goods(i * 4999 % goods + 1).barcode);
        for (const QString &text : texts) {
            pickList.search(text);
            for (int screens = 0; screens < 5 && pickList.canFetchMore({}); ++screens)
                pickList.fetchMore({}); // the operator scrolls a little
        }
    }
    out << peakMiB() << "\n";
    return 0;
}

DataRows renderRows(int rows)
{
    DataRows data;
    data.name = QStringLiteral("dybst");
    data.columns = QStringList{"id", "选择", "药品编号", "药品全名", "供应商", "规格", "生产厂家", "条形码", "单位", "售价", "份数"};
    CatalogueGenerator generator;
    for (int n = 1; n <= rows; ++n) {
        const GeneratedGoods g = generator.goods(n);
        data.rows << QVector<QVariant>{n, 1, g.code, g.name, g.supplier, g.specification, g.maker, g.barcode, g.unit, g.price, 1};
    }
    return data;
}

// Child process: `rows` goods, one copy each, through a template, either as one run into
// one PDF (as bq-render does) or, the straightforward way, one run and one PDF per row.
// Prints seconds and peak memory.
int renderProbe(const QString &templatePath, const QString &folder, int rows, bool perRow)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError(QStringLiteral("不能打开模板“%1”").arg(templatePath));
    const ReportModel::Report report = ReportFile::read(file.readAll());
    const DataRows data = renderRows(rows);
    if (perRow) {
        for (int r = 0; r < rows; ++r) {
            DataRows one = data;
            one.rows = {data.rows.at(r)};
            Exports::pdf(prepareReport(report, one), QDir(folder).filePath(QStringLiteral("row-%1.pdf").arg(r)));
        }
    } else {
        Exports::pdf(prepareReport(report, data), QDir(folder).filePath(QStringLiteral("run.pdf")));
    }
    QTextStream(stdout) << timer.nsecsElapsed() / 1e9 << ' ' << peakMiB() << "\n";
    return 0;
}

QStringList renderFigures(bool perRow)
{
    QTemporaryDir dir;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--render-probe"), QStringLiteral(BQ_TEMPLATES "/标签100.fr3"), dir.path(), QStringLiteral("1000"),
                 perRow ? QStringLiteral("per-row") : QStringLiteral("one-run")});
    child.waitForFinished(-1);
    return QString::fromUtf8(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
}

void benchRender()
{
    const QStringList run = renderFigures(false);
    const QStringList perRow = renderFigures(true);
    report(QStringLiteral("render.labels.1000"), run.value(0).toDouble(), perRow.value(0).toDouble(), QStringLiteral("s"));
    report(QStringLiteral("render.labels.1000.memory"), run.value(1).toDouble(), perRow.value(1).toDouble(), QStringLiteral("MiB"));
}

// A direct-print run of 100 rows, one print job per row as the print job sends them, to
// the system's default printer: the time per row until the job is with the print system,
// beside drawing the same row into a PDF file alone.
void benchPrint()
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QTextStream(stderr) << "print: no default printer (scripts/start-cups.sh starts one); skipped\n";
        return;
    }
    QFile file(QStringLiteral(BQ_TEMPLATES "/标签100.fr3"));
    file.open(QIODevice::ReadOnly);
    const ReportModel::Report label = ReportFile::read(file.readAll());
    const DataRows data = renderRows(100);
    QTemporaryDir dir;
    QElapsedTimer timer;
    double printed = 0, drawn = 0;
    for (int r = 0; r < 100; ++r) {
        DataRows one = data;
        one.rows = {data.rows.at(r)};
        const PreparedReport prepared = prepareReport(label, one);
        timer.start();
        PrintService::current().print(prepared, label.printOptions, false, false, nullptr);
        printed += msSince(timer);
        timer.start();
        Exports::pdf(prepared, dir.filePath(QStringLiteral("row.pdf")));
        drawn += msSince(timer);
    }
    report(QStringLiteral("print.direct.perrow.100"), printed / 100, drawn / 100, QStringLiteral("ms"));
}

double probe(const QString &folder, bool plain, int goods)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory-probe"), folder, plain ? QStringLiteral("plain") : QStringLiteral("program"),
                 QString::number(goods)});
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char *argv[])
{
    // Labels are drawn with real fonts, which needs the GUI library but no screen.
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFontSubstitutes();
    QStringList args = app.arguments().mid(1);
    try {
        if (args.value(0) == QLatin1String("--memory-probe"))
            return memoryProbe(args.value(1), args.value(2) == QLatin1String("plain"), args.value(3).toInt());
        if (args.value(0) == QLatin1String("--render-probe"))
            return renderProbe(args.value(1), args.value(2), args.value(3).toInt(), args.value(4) == QLatin1String("per-row"));
        if (args.value(0) == QLatin1String("--make-catalogue")) {
            if (args.size() != 3 || args.at(1).toInt() <= 0) {
                QTextStream(stderr) << "usage: bq-bench --make-catalogue N FOLDER\n";
                return 2;
            }
            fillCatalogue(args.at(2), args.at(1).toInt());
            return 0;
        }
        const bool quick = args.removeAll(QStringLiteral("--quick")) > 0;
        const QStringList known{QStringLiteral("scan"), QStringLiteral("search"), QStringLiteral("render"), QStringLiteral("print")};
        for (const QString &group : args)
            if (!known.contains(group)) {
                QTextStream(stderr) << "bq-bench: unknown group " << group << " (groups: " << known.join(QLatin1Char(' ')) << ")\n";
                return 2;
            }
        const QStringList groups = args.isEmpty() ? known : args;
        const Size k10{QStringLiteral("10k"), 10000}, k100{QStringLiteral("100k"), 100000}, m1{QStringLiteral("1m"), 1000000};
        const QList<Size> sizes = quick ? QList<Size>{k100} : QList<Size>{k10, k100, m1};

        if (groups.contains(QStringLiteral("scan")))
            for (const Size &size : sizes)
                benchScan(size, 300, size.goods >= 1000000 ? 5 : 20);
        if (groups.contains(QStringLiteral("search")))
            for (const Size &size : sizes)
                benchSearch(size, quick ? 40 : 100, size.goods >= 1000000 ? 5 : 15);
        if (!quick && groups.contains(QStringLiteral("render")))
            benchRender();
        if (!quick && groups.contains(QStringLiteral("print")))
            benchPrint();
        if (!quick && groups.contains(QStringLiteral("search"))) {
            const QString folder = catalogueFor(m1);
            report(QStringLiteral("memory.peak.1m"), probe(folder, false, m1.goods), probe(folder, true, m1.goods), QStringLiteral("MiB"));
        }
    } catch (const EngineError &e) {
        QTextStream(stderr) << "bq-bench: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
