// The windows opened from the main window's menu, driven as the operator drives them.
#include "about.h"
#include "bqdy.h"
#include "epass.h"
#include "login.h"
#include "modal.h"
#include "query.h"
#include "scriptedprompts.h"
#include "shell.h"
#include "sp.h"
#include "testdatabase.h"
#include "windowset.h"
#include "wzdsp.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

struct Fixture {
    TestDatabase db;
    ScriptedPrompts prompts;
    std::unique_ptr<WindowSet> windows = std::make_unique<WindowSet>(db.folder());

    TbqForm &main() const { return windows->main(); }
    void run(const std::function<void()> &body, const QString &user = QStringLiteral("Admin"), const QString &password = {})
    {
        windows->login().show();
        windows->login().findChild<QComboBox *>(QStringLiteral("UID"))->setEditText(user);
        windows->login().findChild<QLineEdit *>(QStringLiteral("upass"))->setText(password);
        QVERIFY(whileModal(main(), [&] { windows->login().findChild<QPushButton *>(QStringLiteral("dlbtn"))->click(); }, body));
    }
    // Opens a window from the context menu and runs `body` in it.
    void inWindow(QDialog &window, const char *entry, const std::function<void()> &body)
    {
        QVERIFY(whileModal(window, [&] { main().popupMenu()->findChild<QAction *>(QString::fromLatin1(entry))->trigger(); }, body));
    }
    QString column(const QString &sql) const { return db.scalar(QStringLiteral("select group_concat(x, '|') from (%1)").arg(sql)).toString(); }
};

void scan(TbqForm &main, const QString &text)
{
    auto *lcp = main.findChild<QLineEdit *>(QStringLiteral("lcp"));
    lcp->setText(text);
    QTest::keyClick(lcp, Qt::Key_Return);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void notFoundListShowsEveryScanNewestFirst();
    void notFoundCorrectionIsStoredOnMovingAndLostOnClosing();
    void notFoundDeletesAskFirst();
    void administratorKeepsEveryAccount();
    void otherUserSeesOnlyTheirOwnAccount();
    void renamedAccountIsNotFoundAgainInTheSameRun();
    void deletionIsHeldUntilSaved();
    void helpAndDownloadsGoToTheShell();
    void aboutBoxShowsTheSameEachTime();
    void catalogueSearchesAsTheOperatorTypes();
    void catalogueHoldsChangesUntilSavedOrClosed();
    void catalogueDeletions();
    void catalogueEnterMovesAcrossTheRow();
    void catalogueRefusesLettersInPriceAndKeepsTheChanges();
};

void TestWindows::notFoundListShowsEveryScanNewestFirst()
{
    Fixture f;
    QStringList shown;
    QPoint at;
    f.run([&] {
        for (int i = 0; i < 3; ++i)
            scan(f.main(), QStringLiteral("6909999999999"));
        scan(f.main(), QStringLiteral("无此药"));
        f.inWindow(f.windows->notFound(), "N5", [&] {
            auto *grid = f.windows->notFound().findChild<QTableView *>(QStringLiteral("DBGridEh1"));
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                shown << grid->model()->index(r, 0).data().toString() + QLatin1Char(':') + grid->model()->index(r, 1).data().toString();
            at = f.windows->notFound().pos();
        });
    });
    QCOMPARE(shown, (QStringList{"4:无此药", "3:6909999999999", "2:6909999999999", "1:6909999999999"}));
    QCOMPARE(at, QPoint(485, 250));
}

void TestWindows::notFoundCorrectionIsStoredOnMovingAndLostOnClosing()
{
    Fixture f;
    f.db.exec(QStringLiteral("insert into wzdsp (条码) values ('a'), ('b'), ('c')"));
    f.run([&] {
        Twzdform &window = f.windows->notFound();
        f.inWindow(window, "N5", [&] {
            auto *grid = window.findChild<QTableView *>(QStringLiteral("DBGridEh1"));
            grid->model()->setData(grid->model()->index(0, 1), QStringLiteral("c-改"), Qt::EditRole);
            grid->setCurrentIndex(grid->model()->index(1, 1)); // moving on stores it
            grid->model()->setData(grid->model()->index(1, 1), QStringLiteral("b-改"), Qt::EditRole);
        }); // closed while the second correction is still being edited
    });
    QCOMPARE(f.column(QStringLiteral("select 条码 x from wzdsp order by id")), QStringLiteral("a|b|c-改"));
}

void TestWindows::notFoundDeletesAskFirst()
{
    Fixture f;
    f.db.exec(QStringLiteral("insert into wzdsp (条码) values ('a'), ('b')"));
    f.db.exec(QStringLiteral("insert into bqdy (药品编号) values ('YP1')"));
    f.run([&] {
        Twzdform &window = f.windows->notFound();
        f.inWindow(window, "N5", [&] {
            auto click = [&](const char *name) { window.findChild<QPushButton *>(QString::fromLatin1(name))->click(); };
            f.prompts.answerNext(false);
            click("BitBtn2");
            f.prompts.answerNext(true);
            click("BitBtn2"); // the top row, 'b'
            QCOMPARE(window.wzdqry().recordCount(), 1);
            f.prompts.answerNext(true);
            click("BitBtn3");
            QCOMPARE(window.wzdqry().recordCount(), 0);
            f.prompts.answerNext(true);
            click("BitBtn2"); // an empty list: nothing happens
        });
    });
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from wzdsp")).toInt(), 0);
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from bqdy")).toInt(), 1);
    QCOMPARE(f.prompts.shown.size(), 4);
    QCOMPARE(f.prompts.shown[2].text, QStringLiteral("您是否确定要删除所有记录吗?"));
    QVERIFY(f.prompts.texts().filter(QStringLiteral("确定要删除这笔")).size() == 3);
}

namespace {

QStringList accountRows(TepassForm &window)
{
    auto *grid = window.findChild<QTableView *>(QStringLiteral("DBGridEh1"));
    QStringList rows;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        rows << grid->model()->index(r, 0).data().toString() + QLatin1Char('/') + grid->model()->index(r, 2).data().toString();
    return rows;
}

void typeInto(QWidget &window, const char *box, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(box));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

void click(QWidget &window, const char *button)
{
    window.findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

} // namespace

void TestWindows::administratorKeepsEveryAccount()
{
    Fixture f;
    f.db.exec(QStringLiteral("insert into usertable (用户, 密码, 职务, 权限) values ('Wang', 'pw', '店员', '操作'), ('Li', NULL, '会计', '财务')"));
    QStringList rows;
    bool controls = false;
    f.run([&] {
        TepassForm &window = f.windows->accounts();
        f.inWindow(window, "N8", [&] {
            rows = accountRows(window);
            controls = window.findChild<QWidget *>(QStringLiteral("qxedit"))->isVisible()
                && window.findChild<QWidget *>(QStringLiteral("addbtn"))->isVisible();
            click(window, "addbtn");
            typeInto(window, "uedit", QStringLiteral("Zhao"));
            window.findChild<QComboBox *>(QStringLiteral("qxedit"))->setCurrentIndex(2); // 操作
            click(window, "BitBtn3");
        });
    }, QStringLiteral("admin")); // the name in another letter case still finds the account
    QCOMPARE(rows, (QStringList{"Admin/管理", "Li/财务", "Wang/操作"}));
    QVERIFY(controls);
    QCOMPARE(f.column(QStringLiteral("select 权限 || ':' || ifnull(密码, 'Null') x from usertable where 用户='Zhao'")), QStringLiteral("操作:Null"));
    QCOMPARE(f.prompts.shown.size(), 1);
    QCOMPARE(f.prompts.shown[0].text, QStringLiteral("资料已保存!"));
    QCOMPARE(f.prompts.shown[0].caption, QStringLiteral("信息"));
    QCOMPARE(f.prompts.shown[0].icon, Prompts::Icon::None);
}

void TestWindows::otherUserSeesOnlyTheirOwnAccount()
{
    Fixture f;
    f.db.exec(QStringLiteral("insert into usertable (用户, 密码, 职务, 权限) values ('Wang', 'pw', '店员', '操作')"));
    QStringList rows;
    bool hidden = false;
    f.run([&] {
        TepassForm &window = f.windows->accounts();
        f.inWindow(window, "N8", [&] {
            rows = accountRows(window);
            hidden = window.findChild<QWidget *>(QStringLiteral("zwedit"))->isHidden()
                && window.findChild<QWidget *>(QStringLiteral("delbtn"))->isHidden();
            typeInto(window, "DBEdit2", QStringLiteral("new-pw"));
            click(window, "BitBtn3");
        });
    }, QStringLiteral("Wang"), QStringLiteral("pw"));
    QCOMPARE(rows, QStringList{"Wang/操作"});
    QVERIFY(hidden);
    QCOMPARE(f.column(QStringLiteral("select 密码 x from usertable where 用户='Wang'")), QStringLiteral("new-pw"));
}

void TestWindows::renamedAccountIsNotFoundAgainInTheSameRun()
{
    Fixture f;
    QStringList second;
    f.run([&] {
        TepassForm &window = f.windows->accounts();
        f.inWindow(window, "N8", [&] {
            typeInto(window, "uedit", QStringLiteral("Boss"));
            click(window, "BitBtn3");
        });
        f.inWindow(window, "N8", [&] { second = accountRows(window); });
    });
    QCOMPARE(second, QStringList());
    QCOMPARE(f.column(QStringLiteral("select 用户 x from usertable")), QStringLiteral("Boss"));
}

void TestWindows::deletionIsHeldUntilSaved()
{
    Fixture f;
    f.db.exec(QStringLiteral("insert into usertable (用户, 权限) values ('Wang', '操作')"));
    QStringList afterDelete, reopened;
    f.run([&] {
        TepassForm &window = f.windows->accounts();
        f.inWindow(window, "N8", [&] {
            window.findChild<QTableView *>(QStringLiteral("DBGridEh1"))->setCurrentIndex(window.userqry().isEmpty() ? QModelIndex()
                : window.findChild<QTableView *>(QStringLiteral("DBGridEh1"))->model()->index(1, 0));
            f.prompts.answerNext(true);
            click(window, "delbtn");
            afterDelete = accountRows(window);
        });
        f.inWindow(window, "N8", [&] { reopened = accountRows(window); });
    });
    QCOMPARE(afterDelete, QStringList{"Admin/管理"});
    QCOMPARE(reopened, (QStringList{"Admin/管理", "Wang/操作"})); // closed without saving: back
    QCOMPARE(f.prompts.shown[0].text, QStringLiteral("您是否真的要删除这笔用户记录吗?"));
}

namespace {

class RecordingShell : public Shell {
public:
    QStringList opened;
    RecordingShell() { install(this); }
    ~RecordingShell() override { install(nullptr); }
    void open(const QString &program, const QString &parameter) override { opened << program + QLatin1Char(' ') + parameter; }
};

} // namespace

void TestWindows::helpAndDownloadsGoToTheShell()
{
    Fixture f;
    RecordingShell shell;
    f.run([&] {
        for (const char *entry : {"N11", "N12", "N13"})
            f.main().popupMenu()->findChild<QAction *>(QString::fromLatin1(entry))->trigger();
    });
    QCOMPARE(shell.opened.size(), 3);
    QCOMPARE(shell.opened[0], QStringLiteral("WINWORD.EXE Tavrin医药标价签打印帮助.doc")); // the bare name: the working directory's
    QVERIFY(shell.opened[1].startsWith(QStringLiteral("iexplore.exe https://")));
    QVERIFY(shell.opened[2].startsWith(QStringLiteral("iexplore.exe https://")));
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestWindows::aboutBoxShowsTheSameEachTime()
{
    Fixture f;
    RecordingShell shell;
    QStringList texts;
    QPoint centre;
    f.run([&] {
        TabForm &about = f.windows->about();
        for (int i = 0; i < 2; ++i)
            f.inWindow(about, "N7", [&] {
                texts << about.findChild<QLabel *>(QStringLiteral("Label2"))->text();
                centre = about.frameGeometry().center();
                Q_EMIT about.findChild<QLabel *>(QStringLiteral("Label3"))->linkActivated(TabForm::webAddress());
                about.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
                QVERIFY(!about.isVisible());
            });
    });
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], texts[1]);
    QVERIFY(texts[0].contains(QStringLiteral("支持直接连接贵司现有系统产品资料，数据无缝连接。")));
    QVERIFY((centre - QApplication::primaryScreen()->availableGeometry().center()).manhattanLength() < 40);
    QCOMPARE(shell.opened, (QStringList(2, QStringLiteral("iexplore.exe ") + TabForm::webAddress())));
}

namespace {

void addGoods(const TestDatabase &db)
{
    db.exec(QStringLiteral("insert into sp (药品编号, 药品全名, 供应商, 规格, 生产厂家, 条形码, 单位, 售价) values "
                           "('YP3', '板蓝根颗粒', '国药', '10g*20袋', '白云山', '111', '袋', 15),"
                           "('YP1', 'Amoxicillin', '华润', '0.25g', 'Bayer-like', '222', '盒', 12.5),"
                           "('YP2', '维生素C', NULL, NULL, NULL, '333', NULL, 8),"
                           "(NULL, NULL, '只有供应商', NULL, NULL, '444', NULL, NULL),"
                           "('YP4', '板蓝根片', NULL, '板', NULL, NULL, '瓶', 3)"));
}

QStringList catalogueCodes(TSpForm &window)
{
    QStringList codes;
    QAbstractItemModel *model = window.findChild<QTableView *>(QStringLiteral("spgrid"))->model();
    for (int r = 0; r < model->rowCount(); ++r)
        codes << model->index(r, 0).data().toString();
    return codes;
}

void setCell(TSpForm &window, int row, int column, const QString &text)
{
    auto *grid = window.findChild<QTableView *>(QStringLiteral("spgrid"));
    grid->setCurrentIndex(grid->model()->index(row, column));
    grid->model()->setData(grid->model()->index(row, column), text, Qt::EditRole);
}

} // namespace

void TestWindows::catalogueSearchesAsTheOperatorTypes()
{
    Fixture f;
    addGoods(f.db);
    QStringList found, emptied, underscore, latin;
    f.run([&] {
        TSpForm &window = f.windows->catalogue();
        f.inWindow(window, "N9", [&] {
            auto *locedit = window.findChild<QLineEdit *>(QStringLiteral("locedit"));
            typeText(locedit, QStringLiteral("板"));
            found = catalogueCodes(window);
            QTest::keyClick(locedit, Qt::Key_Backspace);
            emptied = catalogueCodes(window);
            typeText(locedit, QStringLiteral("_"));
            underscore = catalogueCodes(window);
            locedit->setText(QStringLiteral("amox"));
            latin = catalogueCodes(window);
            QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("BitBtn6"))->isEnabled());
        });
    });
    QCOMPARE(found, (QStringList{"YP3", "YP4"}));                 // in the order of entry
    QCOMPARE(emptied, (QStringList{"YP3", "YP1", "YP2", "YP4"})); // the row with only a supplier has no searched text
    QCOMPARE(underscore, emptied);
    QCOMPARE(latin, QStringList{"YP1"});
}

void TestWindows::catalogueHoldsChangesUntilSavedOrClosed()
{
    Fixture f;
    addGoods(f.db);
    bool stillEditable = false;
    QStringList reopened;
    f.run([&] {
        TSpForm &window = f.windows->catalogue();
        f.inWindow(window, "N9", [&] {
            window.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
            setCell(window, window.spqry().currentRow(), 0, QStringLiteral("YP9"));
            window.findChild<QLineEdit *>(QStringLiteral("locedit"))->setText(QStringLiteral("板")); // drops the new row
            QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from sp")).toInt(), 5);
            window.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
            setCell(window, window.spqry().currentRow(), 0, QStringLiteral("YP8"));
            setCell(window, window.spqry().currentRow(), 1, QStringLiteral("新药"));
        }); // closing writes it
        f.inWindow(window, "N9", [&] {
            stillEditable = !window.gridReadOnly();
            reopened = catalogueCodes(window);
        });
    });
    QCOMPARE(f.column(QStringLiteral("select 药品全名 x from sp where 药品编号 = 'YP8'")), QStringLiteral("新药"));
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from sp where 药品编号 = 'YP9'")).toInt(), 0);
    QVERIFY(reopened.contains(QStringLiteral("YP8")));
    QVERIFY(stillEditable);
}

void TestWindows::catalogueDeletions()
{
    Fixture f;
    addGoods(f.db);
    f.run([&] {
        TSpForm &window = f.windows->catalogue();
        auto click = [&](const char *name) { window.findChild<QPushButton *>(QString::fromLatin1(name))->click(); };
        f.inWindow(window, "N9", [&] {
            window.findChild<QLineEdit *>(QStringLiteral("locedit"))->setText(QStringLiteral("YP1"));
            f.prompts.answerNext(true);
            click("BitBtn4"); // held
            QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from sp where 药品编号='YP1'")).toInt(), 1);
            f.prompts.answerNext(false);
            click("BitBtn11");
        }); // closing writes the deletion
        QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from sp where 药品编号='YP1'")).toInt(), 0);
        f.inWindow(window, "N9", [&] {
            f.prompts.answerNext(true);
            click("BitBtn11");
            QCOMPARE(catalogueCodes(window), QStringList());
            f.prompts.answerNext(true);
            click("BitBtn4"); // an empty catalogue: the question, then the data layer's error
            click("BitBtn2"); // edit on an empty catalogue begins a new row
            QCOMPARE(window.spqry().recordCount(), 1);
        });
    });
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from sp")).toInt(), 0);
    QCOMPARE(f.prompts.texts(), (QStringList{"您是否真的要删除这笔商品记录吗?", "您是否真的要删除全部商品记录吗?", "您是否真的要删除全部商品记录吗?",
                                          "您是否真的要删除这笔商品记录吗?", "数据集为空，不能执行此操作."}));
}

void TestWindows::catalogueEnterMovesAcrossTheRow()
{
    Fixture f;
    addGoods(f.db);
    QList<int> columns;
    f.run([&] {
        TSpForm &window = f.windows->catalogue();
        f.inWindow(window, "N9", [&] {
            auto *grid = window.findChild<QTableView *>(QStringLiteral("spgrid"));
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(1, 7));
            QTest::keyClick(grid, Qt::Key_Return);
            columns << grid->currentIndex().column();
            QTest::keyClick(grid, Qt::Key_Return);
            columns << grid->currentIndex().column() << grid->currentIndex().row();
        });
    });
    QCOMPARE(columns, (QList<int>{8, 0, 1}));
}

void TestWindows::catalogueRefusesLettersInPriceAndKeepsTheChanges()
{
    Fixture f;
    addGoods(f.db);
    bool openAfterFailedClose = false;
    f.run([&] {
        TSpForm &window = f.windows->catalogue();
        f.inWindow(window, "N9", [&] {
            window.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
            setCell(window, 0, 1, QStringLiteral("改名"));
            setCell(window, 0, 7, QStringLiteral("十二元"));
            window.findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
            QVERIFY(window.spqry().hasHeldChanges());
            window.close();
            openAfterFailedClose = window.isVisible();
            setCell(window, 0, 7, QStringLiteral("12"));
        });
    });
    QVERIFY(openAfterFailedClose);
    QCOMPARE(f.prompts.shown[0].icon, Prompts::Icon::Error);
    QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("售价")));
    QCOMPARE(f.column(QStringLiteral("select 药品全名 || '/' || 售价 x from sp where 药品编号='YP3'")), QStringLiteral("改名/12.0"));
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
