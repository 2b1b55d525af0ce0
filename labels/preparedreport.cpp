#include "preparedreport.h"

#include "reporterror.h"
#include "valuetext.h"

#include <QDate>
#include <QRegularExpression>

using namespace ReportModel;

namespace {

const QRegularExpression &fieldPattern()
{
    static const QRegularExpression re(QStringLiteral("\\[([^\\[\\]]+)\\]"));
    return re;
}

const QRegularExpression &dataFieldPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\w+)\\.\"?([^\"]+?)\"?\\s*$"), QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

const QRegularExpression &aggregatePattern()
{
    static const QRegularExpression re(QStringLiteral("^\\s*(SUM|COUNT)\\(<(\\w+)(?:\\.\"?([^\">]+?)\"?)?>\\)\\s*$"),
                                       QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString formatted(const QVariant &value, const QString &format)
{
    if (format.isEmpty() || value.isNull())
        return valueText(value);
    bool number = false;
    const double d = value.toDouble(&number);
    return number ? QString::asprintf(format.toLatin1().constData(), d) : valueText(value);
}

// What one expression in brackets stands for, or an error text when it stands for nothing.
QString evaluate(const QString &expression, const PreparedReport &prepared, int pageIndex, int row, const QString &format,
                 QString *error)
{
    const DataRows &data = prepared.data;
    const QString e = expression.trimmed();
    if (e == QLatin1String("Page#"))
        return QString::number(pageIndex + 1);
    if (e == QLatin1String("TotalPages#"))
        return QString::number(prepared.pages.size());
    if (e == QLatin1String("Line#"))
        return row < 0 ? QString() : QString::number(row + 1);
    if (e == QLatin1String("Date"))
        return QDate::currentDate().toString(QStringLiteral("yyyy年M月d日"));
    if (const auto m = aggregatePattern().match(e); m.hasMatch()) {
        if (m.captured(2) != data.name) {
            *error = QStringLiteral("没有数据集“%1”").arg(m.captured(2));
            return {};
        }
        if (m.captured(1).compare(QLatin1String("COUNT"), Qt::CaseInsensitive) == 0)
            return QString::number(data.rows.size());
        if (!data.columns.contains(m.captured(3), Qt::CaseInsensitive)) {
            *error = QStringLiteral("数据集“%1”没有字段“%2”").arg(data.name, m.captured(3));
            return {};
        }
        double sum = 0;
        for (int r = 0; r < data.rows.size(); ++r)
            sum += data.value(r, m.captured(3)).toDouble();
        return formatted(sum, format);
    }
    if (const auto m = dataFieldPattern().match(e); m.hasMatch()) {
        if (m.captured(1) != data.name) {
            *error = QStringLiteral("没有数据集“%1”").arg(m.captured(1));
            return {};
        }
        if (!data.columns.contains(m.captured(2), Qt::CaseInsensitive)) {
            *error = QStringLiteral("数据集“%1”没有字段“%2”").arg(data.name, m.captured(2));
            return {};
        }
        return row < 0 ? QString() : formatted(data.value(row, m.captured(2)), format);
    }
    *error = QStringLiteral("表达式“%1”不能识别").arg(e);
    return {};
}

QString expand(const QString &text, const PreparedReport &prepared, int pageIndex, int row, const QString &format, QString *error)
{
    QString out;
    qsizetype last = 0;
    for (auto it = fieldPattern().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += evaluate(m.captured(1), prepared, pageIndex, row, format, error);
        if (!error->isEmpty())
            return {};
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

QStringList fieldTexts(const Object &object)
{
    if (const auto *t = std::get_if<Text>(&object.content))
        return {t->text};
    if (const auto *b = std::get_if<Barcode>(&object.content))
        return {b->data};
    if (const auto *r = std::get_if<RichText>(&object.content))
        return {r->html};
    return {};
}

} // namespace

QVariant DataRows::value(int row, const QString &column) const
{
    for (int c = 0; c < columns.size(); ++c)
        if (columns.at(c).compare(column, Qt::CaseInsensitive) == 0)
            return rows.at(row).at(c);
    return {};
}

QString expandFields(const QString &text, const PreparedReport &prepared, int pageIndex, int row, const QString &format)
{
    QString error;
    const QString out = expand(text, prepared, pageIndex, row, format, &error);
    return error.isEmpty() ? out : QString();
}

void checkFields(const Report &report, const DataRows &data)
{
    PreparedReport probe;
    probe.data = data;
    for (const Page &page : report.pages)
        for (const Band &band : page.bands) {
            if (band.kind == BandKind::MasterData && !band.dataSet.isEmpty() && band.dataSet != data.name)
                throw ReportError(QStringLiteral("区域“%1”的数据集“%2”不存在").arg(band.name, band.dataSet));
            for (const Object &object : band.objects)
                for (const QString &text : fieldTexts(object)) {
                    QString error;
                    expand(text, probe, 0, -1, {}, &error);
                    if (!error.isEmpty())
                        throw ReportError(QStringLiteral("对象“%1”：%2").arg(object.name, error));
                }
        }
}

PreparedReport prepareReport(const Report &report, const DataRows &data)
{
    checkFields(report, data);
    PreparedReport prepared;
    prepared.report = report;
    prepared.data = data;

    for (int p = 0; p < report.pages.size(); ++p) {
        const Page &page = report.pages.at(p);
        auto bandsOf = [&](BandKind kind) {
            QList<int> found;
            for (int b = 0; b < page.bands.size(); ++b)
                if (page.bands.at(b).kind == kind)
                    found << b;
            return found;
        };
        const QList<int> titles = bandsOf(BandKind::ReportTitle), headers = bandsOf(BandKind::PageHeader),
                         masters = bandsOf(BandKind::MasterData), footers = bandsOf(BandKind::PageFooter),
                         summaries = bandsOf(BandKind::Summary);
        double footerHeight = 0;
        for (int b : footers)
            footerHeight += page.bands.at(b).height;
        const double bottom = page.height - page.bottomMargin - footerHeight;

        double y = 0;
        bool pageHasContent = false;
        // The report title opens the first page, above its page header.
        auto newPage = [&](const QList<int> &first) {
            prepared.pages << PreparedReport::PreparedPage{p, {}};
            y = page.topMargin;
            pageHasContent = false;
            for (int b : first + headers) {
                prepared.pages.last().bands << PreparedReport::PlacedBand{p, b, y, -1};
                y += page.bands.at(b).height;
            }
        };
        auto finishPage = [&] {
            double fy = bottom;
            for (int b : footers) {
                prepared.pages.last().bands << PreparedReport::PlacedBand{p, b, fy, -1};
                fy += page.bands.at(b).height;
            }
        };
        // A band is placed where it fits; one taller than a whole page starts a page of
        // its own and is cut at the page's edge rather than looping for ever.
        auto place = [&](int b, int row) {
            const double height = page.bands.at(b).height;
            if (y + height > bottom + 1e-6 && pageHasContent) {
                finishPage();
                newPage({});
            }
            prepared.pages.last().bands << PreparedReport::PlacedBand{p, b, y, row};
            y += height;
            pageHasContent = true;
        };

        newPage(titles);
        const int rows = masters.isEmpty() ? 0 : int(data.rows.size());
        for (int row = 0; row < rows; ++row)
            for (int b : masters)
                place(b, row);
        for (int b : summaries)
            place(b, -1);
        finishPage();
    }
    return prepared;
}

QStringList pageTexts(const PreparedReport &prepared, int pageIndex)
{
    QStringList texts;
    const PreparedReport::PreparedPage &page = prepared.pages.at(pageIndex);
    for (const PreparedReport::PlacedBand &placed : page.bands)
        for (const Object &object : prepared.pageTemplate(pageIndex).bands.at(placed.band).objects)
            if (const auto *text = std::get_if<Text>(&object.content))
                texts << expandFields(text->text, prepared, pageIndex, placed.row, text->format);
    return texts;
}
