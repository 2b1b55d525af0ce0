// Start-up, the main window's layout and its context menu, shutdown.
#include "about.h"
#include "bqdy.h"
#include "epass.h"
#include "errorreport.h"
#include "login.h"
#include "modal.h"
#include "query.h"
#include "scriptedprompts.h"
#include "sp.h"
#include "testdatabase.h"
#include "windowset.h"
#include "wzdsp.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

// Logs in as Admin and runs `whileOpen` in the main window.
void inMainWindow(WindowSet &windows, const std::function<void()> &whileOpen)
{
    windows.login().show();
    QVERIFY(whileModal(windows.main(), [&] { windows.login().findChild<QPushButton *>(QStringLiteral("dlbtn"))->click(); },
                       whileOpen));
}

QAction *menuEntry(WindowSet &windows, const char *name)
{
    return windows.main().popupMenu()->findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void windowsHaveTheirCaptions();
    void mainWindowLayout();
    void contextMenuEntriesInOrder();
    void menuEntriesShowTheirWindowModally_data();
    void menuEntriesShowTheirWindowModally();
    void returningFromAWindowDoesNotRereadThePrintList();
    void closeButtonEndsTheProgram();
    void missingDatabaseIsReportedAndTheProgramGoesOn();
    void errorReportAddsAFullStop_data();
    void errorReportAddsAFullStop();
};

void TestStartup::windowsHaveTheirCaptions()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    QCOMPARE(windows.login().windowTitle(), QStringLiteral("登录"));
    QVERIFY(windows.main().windowTitle().startsWith(QStringLiteral("Tavrin医药标价签条码打印软件V2.0  ")));
    QCOMPARE(windows.notFound().windowTitle(), QStringLiteral("未找到的商品"));
    QCOMPARE(windows.about().windowTitle(), QStringLiteral("关于软件"));
    QCOMPARE(windows.accounts().windowTitle(), QStringLiteral("增加用户、设置权限、密码"));
    QCOMPARE(windows.catalogue().windowTitle(), QStringLiteral("商品资料"));
    QCOMPARE(QApplication::applicationName(), applicationTitle());
    QVERIFY(prompts.shown.isEmpty()); // nothing runs a statement before it is shown
}

void TestStartup::mainWindowLayout()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    TbqForm &main = windows.main();
    auto geometry = [&](const char *name) { return main.findChild<QWidget *>(QString::fromLatin1(name))->geometry(); };
    QCOMPARE(geometry("lcp"), QRect(88, 8, 177, 23));
    QCOMPARE(geometry("sm"), QRect(336, 8, 177, 23));
    QCOMPARE(geometry("dybtn"), QRect(630, 5, 107, 26));
    QCOMPARE(geometry("sj"), QRect(896, 38, 65, 23));
    QCOMPARE(geometry("ltempedit").width(), 0);
    QCOMPARE(geometry("Panel1").height(), 73);
    for (const char *box : {"cp", "gy", "cj", "gg", "sj"})
        QVERIFY(main.findChild<QLineEdit *>(QString::fromLatin1(box))->isReadOnly());
    QVERIFY(main.findChild<QWidget *>(QStringLiteral("skcp"))->isHidden());
    QVERIFY(main.findChild<QWidget *>(QStringLiteral("pgb"))->isHidden());

    // Tab order as the shop knows it.
    QStringList order;
    QWidget *w = main.findChild<QWidget *>(QStringLiteral("lcp"));
    for (int i = 0; i < 13; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order.mid(0, 5), (QStringList{"lcp", "sm", "dybtn", "BitBtn3", "tempedit"}));

    auto *grid = main.findChild<QTableView *>(QStringLiteral("bqgrid"));
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles << grid->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"全选", "行", "药品编号", "药品全名", "供应商", "规格", "生产厂家", "条形码", "单位", "售价", "份数"}));
    QCOMPARE(grid->columnWidth(3), 163);
}

void TestStartup::contextMenuEntriesInOrder()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    QStringList names;
    QStringList captions;
    for (QAction *action : windows.main().popupMenu()->actions()) {
        names << action->objectName();
        captions << action->text();
    }
    QCOMPARE(names, (QStringList{"N1", "N2", "N3", "Excel1", "Excel2", "N5", "N6", "N9", "N8", "N10", "N11", "N12", "N13", "N7"}));
    QCOMPARE(captions.mid(0, 6), (QStringList{"删除当前行", "删除所有", "-------------", "从Excel导入", "导出Excel", "未找到的商品"}));
    QCOMPARE(captions.at(13), QStringLiteral("关于软件"));

    // A divider can be clicked and does nothing.
    bool anything = false;
    inMainWindow(windows, [&] {
        for (const char *divider : {"N3", "N6", "N10"}) {
            menuEntry(windows, divider)->trigger();
            anything = anything || QApplication::activeModalWidget() != &windows.main();
        }
    });
    QVERIFY(!anything);
    QVERIFY(prompts.shown.isEmpty());
}

void TestStartup::menuEntriesShowTheirWindowModally_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::newRow("N5") << "N5" << "Twzdform";
    QTest::newRow("N9") << "N9" << "TSpForm";
    QTest::newRow("N8") << "N8" << "TepassForm";
    QTest::newRow("N7") << "N7" << "TabForm";
}

void TestStartup::menuEntriesShowTheirWindowModally()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    QDialog *target = windows.main().findChild<QDialog *>(window);
    QVERIFY(target);
    QString modal;
    inMainWindow(windows, [&] {
        QVERIFY(whileModal(*target, [&] { menuEntry(windows, entry.toLatin1().constData())->trigger(); },
                           [&] { modal = QApplication::activeModalWidget()->objectName(); }));
        QVERIFY(windows.main().isVisible()); // back in the main window
    });
    QCOMPARE(modal, window);
}

void TestStartup::returningFromAWindowDoesNotRereadThePrintList()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    int before = -1;
    int after = -1;
    inMainWindow(windows, [&] {
        before = windows.main().bqqry().recordCount();
        QVERIFY(whileModal(windows.catalogue(), [&] { menuEntry(windows, "N9")->trigger(); },
                           [&] { db.exec(QStringLiteral("insert into bqdy (药品编号) values ('YP1')")); }));
        after = windows.main().bqqry().recordCount();
    });
    QCOMPARE(before, 0);
    QCOMPARE(after, 0);
    QVERIFY(windows.main().wzdqry().isOpen());
}

void TestStartup::closeButtonEndsTheProgram()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    const int exitCode = runProgramLoop([&] {
        inMainWindow(windows, [&] { windows.main().findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click(); });
    });
    QCOMPARE(exitCode, 0);
    QVERIFY(!windows.main().isVisible());
    QVERIFY(!windows.login().isVisible());
}

void TestStartup::missingDatabaseIsReportedAndTheProgramGoesOn()
{
    TestDatabase db;
    QVERIFY(QFile::remove(db.path()));
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].caption, applicationTitle());
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Error);
    QVERIFY(prompts.shown[0].text.contains(QStringLiteral("找不到数据库文件")));
    QVERIFY(prompts.shown[0].text.endsWith(QLatin1Char('.')));

    windows.login().show(); // filling the user list fails the same way; the window stays
    QVERIFY(windows.login().isVisible());
    prompts.shown.clear();
    windows.login().findChild<QPushButton *>(QStringLiteral("dlbtn"))->click();
    QCOMPARE(prompts.shown.size(), 1);
    QVERIFY(prompts.shown[0].text.contains(QStringLiteral("找不到数据库文件")));
    QVERIFY(!windows.main().isVisible());
    QVERIFY(!QFile::exists(db.path()));
}

void TestStartup::errorReportAddsAFullStop_data()
{
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Chinese") << "找不到文件" << "找不到文件.";
    QTest::newRow("letter") << "file not found" << "file not found.";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("full-width exclamation sorts after") << "错误！" << "错误！.";
    QTest::newRow("ASCII exclamation") << "wrong!" << "wrong!";
    QTest::newRow("empty") << "" << "";
}

void TestStartup::errorReportAddsAFullStop()
{
    QFETCH(QString, error);
    QFETCH(QString, shown);
    QCOMPARE(errorReportText(error), shown);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
