// The main window driven by the keyboard and mouse as the operator does: scanning,
// searching and picking, the tick title, the copies editor and the footer.
#include "bqdy.h"
#include "gridfooter.h"
#include "login.h"
#include "modal.h"
#include "query.h"
#include "scriptedprompts.h"
#include "testdatabase.h"
#include "windowset.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

class MainWindowFixture {
public:
    TestDatabase db;
    ScriptedPrompts prompts;
    std::unique_ptr<WindowSet> windows;

    MainWindowFixture()
    {
        db.exec(QStringLiteral(
            "insert into sp (药品编号, 药品全名, 供应商, 规格, 生产厂家, 条形码, 单位, 售价) values "
            "('YP3', '阿莫西林胶囊', '国药', '0.25g*24粒', '华北制药', '6901234567892', '盒', 12.5),"
            "('YP1', '板蓝根颗粒', '九州通', '10g*20袋', '白云山', '6907654321098', '袋', 15),"
            "('YP2', '阿奇霉素片', '华润', '0.25g*6片', '石药', '6905555555553', '盒', 22)"));
        windows = std::make_unique<WindowSet>(db.folder());
    }
    TbqForm &main() const { return windows->main(); }
    template <typename T = QWidget> T *w(const char *name) const
    {
        T *widget = main().findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    // Logs in and runs `body` with the main window open.
    void run(const std::function<void()> &body)
    {
        windows->login().show();
        const bool shown = whileModal(main(), [&] { windows->login().findChild<QPushButton *>(QStringLiteral("dlbtn"))->click(); },
                                      [&] {
                                          QVERIFY(QTest::qWaitForWindowActive(&main()));
                                          body();
                                      });
        QVERIFY(shown);
    }
    void type(const char *box, const QString &text, bool enter = true)
    {
        QWidget *target = w(box);
        target->setFocus();
        typeText(target, text);
        if (enter)
            QTest::keyClick(target, Qt::Key_Return);
    }
    QString rows() const
    {
        auto connection = db.connect();
        Query q(*connection);
        q.setSql(QStringLiteral("select 药品编号, 份数, 选择, 供应商 from bqdy order by id"));
        q.open();
        QStringList out;
        for (q.first(); !q.eof(); q.next())
            out << QStringList{q.text("药品编号"), q.text("份数"), q.text("选择"), q.text("供应商")}.join(QLatin1Char(','));
        return out.join(QLatin1Char('|'));
    }
    QString focus() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QAbstractItemModel *grid() const { return w<QTableView>("bqgrid")->model(); }
    QString footer(int column) const { return main().footer()->text(column); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void scanningFillsTheListAndKeepsTheFocus();
    void pickListFollowsTheSearchBox();
    void enterInTheSearchBoxAddsTheFirstMatch();
    void tickTitleTogglesEveryRow();
    void gridShowsRowNumbersColoursAndTotals();
    void copiesFromTheDropDownAreStoredOnLeavingTheColumn();
    void lettersInCopiesAreReportedAndNothingElseIsLost();
    void aBlankRowIsNeverStored();
    void deleteEntriesAskFirst();
};

void TestMainWindow::scanningFillsTheListAndKeepsTheFocus()
{
    MainWindowFixture f;
    f.run([&] {
        f.type("lcp", QStringLiteral("6901234567892"));
        f.type("lcp", QStringLiteral("6901234567892"));
        f.type("lcp", QStringLiteral("nothing-like-it"));
        f.type("lcp", QString()); // Enter in an empty box changes nothing
        QCOMPARE(f.focus(), QStringLiteral("lcp"));
        QCOMPARE(f.w<QLineEdit>("lcp")->text(), QString());
        QCOMPARE(f.w<QLineEdit>("cp")->text(), QStringLiteral("阿莫西林胶囊"));
        QCOMPARE(f.w<QLineEdit>("sj")->text(), QStringLiteral("12.5"));
        QCOMPARE(f.grid()->rowCount(), 1);
        QCOMPARE(f.grid()->index(0, 10).data().toString(), QStringLiteral("2"));
    });
    QCOMPARE(f.rows(), QStringLiteral("YP3,2,1,国药"));
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from wzdsp")).toInt(), 1);
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestMainWindow::pickListFollowsTheSearchBox()
{
    MainWindowFixture f;
    f.run([&] {
        auto *panel = f.w("skcp");
        auto *lgrid = f.w<QTableView>("lgrid");
        f.type("sm", QStringLiteral("阿"), false);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->pos(), QPoint(335, 32));
        QCOMPARE(lgrid->model()->rowCount(), 2);
        QCOMPARE(lgrid->model()->index(0, 0).data().toString(), QStringLiteral("YP2")); // in code order
        QCOMPARE(f.focus(), QStringLiteral("sm"));

        QTest::keyClick(f.w("sm"), Qt::Key_Backspace);
        QVERIFY(!panel->isVisible());
        QTest::keyClick(f.w("sm"), Qt::Key_Down); // hidden: nothing
        QCOMPARE(f.focus(), QStringLiteral("sm"));

        typeText(f.w("sm"), QStringLiteral("0.25g"));
        QTest::keyClick(f.w("sm"), Qt::Key_Escape);
        f.type("lcp", QStringLiteral("6907654321098")); // a scan leaves the pick list shown
        QVERIFY(panel->isVisible());

        f.w("sm")->setFocus();
        QTest::keyClick(f.w("sm"), Qt::Key_Down);
        QCOMPARE(f.focus(), QStringLiteral("lgrid"));
        QTest::keyClick(lgrid, Qt::Key_Down);
        QTest::keyClick(lgrid, Qt::Key_Return); // picks the highlighted row: YP3
        QVERIFY(!panel->isVisible());
        QCOMPARE(f.w<QLineEdit>("sm")->text(), QString());
        QCOMPARE(f.focus(), QStringLiteral("sm"));

        f.type("sm", QStringLiteral("板蓝根"), false);
        const QRect cell = lgrid->visualRect(lgrid->model()->index(0, 1));
        QTest::mouseClick(lgrid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(lgrid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!panel->isVisible());

        f.type("sm", QStringLiteral("无此药"), false);
        QCOMPARE(lgrid->model()->rowCount(), 0);
        QTest::keyClick(f.w("sm"), Qt::Key_Down);
        QTest::keyClick(lgrid, Qt::Key_Return); // an empty pick list adds and records nothing
        QVERIFY(!panel->isVisible());
    });
    QCOMPARE(f.rows(), QStringLiteral("YP1,2,1,九州通|YP3,1,1,国药"));
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from wzdsp")).toInt(), 0);
}

void TestMainWindow::enterInTheSearchBoxAddsTheFirstMatch()
{
    MainWindowFixture f;
    f.run([&] {
        f.type("sm", QStringLiteral("板蓝根"));
        QVERIFY(!f.w("skcp")->isVisible());
        QCOMPARE(f.focus(), QStringLiteral("sm"));
        f.type("sm", QStringLiteral("无此药"));
        f.type("sm", QString());
    });
    QCOMPARE(f.rows(), QStringLiteral("YP1,1,1,九州通"));
    QCOMPARE(f.db.scalar(QStringLiteral("select 条码 from wzdsp")).toString(), QStringLiteral("无此药"));
}

void TestMainWindow::tickTitleTogglesEveryRow()
{
    MainWindowFixture f;
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数) values (0, 'A', 1), (1, 'B', 1)"));
    QStringList titles;
    QStringList ticks;
    f.run([&] {
        auto *header = f.w<QTableView>("bqgrid")->horizontalHeader();
        auto click = [&] {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(0) + 10, 5));
            titles << f.grid()->headerData(0, Qt::Horizontal).toString();
            ticks << f.rows();
        };
        QCOMPARE(f.grid()->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
        click();
        f.main().printList().ClearSelection(); // as the end of a print run does
        f.main().printList().ReloadPrintList();
        click();
        click();
    });
    QCOMPARE(titles, (QStringList{"反选", "全选", "反选"}));
    QCOMPARE(ticks, (QStringList{"A,1,1,|B,1,1,", "A,1,0,|B,1,0,", "A,1,1,|B,1,1,"}));
}

void TestMainWindow::gridShowsRowNumbersColoursAndTotals()
{
    MainWindowFixture f;
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数) values (1, 'A', 2), (0, 'B', NULL), (0, 'C', 5)"));
    f.run([&] {
        QAbstractItemModel *grid = f.grid();
        QCOMPARE(grid->index(0, 2).data().toString(), QStringLiteral("C")); // newest on top
        QCOMPARE(grid->index(0, 1).data().toString(), QStringLiteral("1"));
        QCOMPARE(grid->index(2, 1).data().toString(), QStringLiteral("3"));
        QVERIFY(!grid->index(0, 3).data(Qt::BackgroundRole).isValid());
        QCOMPARE(grid->index(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 220, 192));
        QCOMPARE(grid->index(2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE((QStringList{f.footer(0), f.footer(1), f.footer(9), f.footer(10)}), (QStringList{"品种", "3", "总份数", "7"}));
        f.type("lcp", QStringLiteral("6905555555553"));
        QCOMPARE(f.footer(1), QStringLiteral("4"));
        QCOMPARE(f.footer(10), QStringLiteral("8"));
        QCOMPARE(grid->index(0, 1).data().toString(), QStringLiteral("1"));
        QCOMPARE(grid->index(0, 2).data().toString(), QStringLiteral("YP2"));
    });
}

void TestMainWindow::copiesFromTheDropDownAreStoredOnLeavingTheColumn()
{
    MainWindowFixture f;
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数, 供应商) values (1, 'A', 1, '国药')"));
    f.run([&] {
        auto *grid = f.w<QTableView>("bqgrid");
        grid->setFocus();
        grid->setCurrentIndex(f.grid()->index(0, 10));
        grid->edit(f.grid()->index(0, 10));
        auto *editor = grid->findChild<QComboBox *>(QStringLiteral("copiesEditor"));
        QVERIFY(editor);
        QCOMPARE(editor->count(), 19);
        QCOMPARE(editor->itemText(10), QStringLiteral("20"));
        editor->setCurrentIndex(10);
        Q_EMIT editor->activated(10);
        QTest::keyClick(grid, Qt::Key_Left); // leaves the column
        QCOMPARE(f.rows(), QStringLiteral("A,20,1,国药"));

        grid->setCurrentIndex(f.grid()->index(0, 4));
        grid->edit(f.grid()->index(0, 4));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        typeText(QApplication::focusWidget(), QStringLiteral("华润"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(f.rows(), QStringLiteral("A,20,1,华润"));
        QCOMPARE(f.footer(10), QStringLiteral("20"));
    });
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestMainWindow::lettersInCopiesAreReportedAndNothingElseIsLost()
{
    MainWindowFixture f;
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数, 供应商) values (1, 'A', 1, '国药')"));
    f.run([&] {
        auto *grid = f.w<QTableView>("bqgrid");
        grid->setFocus();
        grid->setCurrentIndex(f.grid()->index(0, 4));
        f.grid()->setData(f.grid()->index(0, 4), QStringLiteral("华润"), Qt::EditRole);
        f.grid()->setData(f.grid()->index(0, 10), QStringLiteral("abc"), Qt::EditRole);
        grid->setCurrentIndex(f.grid()->index(0, 10));
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("份数")));
        QCOMPARE(f.grid()->index(0, 4).data().toString(), QStringLiteral("华润")); // still there, still unsaved
        f.grid()->setData(f.grid()->index(0, 10), QStringLiteral("3"), Qt::EditRole);
        grid->setCurrentIndex(f.grid()->index(0, 9));
    });
    QCOMPARE(f.rows(), QStringLiteral("A,3,1,华润"));
}

void TestMainWindow::aBlankRowIsNeverStored()
{
    MainWindowFixture f;
    f.run([&] {
        auto *grid = f.w<QTableView>("bqgrid");
        grid->setFocus(); // an empty list begins a blank row
        QCOMPARE(f.grid()->rowCount(), 1);
        f.w("lcp")->setFocus();
        f.type("lcp", QStringLiteral("6907654321098"));
        QCOMPARE(f.grid()->rowCount(), 1);
    });
    QCOMPARE(f.rows(), QStringLiteral("YP1,1,1,九州通"));
}

void TestMainWindow::deleteEntriesAskFirst()
{
    MainWindowFixture f;
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数) values (1, 'A', 1), (1, 'B', 1)"));
    f.run([&] {
        auto entry = [&](const char *name) { f.main().popupMenu()->findChild<QAction *>(QString::fromLatin1(name))->trigger(); };
        f.prompts.answerNext(true);
        entry("N1");
        QCOMPARE(f.grid()->rowCount(), 1);
        f.prompts.answerNext(false);
        entry("N2");
        QCOMPARE(f.grid()->rowCount(), 1);
    });
    QCOMPARE(f.rows(), QStringLiteral("A,1,1,"));
    QCOMPARE(f.prompts.shown.size(), 2);
    QCOMPARE(f.prompts.shown[0].caption, QStringLiteral("信息"));
    QCOMPARE(f.prompts.shown[1].text, QStringLiteral("您是否确定要删除所有记录吗?"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
