// The database layer on real SQLite files: the statements the program runs, snapshots,
// the two update modes, opening and its failures, and two connections on one file.
#include "connection.h"
#include "connectionstring.h"
#include "deliveredfiles.h"
#include "engineerror.h"
#include "jetdialect.h"
#include "query.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

namespace {

// The first column of every row, joined by '|', Null shown as '∅'.
QString firstColumn(Query &query)
{
    QStringList out;
    for (query.first(); !query.eof(); query.next())
        out << (query.value(query.columnName(0)).isNull() ? QStringLiteral("∅") : query.text(query.columnName(0)));
    return out.join(QLatin1Char('|'));
}

void seedGoods(const TestDatabase &db)
{
    db.exec(QStringLiteral(
        "INSERT INTO sp (药品编号, 药品全名, 生产厂家, 规格, 条形码, 售价) VALUES "
        "('YP001', '阿莫西林胶囊', 'Hua Bei 制药', '0.25g*24粒', '6901234567892', 12.5),"
        "('YP002', '板蓝根颗粒', '白云山', '10g*20袋', '6907654321098', 15),"
        "('A''1', '维生素C片', NULL, '100mg_100片', NULL, NULL),"
        "(NULL, NULL, NULL, NULL, NULL, NULL)"));
    db.exec(QStringLiteral(
        "INSERT INTO usertable (用户, 密码, 职务, 权限) VALUES ('Zhang', 'x', '店员', '操作'),"
        " ('Li', '', '会计', '财务'), ('Zhang', 'y', '店员', '管理')"));
    db.exec(QStringLiteral("INSERT INTO bqdy (选择, 药品编号, 份数) VALUES (0, 'YP001', NULL), (0, 'YP002', 3)"));
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void translatesJetDialect_data();
    void translatesJetDialect();
    void runsTheProgramsStatements_data();
    void runsTheProgramsStatements();
    void snapshotReadsValuesAsTextAndBoolean();
    void snapshotDoesNotSeeLaterChangesUntilReopened();
    void writeOnPostStoresEachPostedRow();
    void valueOfTheWrongKindIsRefusedAndKept();
    void listenersFindTheNewRowCurrent();
    void heldChangesReachTheFileOnlyOnCommit();
    void failedCommitWritesNothingAndKeepsEverythingHeld();
    void deleteOnAnEmptySnapshotFails();
    void openingFailsWithAReasonAndCreatesNothing_data();
    void openingFailsWithAReasonAndCreatesNothing();
    void workgroupNamedBareIsFoundBesideTheDatabase();
    void workgroupHoldsNoClearPassword();
    void closedConnectionFailsEveryStatementWithItsReason();
    void twoConnectionsWriteTheSameFile();
    void deliveredFilesAreNeverOverwritten();
};

void TestStore::translatesJetDialect_data()
{
    QTest::addColumn<QString>("jet");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("delete star") << "delete * from bqdy" << "delete from bqdy";
    QTest::newRow("top 1") << "SELECT top 1 * from bqdy  order by id desc" << "SELECT * from bqdy  order by id desc LIMIT 1";
    QTest::newRow("qualified set")
        << "UPDATE bqdy SET bqdy.份数 =iif(bqdy.份数 is null,0,bqdy.份数)+1\n WHERE (bqdy.药品编号=:bh) "
        << "UPDATE bqdy SET 份数 =iif(份数 is null,0,份数)+1\n WHERE (药品编号=:bh) ";
    QTest::newRow("parameter case") << "where (生产厂家 like :CJ) or (规格 like :CJ2)" << "where (生产厂家 like :cj) or (规格 like :cj2)";
    QTest::newRow("quotes untouched") << "select * from sp where 药品编号= 'delete * from :X bqdy.份数'"
                                      << "select * from sp where 药品编号= 'delete * from :X bqdy.份数'";
    QTest::newRow("doubled quote") << "select * from  sp where 药品编号= 'A''1' and 规格=:GG"
                                   << "select * from  sp where 药品编号= 'A''1' and 规格=:gg";
}

void TestStore::translatesJetDialect()
{
    QFETCH(QString, jet);
    QFETCH(QString, sqlite);
    QCOMPARE(translateJetSql(jet), sqlite);
}

void TestStore::runsTheProgramsStatements_data()
{
    QTest::addColumn<QStringList>("run");        // statements without rows, run first
    QTest::addColumn<QString>("select");
    QTest::addColumn<QVariantMap>("parameters");
    QTest::addColumn<QString>("expected");       // first column of every row

    const QString fiveFields = QStringLiteral(
        "SELECT * FROM sp\nwhere (药品编号 like :bh) or (条形码 like :stm) or  (药品全名 like :mc) or "
        "(生产厂家 like :CJ) or (规格 like :CJ2)\norder by 药品编号");
    auto like = [](const QString &text) {
        const QString v = QLatin1Char('%') + text + QLatin1Char('%');
        return QVariantMap{{QStringLiteral("BH"), v}, {QStringLiteral("stm"), v}, {QStringLiteral("mc"), v},
                           {QStringLiteral("cj"), v}, {QStringLiteral("Cj2"), v}};
    };

    QTest::newRow("like in any field, code order") << QStringList() << fiveFields << like(QStringLiteral("1")) << "3|1|2";
    QTest::newRow("like ignores Latin case") << QStringList() << fiveFields << like(QStringLiteral("hua bei")) << "1";
    QTest::newRow("Chinese like") << QStringList() << fiveFields << like(QStringLiteral("板蓝根")) << "2";
    QTest::newRow("typed % is a wildcard") << QStringList() << fiveFields << like(QStringLiteral("阿%胶囊")) << "1";
    QTest::newRow("typed _ is a wildcard") << QStringList() << fiveFields << like(QStringLiteral("100mg_1")) << "3";
    QTest::newRow("Null never matches like") << QStringList() << fiveFields << like(QString()) << "3|1|2";
    QTest::newRow("= ignores Latin case")
        << QStringList() << "select * from usertable where 用户=:yh order by 权限" << QVariantMap{{"YH", "ADMIN"}} << "Admin";
    QTest::newRow("distinct, sorted")
        << QStringList() << "SELECT distinct 用户 FROM usertable order by 用户" << QVariantMap() << "Admin|Li|Zhang";
    QTest::newRow("two order keys")
        << QStringList() << "select 权限 from usertable where 用户='zhang' order by 用户,权限" << QVariantMap() << "操作|管理";
    QTest::newRow("iif raises Null copies to 1")
        << QStringList{"UPDATE bqdy SET bqdy.份数 =iif(bqdy.份数 is null,0,bqdy.份数)+1\n WHERE (bqdy.药品编号=:bh) "}
        << "select 份数 from bqdy order by id" << QVariantMap{{"bh", "yp001"}} << "1|3";
    QTest::newRow("1 into the Boolean equals true")
        << QStringList{"UPDATE bqdy SET 选择 = 1"} << "SELECT 药品编号 from bqdy where 选择=true order by id desc"
        << QVariantMap() << "YP002|YP001";
    QTest::newRow("0 into the Boolean")
        << QStringList{"UPDATE bqdy SET 选择 = 1", "UPDATE bqdy SET 选择 =0 "}
        << "SELECT 药品编号 from bqdy where 选择=true" << QVariantMap() << "";
    QTest::newRow("top 1") << QStringList() << "SELECT top 1 * from bqdy  order by id desc" << QVariantMap() << "2";
    QTest::newRow("delete * from") << QStringList{"delete * from bqdy"} << "select * from bqdy" << QVariantMap() << "";
    QTest::newRow("delete from")
        << QStringList{"insert into wzdsp (条码) values ('x')", "delete from wzdsp"} << "select * from wzdsp"
        << QVariantMap() << "";
    QTest::newRow("quoted literal with a doubled quote")
        << QStringList() << "select * from  sp where 药品编号= 'A''1'" << QVariantMap() << "3";
}

void TestStore::runsTheProgramsStatements()
{
    QFETCH(QStringList, run);
    QFETCH(QString, select);
    QFETCH(QVariantMap, parameters);
    QFETCH(QString, expected);

    TestDatabase db;
    seedGoods(db);
    auto connection = db.connect();
    Query work(*connection);
    for (const QString &statement : run) {
        work.clearSql();
        const QStringList lines = statement.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            work.addSql(line);
        for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
            if (statement.contains(QLatin1Char(':') + it.key(), Qt::CaseInsensitive))
                work.setParameter(it.key(), it.value());
        work.execSql();
    }
    Query query(*connection);
    query.setSql(select);
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        query.setParameter(it.key(), it.value());
    query.open();
    QCOMPARE(firstColumn(query), expected);
}

void TestStore::snapshotReadsValuesAsTextAndBoolean()
{
    TestDatabase db;
    seedGoods(db);
    auto connection = db.connect();
    Query query(*connection);
    query.setSql(QStringLiteral("select * from sp order by 编号"));
    query.open();
    QCOMPARE(query.recordCount(), 4);
    QVERIFY(!query.eof());
    QCOMPARE(query.text(QStringLiteral("售价")), QStringLiteral("12.5"));
    QCOMPARE(query.text(QStringLiteral("条形码")), QStringLiteral("6901234567892"));
    query.next();
    QCOMPARE(query.text(QStringLiteral("售价")), QStringLiteral("15"));
    query.next();
    QVERIFY(query.value(QStringLiteral("生产厂家")).isNull());
    QCOMPARE(query.text(QStringLiteral("生产厂家")), QString());
    query.next();
    query.next();
    QVERIFY(query.eof());
    QCOMPARE(query.currentRow(), 3);
    QVERIFY_THROWS_EXCEPTION(EngineError, query.value(QStringLiteral("没有的字段")));

    Query list(*connection);
    list.setSql(QStringLiteral("select * from bqdy order by id"));
    list.open();
    QCOMPARE(list.boolean(QStringLiteral("选择")), false);
    QCOMPARE(list.value(QStringLiteral("ID")).toInt(), 1); // names match without case
}

void TestStore::snapshotDoesNotSeeLaterChangesUntilReopened()
{
    TestDatabase db;
    seedGoods(db);
    auto connection = db.connect();
    Query list(*connection);
    list.setSql(QStringLiteral("select * from bqdy order by id desc"));
    list.open();
    db.exec(QStringLiteral("delete * from bqdy"));
    QCOMPARE(list.recordCount(), 2);
    list.open(); // already open: nothing happens
    QCOMPARE(list.recordCount(), 2);
    list.close();
    list.open();
    QCOMPARE(list.recordCount(), 0);
    QVERIFY(list.eof());
}

void TestStore::writeOnPostStoresEachPostedRow()
{
    TestDatabase db;
    auto connection = db.connect();
    Query list(*connection, Query::UpdateMode::WriteOnPost);
    list.setSql(QStringLiteral("select * from bqdy order by id desc"));
    list.open();

    list.append();
    list.setValue(QStringLiteral("选择"), true);
    list.setValue(QStringLiteral("药品编号"), QStringLiteral("YP001"));
    list.setValue(QStringLiteral("份数"), 1);
    list.post();
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from bqdy where 选择=true")).toInt(), 1);
    QCOMPARE(list.value(QStringLiteral("id")).toInt(), 1); // the engine's counter, read back

    list.edit();
    list.setValue(QStringLiteral("份数"), QStringLiteral("20")); // as a grid editor hands it over
    list.post();
    QCOMPARE(db.scalar(QStringLiteral("select 份数 from bqdy")).toInt(), 20);
    QCOMPARE(list.value(QStringLiteral("份数")).typeId(), QMetaType::LongLong);

    list.append(); // a row nobody typed into is never stored
    list.post();
    QCOMPARE(list.recordCount(), 1);
    list.edit(); // nothing changed: nothing written, the edit simply ends
    list.post();
    QCOMPARE(list.state(), Query::State::Browse);

    list.deleteRow();
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from bqdy")).toInt(), 0);
    QVERIFY(list.isEmpty());

    list.edit(); // on an empty list an edit begins a new row
    QCOMPARE(list.state(), Query::State::Insert);
    list.commit();
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from bqdy")).toInt(), 0);
}

void TestStore::valueOfTheWrongKindIsRefusedAndKept()
{
    TestDatabase db;
    auto connection = db.connect();
    Query list(*connection);
    list.setSql(QStringLiteral("select * from bqdy"));
    list.open();
    list.append();
    list.setValue(QStringLiteral("供应商"), QStringLiteral("国药"));
    list.setValue(QStringLiteral("份数"), QStringLiteral("abc"));
    try {
        list.post();
        QFAIL("letters were stored into 份数");
    } catch (const EngineError &e) {
        QVERIFY2(e.text().contains(QStringLiteral("份数")) && e.text().contains(QStringLiteral("整数")), qPrintable(e.text()));
    }
    QCOMPARE(list.state(), Query::State::Insert);
    QCOMPARE(list.text(QStringLiteral("供应商")), QStringLiteral("国药"));
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from bqdy")).toInt(), 0);

    list.setValue(QStringLiteral("份数"), 2);
    list.post();
    QCOMPARE(db.scalar(QStringLiteral("select 供应商 from bqdy where 份数=2")).toString(), QStringLiteral("国药"));

    Query goods(*connection);
    goods.setSql(QStringLiteral("select * from sp"));
    goods.open();
    goods.append();
    goods.setValue(QStringLiteral("售价"), QStringLiteral("十二元"));
    QVERIFY_THROWS_EXCEPTION(EngineError, goods.post());
    goods.setValue(QStringLiteral("售价"), QStringLiteral("12.50"));
    goods.post();
    QCOMPARE(goods.text(QStringLiteral("售价")), QStringLiteral("12.5"));
}

void TestStore::listenersFindTheNewRowCurrent()
{
    TestDatabase db;
    seedGoods(db);
    auto connection = db.connect();
    Query list(*connection);
    list.setSql(QStringLiteral("select * from bqdy order by id"));
    list.open();
    // A grid that moves to its top row whenever the rows change, as a reloading view does.
    QObject::connect(&list, &Query::reset, &list, [&list] {
        if (list.isOpen() && !list.isEmpty())
            list.setCurrentRow(0);
    });
    list.append();
    QCOMPARE(list.recordCount(), 2); // the untouched new row went, and only it
    QCOMPARE(list.text(QStringLiteral("药品编号")), QStringLiteral("YP001"));
    QCOMPARE(list.valueAt(1, list.columnIndex(QStringLiteral("药品编号"))).toString(), QStringLiteral("YP002"));
}

void TestStore::heldChangesReachTheFileOnlyOnCommit()
{
    TestDatabase db;
    seedGoods(db);
    auto connection = db.connect();
    Query users(*connection, Query::UpdateMode::HoldUntilCommit);
    users.setSql(QStringLiteral("select * from usertable order by 用户,权限"));
    users.open();
    QCOMPARE(firstColumn(users), QStringLiteral("Admin|Li|Zhang|Zhang"));

    users.first();
    users.edit();
    users.setValue(QStringLiteral("职务"), QStringLiteral("店长"));
    users.next(); // moving on keeps the edit among the held changes
    users.deleteRow();
    users.append();
    users.setValue(QStringLiteral("用户"), QStringLiteral("Wang"));
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from usertable")).toInt(), 4);
    QCOMPARE(db.scalar(QStringLiteral("select 职务 from usertable where 用户='Admin'")).toString(), QString());

    users.commit(); // posts the new row first
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from usertable")).toInt(), 4);
    QCOMPARE(db.scalar(QStringLiteral("select 职务 from usertable where 用户='Admin'")).toString(), QStringLiteral("店长"));
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from usertable where 用户='Li'")).toInt(), 0);
    QVERIFY(db.scalar(QStringLiteral("select 密码 from usertable where 用户='Wang'")).isNull());
    QVERIFY(!users.hasHeldChanges());

    users.first();
    users.deleteRow();
    users.close(); // held and not committed: gone without a word
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from usertable where 用户='Admin'")).toInt(), 1);
}

void TestStore::failedCommitWritesNothingAndKeepsEverythingHeld()
{
    TestDatabase db;
    seedGoods(db);
    auto connection = db.connect();
    Query goods(*connection, Query::UpdateMode::HoldUntilCommit);
    goods.setSql(QStringLiteral("select * from sp order by 编号"));
    goods.open();
    goods.edit();
    goods.setValue(QStringLiteral("药品全名"), QStringLiteral("改过的名字"));
    goods.next();
    goods.edit();
    goods.setValue(QStringLiteral("份数"), QStringLiteral("abc"));
    goods.post();
    QVERIFY_THROWS_EXCEPTION(EngineError, goods.commit());
    QCOMPARE(db.scalar(QStringLiteral("select 药品全名 from sp where 编号=1")).toString(), QStringLiteral("阿莫西林胶囊"));
    QVERIFY(goods.hasHeldChanges());

    goods.edit();
    goods.setValue(QStringLiteral("份数"), 5);
    goods.commit();
    QCOMPARE(db.scalar(QStringLiteral("select 药品全名 from sp where 编号=1")).toString(), QStringLiteral("改过的名字"));
    QCOMPARE(db.scalar(QStringLiteral("select 份数 from sp where 编号=2")).toInt(), 5);
    QVERIFY(!goods.hasHeldChanges());
}

void TestStore::deleteOnAnEmptySnapshotFails()
{
    TestDatabase db;
    auto connection = db.connect();
    Query goods(*connection, Query::UpdateMode::HoldUntilCommit);
    goods.setSql(QStringLiteral("select * from sp"));
    goods.open();
    QVERIFY_THROWS_EXCEPTION(EngineError, goods.deleteRow());
    QVERIFY(!goods.hasHeldChanges());
}

void TestStore::openingFailsWithAReasonAndCreatesNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no database") << "remove trfp.mdb" << "找不到数据库文件";
    QTest::newRow("no workgroup file") << "remove Security.mdw" << "找不到工作组信息文件";
    QTest::newRow("unknown account") << "account nobody" << "没有账户“nobody”";
    QTest::newRow("wrong password") << "password Quartzmelo#&!" << "密码不正确";
    QTest::newRow("database not SQLite") << "garble trfp.mdb" << "不是可识别的数据库格式";
    QTest::newRow("workgroup not ours") << "garble Security.mdw" << "不是有效的工作组信息文件";
    QTest::newRow("workgroup is another database") << "copy trfp.mdb Security.mdw" << "不是有效的工作组信息文件";
    QTest::newRow("other provider") << "provider SQLOLEDB" << "找不到提供程序";
}

void TestStore::openingFailsWithAReasonAndCreatesNothing()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    TestDatabase db;
    const QStringList words = damage.split(QLatin1Char(' '));
    QString connectionString = db.connectionString();
    const QString file = db.folder() + words.value(1);
    if (words[0] == QLatin1String("remove"))
        QVERIFY(QFile::remove(file));
    else if (words[0] == QLatin1String("garble")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    } else if (words[0] == QLatin1String("copy")) {
        QVERIFY(QFile::remove(db.folder() + words[2]));
        QVERIFY(QFile::copy(file, db.folder() + words[2]));
    } else if (words[0] == QLatin1String("account"))
        connectionString.replace(QStringLiteral("User ID=zx"), QStringLiteral("User ID=") + words[1]);
    else if (words[0] == QLatin1String("password"))
        connectionString.replace(QStringLiteral("Password=quartzmelo#&!"), QStringLiteral("Password=") + words[1]);
    else if (words[0] == QLatin1String("provider"))
        connectionString.replace(QStringLiteral("Microsoft.Jet.OLEDB.4.0"), words[1]);

    const QStringList before = QDir(db.folder()).entryList(QDir::Files);
    Connection connection;
    connection.setConnectionString(connectionString);
    try {
        connection.open();
        QFAIL("the connection opened");
    } catch (const EngineError &e) {
        QVERIFY2(e.text().contains(reason), qPrintable(e.text()));
    }
    QVERIFY(!connection.isOpen());
    QCOMPARE(QDir(db.folder()).entryList(QDir::Files), before);
}

void TestStore::workgroupNamedBareIsFoundBesideTheDatabase()
{
    TestDatabase db;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    Connection connection;
    connection.setConnectionString(db.connectionString());
    connection.open();
    QDir::setCurrent(previous);
    QVERIFY(connection.isOpen());
    QCOMPARE(ConnectionString::parse(db.connectionString()).value(QStringLiteral("jet oledb:system database")),
             QStringLiteral("Security.mdw"));
    QCOMPARE(ConnectionString::parse(db.connectionString()).value(QStringLiteral("Extended Properties")), QString());
}

void TestStore::workgroupHoldsNoClearPassword()
{
    TestDatabase db;
    QFile file(db.folder() + QStringLiteral("Security.mdw"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("zx"));
    QVERIFY(!bytes.contains("quartzmelo"));
}

void TestStore::closedConnectionFailsEveryStatementWithItsReason()
{
    TestDatabase db;
    QFile::remove(db.path());
    Connection connection;
    connection.setConnectionString(db.connectionString());
    Query query(connection);
    query.setSql(QStringLiteral("select * from bqdy"));
    try {
        query.open();
        QFAIL("opened without a database");
    } catch (const EngineError &e) {
        QVERIFY(e.text().contains(QStringLiteral("找不到数据库文件")));
    }
    QVERIFY(!QFile::exists(db.path()));
}

void TestStore::twoConnectionsWriteTheSameFile()
{
    TestDatabase db;
    const int rows = 300;
    QString failure;
    std::thread other([&] {
        try {
            auto connection = db.connect();
            Query list(*connection);
            list.setSql(QStringLiteral("select * from bqdy"));
            list.open();
            for (int i = 0; i < rows; ++i) {
                list.append();
                list.setValue(QStringLiteral("药品编号"), QStringLiteral("B%1").arg(i));
                list.post();
            }
        } catch (const EngineError &e) {
            failure = e.text();
        }
    });
    auto connection = db.connect();
    Query work(*connection);
    Query reader(*connection);
    for (int i = 0; i < rows; ++i) {
        work.setSql(QStringLiteral("insert into wzdsp (条码) values (:tm)"));
        work.setParameter(QStringLiteral("TM"), QStringLiteral("A%1").arg(i));
        work.execSql();
        reader.close();
        reader.setSql(QStringLiteral("select count(*) from bqdy"));
        reader.open();
    }
    other.join();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from bqdy")).toInt(), rows);
    QCOMPARE(db.scalar(QStringLiteral("select count(*) from wzdsp")).toInt(), rows);
}

void TestStore::deliveredFilesAreNeverOverwritten()
{
    QTemporaryDir dir;
    QCOMPARE(DeliveredFiles::createMissing(dir.path()), (QStringList{"trfp.mdb", "Security.mdw"}));
    TestDatabase reference; // proves the fresh file opens and holds one administrator
    QCOMPARE(reference.scalar(QStringLiteral("select 用户 from usertable where 权限='管理' and 密码 is null")).toString(),
             QStringLiteral("Admin"));

    Connection connection;
    connection.setConnectionString(mainConnectionString(dir.path() + QLatin1Char('/')));
    Query work(connection);
    work.setSql(QStringLiteral("insert into sp (药品编号) values ('mine')"));
    work.execSql();
    connection.close();
    QCOMPARE(DeliveredFiles::createMissing(dir.path()), QStringList());
    QVERIFY_THROWS_EXCEPTION(EngineError, DeliveredFiles::createDatabase(dir.filePath(QStringLiteral("trfp.mdb"))));
    connection.open();
    work.setSql(QStringLiteral("select count(*) from sp"));
    work.open();
    QCOMPARE(work.valueAt(0, 0).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
