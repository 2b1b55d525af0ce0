// The login window driven as the operator does: typing, Enter, the buttons.
#include "bqdy.h"
#include "epass.h"
#include "login.h"
#include "modal.h"
#include "scriptedprompts.h"
#include "testdatabase.h"
#include "windowset.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

template <typename T>
T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// The focused control; the user box counts as focused when its edit part is.
QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return {};
    if (auto *combo = qobject_cast<QComboBox *>(focus->parentWidget()))
        return combo->objectName();
    return focus->objectName();
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { prepareApplication(); }
    void freshDatabaseLogsInWithEnterAtOnce();
    void loginCheck_data();
    void loginCheck();
    void enterMovesFromUserToPasswordToButton();
    void userListHoldsEveryNameOnceSorted();
    void quitEndsTheProgram();
};

void TestLogin::freshDatabaseLogsInWithEnterAtOnce()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    windows.login().show();
    QVERIFY(QTest::qWaitForWindowActive(&windows.login()));
    QCOMPARE(focusName(), QStringLiteral("dlbtn"));

    bool maximised = false;
    QString focus;
    int rows = -1;
    bool shown = false;
    bool escapeKeptItOpen = false;
    const int exitCode = runProgramLoop([&] {
        shown = whileModal(windows.main(), [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, [&] {
            maximised = windows.main().windowState().testFlag(Qt::WindowMaximized);
            focus = windows.main().focusWidget()->objectName();
            rows = child<QAbstractItemView>(windows.main(), "bqgrid")->model()->rowCount();
            QTest::keyClick(&windows.main(), Qt::Key_Escape); // no key closes the window by itself
            escapeKeptItOpen = windows.main().isVisible();
            windows.main().close(); // the title bar's close box
        });
    });
    QCOMPARE(exitCode, 0); // the program ended by itself
    QVERIFY(shown);
    QVERIFY(escapeKeptItOpen);
    QVERIFY(prompts.shown.isEmpty());
    QVERIFY(maximised);
    QCOMPARE(focus, QStringLiteral("lcp"));
    QCOMPARE(rows, 0);
    QVERIFY(!windows.login().isVisible());
}

void TestLogin::loginCheck_data()
{
    QTest::addColumn<QString>("stored");     // 用户|密码|权限, 密码 '-' for Null
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");    // empty: the login succeeds
    QTest::addColumn<QString>("focus");      // after a refused login
    QTest::addColumn<bool>("administrator");

    QTest::newRow("no password, space typed") << "" << "Admin" << " " << "用户或密码不正确,请重新输入!" << "upass" << false;
    QTest::newRow("empty text password, empty box") << "Li||财务" << "Li" << "" << "" << "" << false;
    QTest::newRow("empty text password, spaces") << "Li||财务" << "Li" << "   " << "" << "" << false;
    QTest::newRow("name in another case") << "" << "admin" << "" << "" << "" << true;
    QTest::newRow("password with blanks around") << "Wang|Secret|操作" << "Wang" << "  Secret\t" << "" << "" << false;
    QTest::newRow("password in another case") << "Wang|Secret|操作" << "Wang" << "secret" << "密码不正确,请重新输入!" << "upass" << false;
    QTest::newRow("empty user box") << "" << "" << "" << "请先选择或者输入用户ID!" << "UID" << false;
    QTest::newRow("unknown user") << "" << "Nobody" << "" << "用户不存在，请重新选择或输入！" << "UID" << false;
    QTest::newRow("spaces are a name") << "" << "   " << "" << "用户不存在，请重新选择或输入！" << "UID" << false;
    QTest::newRow("role 管理") << "Zhao|1|管理" << "Zhao" << "1" << "" << "" << true;
    QTest::newRow("role Null") << "Zhao|1|-" << "Zhao" << "1" << "" << "" << false;
}

void TestLogin::loginCheck()
{
    QFETCH(QString, stored);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(bool, administrator);

    TestDatabase db;
    if (!stored.isEmpty()) {
        const QStringList f = stored.split(QLatin1Char('|'));
        auto literal = [](const QString &v) { return v == QLatin1String("-") ? QStringLiteral("NULL") : QLatin1Char('\'') + v + QLatin1Char('\''); };
        db.exec(QStringLiteral("insert into usertable (用户, 密码, 权限) values (%1, %2, %3)")
                    .arg(literal(f[0]), literal(f[1]), literal(f[2])));
    }
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    windows.login().show();
    QVERIFY(QTest::qWaitForWindowActive(&windows.login()));
    child<QComboBox>(windows.login(), "UID")->setEditText(user);
    child<QLineEdit>(windows.login(), "upass")->setText(password);

    bool accountsControls = false;
    const bool shown = whileModal(windows.main(), [&] { child<QPushButton>(windows.login(), "dlbtn")->click(); }, [&] {
        accountsControls = !child<QWidget>(windows.accounts(), "zwedit")->isHidden()
            && !child<QWidget>(windows.accounts(), "addbtn")->isHidden()
            && !child<QWidget>(windows.accounts(), "delbtn")->isHidden()
            && !child<QWidget>(windows.accounts(), "qxlab")->isHidden();
    });

    if (message.isEmpty()) {
        QVERIFY2(shown, qPrintable(prompts.texts().join(QLatin1Char(';'))));
        QCOMPARE(accountsControls, administrator);
        QCOMPARE(windows.login().currentUser(), user); // the name as typed is the current user
        return;
    }
    QVERIFY(!shown);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].caption, QStringLiteral("信息"));
    QCOMPARE(prompts.shown[0].text, message);
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Exclamation);
    QCOMPARE(focusName(), focus);
    QVERIFY(windows.login().isVisible()); // ready for another try
}

void TestLogin::enterMovesFromUserToPasswordToButton()
{
    TestDatabase db;
    db.exec(QStringLiteral("update usertable set 密码='pw'"));
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    windows.login().show();
    QVERIFY(QTest::qWaitForWindowActive(&windows.login()));
    auto *uid = child<QComboBox>(windows.login(), "UID");
    uid->setFocus();
    QTest::keyClick(uid->lineEdit(), Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("upass"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("pw"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("dlbtn"));
    const bool shown = whileModal(windows.main(), [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, [] {});
    QVERIFY(shown);
    QVERIFY(prompts.shown.isEmpty());
}

void TestLogin::userListHoldsEveryNameOnceSorted()
{
    TestDatabase db;
    db.exec(QStringLiteral("insert into usertable (用户, 权限) values ('Wang', '操作'), ('Li', '财务'), ('Wang', '管理'), (NULL, NULL)"));
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    windows.login().show();
    auto *uid = child<QComboBox>(windows.login(), "UID");
    QStringList names;
    for (int i = 0; i < uid->count(); ++i)
        names << uid->itemText(i);
    QCOMPARE(names, (QStringList{QString(), "Admin", "Li", "Wang"}));
    QCOMPARE(uid->currentText(), QStringLiteral("Admin"));
}

void TestLogin::quitEndsTheProgram()
{
    TestDatabase db;
    ScriptedPrompts prompts;
    WindowSet windows(db.folder());
    windows.login().show();
    QCOMPARE(runProgramLoop([&] { child<QPushButton>(windows.login(), "BitBtn2")->click(); }), 0);
    QVERIFY(!windows.login().isVisible());
    QVERIFY(!windows.main().isVisible());
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
