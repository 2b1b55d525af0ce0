// bq-render: a label run rendered without a window, into one PDF or PNG files.
//
//   bq-render --db trfp.mdb --template 标签100.fr3 --out run.pdf [--all] [--png-dpi N]
//
// Without --all: the ticked rows of the print list, newest first, each as many times as
// its copies, as the print job takes them. With --all: every row in one run, as the A4
// list takes them. An output ending in .png writes one picture per page (run-1.png ...).
#include "connection.h"
#include "connectionstring.h"
#include "engineerror.h"
#include "exports.h"
#include "fonts.h"
#include "preparedreport.h"
#include "query.h"
#include "reportfile.h"
#include "reporterror.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

DataRows printListRows(Connection &connection, bool all)
{
    Query rows(connection);
    rows.setSql(all ? QStringLiteral("select * from bqdy order by id desc")
                    : QStringLiteral("SELECT * from bqdy where 选择=true order by id desc"));
    rows.open();
    DataRows data;
    data.name = QStringLiteral("dybst");
    for (int c = 0; c < rows.columnCount(); ++c)
        data.columns << rows.columnName(c);
    const int copies = rows.columnIndex(QStringLiteral("份数"));
    for (int r = 0; r < rows.recordCount(); ++r) {
        QVector<QVariant> row;
        for (int c = 0; c < rows.columnCount(); ++c)
            row << rows.valueAt(r, c);
        if (all) {
            data.rows << row;
            continue;
        }
        bool whole = false;
        const int n = row.at(copies).toInt(&whole);
        if (!whole)
            throw EngineError(QStringLiteral("id 为 %1 的行份数为空，不能打印").arg(row.at(0).toString()));
        for (int i = 0; i < n; ++i)
            data.rows << row;
    }
    return data;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and pictures need the GUI library, not a screen.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    registerFontSubstitutes();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a label run into one PDF or PNG files."));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("the database"), QStringLiteral("trfp.mdb"));
    const QCommandLineOption templ(QStringLiteral("template"), QStringLiteral("the label template"), QStringLiteral("file.fr3"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("run.pdf, or run.png for pictures"), QStringLiteral("file"));
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("every row, as the A4 list prints them"));
    const QCommandLineOption dpi(QStringLiteral("png-dpi"), QStringLiteral("resolution of pictures (default 300)"), QStringLiteral("N"), QStringLiteral("300"));
    parser.addOptions({db, templ, out, all, dpi});
    parser.process(app);

    QTextStream err(stderr);
    if (!parser.isSet(db) || !parser.isSet(templ) || !parser.isSet(out)) {
        err << "bq-render: --db, --template and --out are needed\n" << parser.helpText();
        return 2;
    }
    bool dpiOk = false;
    const int dotsPerInch = parser.value(dpi).toInt(&dpiOk);
    if (!dpiOk || dotsPerInch < 30 || dotsPerInch > 2400) {
        err << "bq-render: --png-dpi takes a number from 30 to 2400\n";
        return 2;
    }
    try {
        QFile file(parser.value(templ));
        if (!file.open(QIODevice::ReadOnly))
            throw ReportError(QStringLiteral("不能打开模板文件“%1”：%2").arg(file.fileName(), file.errorString()));
        const ReportModel::Report report = ReportFile::read(file.readAll());
        Connection connection;
        connection.setConnectionString(connectionStringFor(parser.value(db)));
        connection.open();
        const PreparedReport prepared = prepareReport(report, printListRows(connection, parser.isSet(all)));
        const QString target = parser.value(out);
        if (target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) || target.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
            Exports::images(prepared, target, dotsPerInch);
        else
            Exports::pdf(prepared, target);
        QTextStream(stdout) << prepared.pages.size() << " pages\n";
    } catch (const ReportError &e) {
        err << "bq-render: " << e.text() << "\n";
        return 1;
    } catch (const EngineError &e) {
        err << "bq-render: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
