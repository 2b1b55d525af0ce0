#include "exports.h"

#include "pagerenderer.h"
#include "reporterror.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <xlsxwriter.h>

namespace {

QPageSize pageSize(const ReportModel::Page &page)
{
    return QPageSize(QSizeF(page.width, page.height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

} // namespace

void Exports::pdf(const PreparedReport &prepared, const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Tavrin医药标价签条码打印软件V2.0"));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (!prepared.pages.isEmpty())
        writer.setPageSize(pageSize(prepared.pageTemplate(0)));
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(QStringLiteral("不能写入文件“%1”").arg(path));
    for (int i = 0; i < prepared.pages.size(); ++i) {
        if (i > 0) {
            writer.setPageSize(pageSize(prepared.pageTemplate(i)));
            writer.newPage();
        }
        renderPage(painter, prepared, i, writer.resolution() / 25.4);
    }
    painter.end();
}

QImage Exports::image(const PreparedReport &prepared, int pageIndex, int dotsPerInch)
{
    const ReportModel::Page &page = prepared.pageTemplate(pageIndex);
    const double pixelsPerMm = dotsPerInch / 25.4;
    QImage image(qMax(1, qRound(page.width * pixelsPerMm)), qMax(1, qRound(page.height * pixelsPerMm)), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(pixelsPerMm * 1000));
    image.setDotsPerMeterY(qRound(pixelsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, prepared, pageIndex, pixelsPerMm);
    return image;
}

QStringList Exports::images(const PreparedReport &prepared, const QString &path, int dotsPerInch)
{
    const QFileInfo info(path);
    const QString format = info.suffix().toLower() == QLatin1String("png") ? QStringLiteral("PNG") : QStringLiteral("JPEG");
    QStringList names;
    for (int i = 0; i < prepared.pages.size(); ++i) {
        const QString name = info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(i + 1).arg(info.suffix()));
        if (!image(prepared, i, dotsPerInch).save(name, format.toLatin1().constData(), 92))
            throw ReportError(QStringLiteral("不能写入文件“%1”").arg(name));
        names << name;
    }
    return names;
}

void Exports::xlsx(const PreparedReport &prepared, const QString &path)
{
    lxw_workbook *workbook = workbook_new(path.toUtf8().constData());
    if (!workbook)
        throw ReportError(QStringLiteral("不能写入文件“%1”").arg(path));
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    int sheetRow = 0;
    for (int p = 0; p < prepared.pages.size(); ++p) {
        // Texts that stand on one line of the page go into one row, left to right.
        QMap<int, QMap<double, QString>> lines;
        const auto &page = prepared.pages.at(p);
        const auto &layout = prepared.pageTemplate(p);
        for (const auto &placed : page.bands)
            for (const auto &object : layout.bands.at(placed.band).objects)
                if (const auto *text = std::get_if<ReportModel::Text>(&object.content))
                    lines[qRound((placed.top + object.box.top()) * 2)][object.box.left()] =
                        expandFields(text->text, prepared, p, placed.row, text->format);
        for (const auto &line : std::as_const(lines)) {
            int column = 0;
            for (const QString &cell : line)
                worksheet_write_string(sheet, lxw_row_t(sheetRow), lxw_col_t(column++), cell.toUtf8().constData(), nullptr);
            ++sheetRow;
        }
        ++sheetRow; // a blank row between pages
    }
    if (workbook_close(workbook) != LXW_NO_ERROR)
        throw ReportError(QStringLiteral("不能写入文件“%1”").arg(path));
}
