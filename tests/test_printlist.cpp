// The print-list operations without the window, on a real catalogue, and the searches
// behind them compared with the plain statements they stand for.
#include "cataloguegenerator.h"
#include "connection.h"
#include "engineerror.h"
#include "goodssearch.h"
#include "picklist.h"
#include "plainsearch.h"
#include "printlist.h"
#include "query.h"
#include "sqlite.h"
#include "testdatabase.h"

#include <QTest>

namespace {

// Stands in for the main window: boxes are plain texts, and every step is logged.
class FakeWindow : public PrintListWindow {
public:
    QString lcp, sm;
    QString details[5];
    QStringList steps;
    QList<bool> answers;

    QString scanBoxText() const override { return lcp; }
    void clearScanBox() override { lcp.clear(); steps << "clear lcp"; }
    void focusScanBox() override { steps << "focus lcp"; }
    QString queryBoxText() const override { return sm; }
    void clearQueryBox() override { sm.clear(); steps << "clear sm"; }
    void focusQueryBox() override { steps << "focus sm"; }
    void hidePickList() override { steps << "hide pick list"; }
    void setDetailBox(DetailBox box, const QString &text) override { details[int(box)] = text; }
    bool confirm(const QString &question) override
    {
        steps << question;
        return answers.takeFirst();
    }
};

struct Fixture {
    TestDatabase db;
    std::unique_ptr<Connection> cnn = db.connect();
    Query bqqry{*cnn};
    Query wzdqry{*cnn};
    FakeWindow window;
    PrintList list{*cnn, bqqry, wzdqry, window};

    Fixture()
    {
        bqqry.setSql(QStringLiteral("select * from bqdy order by id desc"));
        wzdqry.setSql(QStringLiteral("select * from wzdsp order by id desc"));
        bqqry.open();
        wzdqry.open();
    }
    void scan(const QString &text)
    {
        window.lcp = text;
        list.AddFromScanBox();
    }
    QString rows(const QString &columns = QStringLiteral("药品编号,份数,选择")) const
    {
        auto connection = db.connect();
        Query q(*connection);
        q.setSql(QStringLiteral("select %1 from bqdy order by id").arg(columns));
        q.open();
        QStringList out;
        for (q.first(); !q.eof(); q.next()) {
            QStringList cells;
            for (int c = 0; c < q.columnCount(); ++c)
                cells << (q.valueAt(q.currentRow(), c).isNull() ? QStringLiteral("∅") : q.text(q.columnName(c)));
            out << cells.join(QLatin1Char(','));
        }
        return out.join(QLatin1Char('|'));
    }
};

void addGoods(const TestDatabase &db, const QString &values)
{
    db.exec(QStringLiteral("insert into sp (药品编号, 药品全名, 供应商, 规格, 生产厂家, 条形码, 单位, 售价) values ") + values);
}

// The rows of the plain statement: what the searches must give.
QStringList plainCodes(Connection &cnn, const QString &text, bool ordered)
{
    Query plain(cnn);
    setPlainFiveFieldSearch(plain, text, ordered);
    plain.open();
    QStringList codes;
    for (plain.first(); !plain.eof(); plain.next())
        codes << plain.text(QStringLiteral("编号"));
    return codes;
}

} // namespace

class TestPrintList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scanAddsARowOrRaisesCopies();
    void sameCodeRaisesEveryRowAndKeepsTheirTicks();
    void goodsWithoutCodeAppendEachTime();
    void nullFieldsKeepWhatTheDetailBoxesShowed();
    void textMatchingNothingIsRecordedEachTime();
    void queryBoxAndPickList();
    void selectionAndDeletion();
    void failingStepEndsTheOperation();
    void searchesEqualThePlainStatements_data();
    void searchesEqualThePlainStatements();
};

void TestPrintList::scanAddsARowOrRaisesCopies()
{
    Fixture f;
    addGoods(f.db, QStringLiteral("('YP1', '阿莫西林胶囊', '国药', '0.25g*24粒', '华北制药', '6901234567892', '盒', 12.5)"));
    f.scan(QStringLiteral("6901234567892"));
    QCOMPARE(f.rows(QStringLiteral("药品编号,药品全名,供应商,规格,生产厂家,条形码,单位,售价,份数,选择")),
             QStringLiteral("YP1,阿莫西林胶囊,国药,0.25g*24粒,华北制药,6901234567892,盒,12.5,1,1"));
    QCOMPARE(f.window.steps, (QStringList{"clear lcp", "focus lcp"}));
    QCOMPARE(f.window.details[0], QStringLiteral("阿莫西林胶囊"));
    QCOMPARE(f.window.details[4], QStringLiteral("12.5"));
    QCOMPARE(f.window.lcp, QString());

    f.db.exec(QStringLiteral("update bqdy set 份数 = NULL"));
    f.scan(QStringLiteral("阿莫")); // any field, any part of it
    QCOMPARE(f.rows(), QStringLiteral("YP1,1,1")); // Null copies count as 0
    f.scan(QStringLiteral("yp1"));                 // Latin letters in either case
    QCOMPARE(f.rows(), QStringLiteral("YP1,2,1"));
    f.scan(QStringLiteral("阿%胶囊"));              // % typed is a wildcard
    f.scan(QStringLiteral("0.25g_24"));            // and so is _
    QCOMPARE(f.rows(), QStringLiteral("YP1,4,1"));
    QCOMPARE(f.bqqry.currentRow(), 0);
    QCOMPARE(f.bqqry.recordCount(), 1);
}

void TestPrintList::sameCodeRaisesEveryRowAndKeepsTheirTicks()
{
    Fixture f;
    addGoods(f.db, QStringLiteral("('YP1', '板蓝根颗粒', NULL, NULL, NULL, '111', NULL, NULL), ('YP2', '感冒灵', NULL, NULL, NULL, '222', NULL, NULL)"));
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数) values (0, 'YP1', 3), (1, 'yp1', NULL)"));
    f.scan(QStringLiteral("222"));
    f.scan(QStringLiteral("111"));
    QCOMPARE(f.rows(), QStringLiteral("YP1,4,0|yp1,1,1|YP2,1,1"));
    QCOMPARE(f.bqqry.currentRow(), 0);
    QCOMPARE(f.bqqry.text(QStringLiteral("药品编号")), QStringLiteral("YP2")); // the newest row is on top
}

void TestPrintList::goodsWithoutCodeAppendEachTime()
{
    Fixture f;
    addGoods(f.db, QStringLiteral("(NULL, '散装甘草', NULL, NULL, NULL, NULL, NULL, NULL)"));
    f.scan(QStringLiteral("甘草"));
    f.scan(QStringLiteral("甘草"));
    QCOMPARE(f.rows(), QStringLiteral("∅,1,1|∅,1,1"));
}

void TestPrintList::nullFieldsKeepWhatTheDetailBoxesShowed()
{
    Fixture f;
    addGoods(f.db, QStringLiteral("('YP1', '维C', '国药', '100片', '白云山', '111', '瓶', 8), ('YP2', NULL, NULL, '10g', NULL, '222', NULL, NULL)"));
    f.scan(QStringLiteral("111"));
    f.scan(QStringLiteral("222"));
    QCOMPARE(QStringList(f.window.details, f.window.details + 5), (QStringList{"维C", "国药", "白云山", "10g", "8"}));
    f.scan(QStringLiteral("没有这个"));
    QCOMPARE(f.window.details[3], QStringLiteral("10g"));
}

void TestPrintList::textMatchingNothingIsRecordedEachTime()
{
    Fixture f;
    f.scan(QStringLiteral("6909999999999"));
    f.scan(QStringLiteral("6909999999999"));
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from wzdsp where 条码='6909999999999'")).toInt(), 2);
    QCOMPARE(f.rows(), QString());
    QCOMPARE(f.window.steps, (QStringList{"clear lcp", "focus lcp", "clear lcp", "focus lcp"}));
}

void TestPrintList::queryBoxAndPickList()
{
    Fixture f;
    addGoods(f.db, QStringLiteral("('YP1', '甘草片', NULL, NULL, NULL, '111', NULL, NULL), ('YP2', '甘草颗粒', NULL, NULL, NULL, '222', NULL, NULL)"));
    f.window.sm = QStringLiteral("无此药");
    f.list.AddFromQueryBox();
    QCOMPARE(f.db.scalar(QStringLiteral("select 条码 from wzdsp")).toString(), QStringLiteral("无此药"));
    QCOMPARE(f.window.steps, (QStringList{"clear sm", "focus sm"}));

    f.window.steps.clear();
    f.list.AddFromPickList(QStringLiteral("YP2"));
    QCOMPARE(f.rows(), QStringLiteral("YP2,1,1"));
    QCOMPARE(f.window.steps, (QStringList{"clear sm", "hide pick list"}));
    f.list.AddFromPickList(QStringLiteral("YP")); // by code exactly, no wildcards
    f.list.AddFromPickList(QVariant());          // an empty pick list
    QCOMPARE(f.rows(), QStringLiteral("YP2,1,1"));
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from wzdsp")).toInt(), 1); // picking records nothing
}

void TestPrintList::selectionAndDeletion()
{
    Fixture f;
    f.db.exec(QStringLiteral("insert into bqdy (选择, 药品编号, 份数) values (0, 'A', 1), (1, 'B', 2), (0, 'C', 3)"));
    f.list.ReloadPrintList();
    f.list.SelectAll();
    QCOMPARE(f.rows(), QStringLiteral("A,1,1|B,2,1|C,3,1"));
    QCOMPARE(f.bqqry.boolean(QStringLiteral("选择")), false); // no reload of its own
    f.list.ClearSelection();
    QCOMPARE(f.rows(), QStringLiteral("A,1,0|B,2,0|C,3,0"));

    f.window.answers = {false, true};
    f.list.DeleteCurrentRow();
    QCOMPARE(f.rows(), QStringLiteral("A,1,0|B,2,0|C,3,0"));
    f.list.DeleteCurrentRow(); // the top row, the newest
    QCOMPARE(f.rows(), QStringLiteral("A,1,0|B,2,0"));
    QCOMPARE(f.bqqry.recordCount(), 2); // left the grid at once, without a reload
    QCOMPARE(f.window.steps, (QStringList(2, QStringLiteral("您是否确定要删除这笔记录吗?"))));

    f.db.exec(QStringLiteral("insert into wzdsp (条码) values ('x')"));
    f.window.answers = {false, true};
    f.list.DeleteAllRows();
    QCOMPARE(f.bqqry.recordCount(), 2);
    f.list.DeleteAllRows();
    QCOMPARE(f.rows(), QString());
    QCOMPARE(f.bqqry.recordCount(), 0);
    QCOMPARE(f.db.scalar(QStringLiteral("select count(*) from wzdsp")).toInt(), 1);

    f.window.answers = {true};
    f.list.DeleteCurrentRow(); // an empty list: nothing to delete, nothing changes
    QCOMPARE(f.rows(), QString());
}

void TestPrintList::failingStepEndsTheOperation()
{
    Fixture f;
    f.db.exec(QStringLiteral("drop table wzdsp"));
    f.window.lcp = QStringLiteral("没有的");
    QVERIFY_THROWS_EXCEPTION(EngineError, f.list.AddFromScanBox());
    QCOMPARE(f.window.lcp, QStringLiteral("没有的")); // the closing steps did not run
    QVERIFY(f.window.steps.isEmpty());
}

void TestPrintList::searchesEqualThePlainStatements_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"1", "9", "YP", "yp000", "阿", "胶囊", "华北制药", "6912", "0.25g*24", "YP0000042",
                             "缓释片", "%片", "阿_西", "mg*1", "pharma", "PHARMA co", "无此药品名", "'", "\"", "%", "_",
                             "__", "6900000000000", "Sino-Kang Pharma", "yp0000042", "6900000000017"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestPrintList::searchesEqualThePlainStatements()
{
    QFETCH(QString, text);
    static TestDatabase db;
    static bool filled = false;
    if (!filled) {
        auto cnn = db.connect();
        CatalogueGenerator().fill(cnn->database(), 1, 3000);
        db.exec(QStringLiteral("insert into sp (药品编号, 药品全名) values (NULL, '阿莫西林'), ('yp0000042', NULL)"));
        filled = true;
    }
    auto cnn = db.connect();
    const QStringList expected = plainCodes(*cnn, text, true);

    // The pick list, read to its end, holds the plain statement's rows in its order.
    PickList pick(*cnn);
    pick.search(text);
    while (pick.canFetchMore({}))
        pick.fetchMore({});
    Query ids(*cnn);
    QStringList codes;
    for (int row = 0; row < pick.rowCount(); ++row)
        codes << pick.data(pick.index(row, 0), Qt::DisplayRole).toString();
    QStringList expectedCodes;
    for (const QString &id : expected) {
        ids.close();
        ids.setSql(QStringLiteral("select 药品编号 from sp where 编号=") + id);
        ids.open();
        expectedCodes << ids.text(QStringLiteral("药品编号"));
    }
    QCOMPARE(codes, expectedCodes);

    // The scan lookup finds a row exactly when the plain statement does, and one of its rows.
    const GoodsSearch search(text, printListSearchFields());
    Query first(*cnn);
    first.setSql(search.firstMatchSql());
    first.setParameter(QStringLiteral("p"), search.likePattern());
    if (search.canUseIndex())
        first.setParameter(QStringLiteral("m"), search.matchExpression());
    first.open();
    QCOMPARE(first.isEmpty(), expected.isEmpty());
    if (!first.isEmpty())
        QVERIFY(expected.contains(first.text(QStringLiteral("编号"))));

    Query exact(*cnn);
    exact.setSql(GoodsSearch::exactMatchSql());
    exact.setParameter(QStringLiteral("t"), text);
    exact.open();
    if (!exact.isEmpty())
        QVERIFY(expected.contains(exact.text(QStringLiteral("编号"))));
}

QTEST_GUILESS_MAIN(TestPrintList)
#include "test_printlist.moc"
