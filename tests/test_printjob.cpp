// Printing the ticked rows through the template menu of the main window: order, copies,
// direct or preview, the selection afterwards and the failures; one real print job to
// the print system's PDF queue.
#include "bqdy.h"
#include "login.h"
#include "modal.h"
#include "printservice.h"
#include "query.h"
#include "reporthost.h"
#include "reportobject.h"
#include "scriptedprompts.h"
#include "testdatabase.h"
#include "windowset.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

namespace {

struct Run {
    QString id;          // the row the run showed
    int copies;
    bool dialog;
    bool progress;
    int pages;
};

QString idOf(const PreparedReport &prepared)
{
    return prepared.data.rows.isEmpty() ? QStringLiteral("none") : prepared.data.value(0, QStringLiteral("id")).toString();
}

class RecordingPrinter : public PrintService {
public:
    QList<Run> runs;
    RecordingPrinter() { install(this); }
    ~RecordingPrinter() override { install(nullptr); }
    bool print(const PreparedReport &prepared, const ReportModel::PrintOptions &options, bool showDialog, bool showProgress,
               QWidget *) override
    {
        runs << Run{idOf(prepared), options.copies, showDialog, showProgress, int(prepared.pages.size())};
        return true;
    }
};

struct Fixture {
    TestDatabase db;
    ScriptedPrompts prompts;
    RecordingPrinter printer;
    QList<Run> previews;
    std::unique_ptr<WindowSet> windows;

    Fixture()
    {
        for (const QString &name : QDir(QStringLiteral(BQ_TEMPLATES)).entryList({QStringLiteral("*.fr3")}))
            QFile::copy(QDir(QStringLiteral(BQ_TEMPLATES)).filePath(name), db.folder() + name);
        db.exec(QStringLiteral("insert into bqdy (id, 选择, 药品编号, 药品全名, 条形码, 售价, 份数) values "
                               "(7, 1, 'YP7', '维C', '6901234567892', 3, 2), (8, 0, 'YP8', '甘草片', '6901234567885', 4, 1),"
                               "(9, 1, 'YP9', '板蓝根', '6901234567878', 5, 1), (12, 1, 'YP12', '阿莫西林', '6901234567861', 6, 5)"));
        ProgramReportHost::setPreviewOpener([this](ReportObject &report, QWidget *) {
            previews << Run{idOf(report.prepared()), report.printOptions().copies, report.printOptions().showDialog,
                            report.showProgress(), int(report.prepared().pages.size())};
        });
        windows = std::make_unique<WindowSet>(db.folder());
    }
    ~Fixture() { ProgramReportHost::setPreviewOpener(nullptr); }

    TbqForm &main() const { return windows->main(); }
    void run(const std::function<void()> &body)
    {
        windows->login().show();
        QVERIFY(whileModal(main(), [&] { windows->login().findChild<QPushButton *>(QStringLiteral("dlbtn"))->click(); }, body));
    }
    void choose(const char *entry) { main().templateMenu()->findChild<QAction *>(QString::fromLatin1(entry))->trigger(); }
    void direct(bool on) { main().findChild<QCheckBox *>(QStringLiteral("zjdy"))->setChecked(on); }
    QString ticked() const { return db.scalar(QStringLiteral("select group_concat(id) from (select id from bqdy where 选择=true order by id)")).toString(); }
    static QString ids(const QList<Run> &runs)
    {
        QStringList out;
        for (const Run &r : runs)
            out << QStringLiteral("%1x%2").arg(r.id).arg(r.copies);
        return out.join(QLatin1Char(' '));
    }
};

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void templateMenuHasItsEntries();
    void directPrintingSendsOneJobPerRowNewestFirst();
    void previewShowsEachRowAndStillClearsTheSelection();
    void directTickIsReadForEveryRow();
    void emptyCopiesStopTheRunAndKeepEveryTick();
    void missingTemplateIsNotReported();
    void copiesBeingTypedCountForTheRun();
    void noRowTickedPrintsNothing();
    void listPrintsEveryRowOnceAndKeepsTheTicks();
    void realPrintReachesThePdfQueue();
};

void TestPrintJob::templateMenuHasItsEntries()
{
    Fixture f;
    QStringList entries;
    for (QAction *action : f.main().templateMenu()->actions())
        entries << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(entries, (QStringList{"MenuItem1=标签 100", "MenuItem2=标签 65", "MenuItem4=标签 97", "N10111=标签 101-1",
                                   "N10121=标签 101-2", "A41=清单 A4"}));
}

void TestPrintJob::directPrintingSendsOneJobPerRowNewestFirst()
{
    Fixture f;
    const QString elsewhere = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath()); // templates come from the program's folder, not from here
    f.run([&] {
        f.direct(true);
        f.choose("N10111");
    });
    QDir::setCurrent(elsewhere);
    QCOMPARE(Fixture::ids(f.printer.runs), QStringLiteral("12x5 9x1 7x2"));
    for (const Run &run : f.printer.runs) {
        QVERIFY(!run.dialog);
        QVERIFY(!run.progress);
        QCOMPARE(run.pages, 1);
    }
    QCOMPARE(f.ticked(), QString());
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(f.main().bqprn()->fileName(), f.db.folder() + QStringLiteral("标签101-1.fr3"));
    QVERIFY(!f.main().dyqry().isOpen()); // the engine closed it after the last run
}

void TestPrintJob::previewShowsEachRowAndStillClearsTheSelection()
{
    Fixture f;
    f.run([&] { f.choose("MenuItem1"); });
    QCOMPARE(Fixture::ids(f.previews), QStringLiteral("12x5 9x1 7x2"));
    QVERIFY(f.previews[0].dialog); // printing from it asks first, starting at 5 copies
    QVERIFY(f.previews[0].progress);
    QVERIFY(f.printer.runs.isEmpty());
    QCOMPARE(f.ticked(), QString());

    // After a direct print the progress window stays off, for previews too.
    f.db.exec(QStringLiteral("update bqdy set 选择=1 where id in (7, 9)"));
    f.previews.clear();
    f.run([&] {
        f.main().printList().ReloadPrintList();
        f.direct(true);
        f.choose("MenuItem2");
        f.main().printList().SelectAll();
        f.direct(false);
        f.choose("MenuItem2");
    });
    QCOMPARE(Fixture::ids(f.printer.runs), QStringLiteral("9x1 7x2"));
    QCOMPARE(f.previews.size(), 4);
    QVERIFY(!f.previews[0].progress);
    QVERIFY(f.previews[0].dialog); // the dialog comes back with the next load
}

void TestPrintJob::directTickIsReadForEveryRow()
{
    Fixture f;
    f.run([&] {
        auto *zjdy = f.main().findChild<QCheckBox *>(QStringLiteral("zjdy"));
        ProgramReportHost::setPreviewOpener([&](ReportObject &report, QWidget *) {
            f.previews << Run{idOf(report.prepared()), report.printOptions().copies, true, true, 1};
            zjdy->setChecked(true); // ticked while the first preview is open
        });
        zjdy->setChecked(false);
        f.choose("MenuItem4");
    });
    QCOMPARE(Fixture::ids(f.previews), QStringLiteral("12x5"));
    QCOMPARE(Fixture::ids(f.printer.runs), QStringLiteral("9x1 7x2"));
}

void TestPrintJob::emptyCopiesStopTheRunAndKeepEveryTick()
{
    Fixture f;
    f.db.exec(QStringLiteral("update bqdy set 份数 = NULL where id = 9"));
    f.run([&] {
        f.direct(true);
        f.choose("MenuItem1");
    });
    QCOMPARE(Fixture::ids(f.printer.runs), QStringLiteral("12x5"));
    QCOMPARE(f.prompts.shown.size(), 1);
    QCOMPARE(f.prompts.shown[0].caption, QStringLiteral("Tavrin医药标价签条码打印软件V2.0"));
    QCOMPARE(f.prompts.shown[0].icon, Prompts::Icon::Error);
    QCOMPARE(f.ticked(), QStringLiteral("7,9,12"));
}

void TestPrintJob::missingTemplateIsNotReported()
{
    Fixture f;
    QFile::remove(f.db.folder() + QStringLiteral("标签65.fr3"));
    f.run([&] {
        f.direct(true);
        f.choose("MenuItem2");
    });
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(Fixture::ids(f.printer.runs), QStringLiteral("12x5 9x1 7x2"));
    for (const Run &run : f.printer.runs)
        QCOMPARE(run.pages, 0); // an empty report: nothing on paper
    QCOMPARE(f.ticked(), QString());
}

void TestPrintJob::copiesBeingTypedCountForTheRun()
{
    Fixture f;
    f.run([&] {
        auto *grid = f.main().findChild<QAbstractItemView *>(QStringLiteral("bqgrid"));
        grid->setFocus();
        grid->model()->setData(grid->model()->index(0, 10), QStringLiteral("4"), Qt::EditRole); // not yet saved
        f.direct(true);
        f.choose("MenuItem1");
    });
    QCOMPARE(Fixture::ids(f.printer.runs), QStringLiteral("12x4 9x1 7x2"));
    QCOMPARE(f.db.scalar(QStringLiteral("select 份数 from bqdy where id = 12")).toInt(), 4);
}

void TestPrintJob::noRowTickedPrintsNothing()
{
    Fixture f;
    f.db.exec(QStringLiteral("update bqdy set 选择 = 0"));
    int current = -1;
    f.run([&] {
        f.main().bqqry().setCurrentRow(2);
        f.direct(true);
        f.choose("MenuItem1");
        current = f.main().bqqry().currentRow();
    });
    QVERIFY(f.printer.runs.isEmpty());
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(current, 0); // reloaded, the top row current
}

void TestPrintJob::listPrintsEveryRowOnceAndKeepsTheTicks()
{
    Fixture f;
    QStringList rows;
    f.run([&] {
        f.direct(true);
        f.choose("MenuItem1"); // a label run whose first row had 5 copies
        f.db.exec(QStringLiteral("update bqdy set 选择 = 1 where id in (8, 12)"));
        f.choose("A41");
        const PreparedReport &list = f.main().bqprn()->prepared();
        for (int r = 0; r < list.data.rows.size(); ++r)
            rows << list.data.value(r, QStringLiteral("id")).toString();
        f.direct(false);
        f.choose("A41");
    });
    QCOMPARE(rows, (QStringList{"12", "9", "8", "7"}));
    QCOMPARE(f.printer.runs.size(), 4);
    QCOMPARE(f.printer.runs.last().copies, 1); // the template's copies, not the last row's
    QCOMPARE(f.printer.runs.last().pages, 1);
    QCOMPARE(f.previews.size(), 1);
    QCOMPARE(f.ticked(), QStringLiteral("8,12"));
    QCOMPARE(f.main().bqprn()->fileName(), f.db.folder() + QStringLiteral("清单A4.fr3"));
}

void TestPrintJob::realPrintReachesThePdfQueue()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-d")});
    lpstat.waitForFinished();
    if (!QString::fromUtf8(lpstat.readAllStandardOutput()).contains(QStringLiteral("PDF")))
        QSKIP("no print system with the PDF queue as its default (scripts/start-cups.sh starts one)");

    // cups-pdf writes into the job owner's home as the password database has it.
    const QDir output(QDir(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir)).filePath(QStringLiteral("PDF")));
    const QStringList before = output.entryList({QStringLiteral("*.pdf")});
    Fixture f;
    PrintService::install(nullptr); // the system's printers, for real
    f.db.exec(QStringLiteral("update bqdy set 选择 = 0 where id <> 7"));
    f.db.exec(QStringLiteral("update bqdy set 份数 = 3 where id = 7"));
    f.run([&] {
        f.direct(true);
        f.choose("MenuItem1");
    });
    QVERIFY(f.prompts.shown.isEmpty());

    QStringList added;
    QElapsedTimer waited;
    waited.start();
    while (added.isEmpty() && waited.elapsed() < 60000) {
        QTest::qWait(250);
        added = output.entryList({QStringLiteral("*.pdf")});
        for (const QString &name : before)
            added.removeAll(name);
    }
    QCOMPARE(added.size(), 1);
    QTest::qWait(500); // the queue finishes writing
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {output.filePath(added.first())});
    info.waitForFinished();
    const QString pages = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(pages.contains(QStringLiteral("Pages:           3")), qPrintable(pages)); // three copies of the label
    QVERIFY2(pages.contains(QStringLiteral("170 x 113")), qPrintable(pages));          // 60 x 40 mm
}

QTEST_MAIN(TestPrintJob)
#include "test_printjob.moc"
