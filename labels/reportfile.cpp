#include "reportfile.h"

#include "reporterror.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

using namespace ReportModel;

namespace {

// Limits that keep a damaged or hostile file from exhausting the machine.
const double largestLength = 5000;   // mm
const int mostObjects = 20000;
const qsizetype largestPicture = 16 * 1024 * 1024;

template <typename E>
struct Names {
    E value;
    const char *name;
};

const Names<HAlign> hAligns[] = {{HAlign::Left, "left"}, {HAlign::Centre, "center"}, {HAlign::Right, "right"}};
const Names<VAlign> vAligns[] = {{VAlign::Top, "top"}, {VAlign::Centre, "center"}, {VAlign::Bottom, "bottom"}};
const Names<Symbology> symbologies[] = {{Symbology::Ean13, "ean13"},     {Symbology::Ean8, "ean8"},
                                        {Symbology::Code128, "code128"}, {Symbology::Code39, "code39"},
                                        {Symbology::QrCode, "qr"},       {Symbology::DataMatrix, "datamatrix"}};
const Names<BandKind> bandKinds[] = {{BandKind::ReportTitle, "reporttitle"}, {BandKind::PageHeader, "pageheader"},
                                     {BandKind::MasterData, "masterdata"},   {BandKind::PageFooter, "pagefooter"},
                                     {BandKind::Summary, "summary"}};

template <typename E, size_t N>
const char *nameOf(const Names<E> (&names)[N], E value)
{
    for (const auto &n : names)
        if (n.value == value)
            return n.name;
    return names[0].name;
}

QString colorText(const QColor &color)
{
    return color.isValid() ? color.name(QColor::HexArgb) : QString();
}

class Writer {
public:
    explicit Writer(QByteArray *out) : x(out) { x.setAutoFormatting(true); }

    void report(const Report &r)
    {
        x.writeStartDocument();
        x.writeStartElement(QStringLiteral("report"));
        x.writeAttribute(QStringLiteral("version"), QString::number(ReportFile::formatVersion));
        x.writeEmptyElement(QStringLiteral("printoptions"));
        attr("copies", r.printOptions.copies);
        flag("collate", r.printOptions.collate);
        x.writeAttribute(QStringLiteral("printer"), r.printOptions.printer);
        flag("showdialog", r.printOptions.showDialog);
        x.writeEmptyElement(QStringLiteral("previewoptions"));
        flag("outline", r.previewOptions.outlineVisible);
        attr("outlinewidth", r.previewOptions.outlineWidth);
        flag("outlineexpanded", r.previewOptions.outlineExpanded);
        attr("pagesincache", r.previewOptions.pagesInCache);
        x.writeTextElement(QStringLiteral("script"), r.script);
        for (const Page &p : r.pages)
            page(p);
        x.writeEndElement();
        x.writeEndDocument();
    }

private:
    void attr(const char *name, double value) { x.writeAttribute(QString::fromLatin1(name), QString::number(value, 'g', 10)); }
    void flag(const char *name, bool value) { x.writeAttribute(QString::fromLatin1(name), value ? QStringLiteral("1") : QStringLiteral("0")); }
    void text(const char *name, const QString &value) { x.writeAttribute(QString::fromLatin1(name), value); }

    void page(const Page &p)
    {
        x.writeStartElement(QStringLiteral("page"));
        text("name", p.name);
        attr("width", p.width);
        attr("height", p.height);
        attr("left", p.leftMargin);
        attr("top", p.topMargin);
        attr("right", p.rightMargin);
        attr("bottom", p.bottomMargin);
        flag("landscape", p.landscape);
        attr("paper", p.paper);
        for (const Band &b : p.bands) {
            x.writeStartElement(QStringLiteral("band"));
            text("kind", QString::fromLatin1(nameOf(bandKinds, b.kind)));
            text("name", b.name);
            attr("height", b.height);
            if (!b.dataSet.isEmpty())
                text("dataset", b.dataSet);
            for (const Object &o : b.objects)
                object(o);
            x.writeEndElement();
        }
        x.writeEndElement();
    }

    void object(const Object &o)
    {
        const char *kinds[] = {"text", "barcode", "line", "rect", "picture", "richtext"};
        x.writeStartElement(QString::fromLatin1(kinds[o.content.index()]));
        text("name", o.name);
        attr("x", o.box.x());
        attr("y", o.box.y());
        attr("width", o.box.width());
        attr("height", o.box.height());
        if (o.frame.visible) {
            attr("frame", o.frame.width);
            text("framecolor", colorText(o.frame.color));
        }
        if (o.fill.isValid())
            text("fill", colorText(o.fill));
        if (const auto *t = std::get_if<Text>(&o.content)) {
            text("font", t->fontFamily);
            attr("size", t->fontSize);
            flag("bold", t->bold);
            flag("italic", t->italic);
            text("color", colorText(t->color));
            text("halign", QString::fromLatin1(nameOf(hAligns, t->hAlign)));
            text("valign", QString::fromLatin1(nameOf(vAligns, t->vAlign)));
            flag("wordwrap", t->wordWrap);
            flag("autoshrink", t->autoShrink);
            if (!t->format.isEmpty())
                text("format", t->format);
            x.writeCharacters(t->text);
        } else if (const auto *b = std::get_if<Barcode>(&o.content)) {
            text("type", QString::fromLatin1(nameOf(symbologies, b->symbology)));
            flag("showtext", b->humanReadable);
            x.writeCharacters(b->data);
        } else if (const auto *l = std::get_if<Line>(&o.content)) {
            attr("linewidth", l->width);
            text("color", colorText(l->color));
        } else if (const auto *r = std::get_if<Rectangle>(&o.content)) {
            if (r->fill.isValid())
                text("rectfill", colorText(r->fill));
        } else if (const auto *p = std::get_if<Picture>(&o.content)) {
            x.writeCharacters(QString::fromLatin1(p->image.toBase64()));
        } else if (const auto *h = std::get_if<RichText>(&o.content)) {
            x.writeCharacters(h->html);
        }
        x.writeEndElement();
    }

    QXmlStreamWriter x;
};

class Reader {
public:
    explicit Reader(const QByteArray &xml) : x(xml) {}

    Report report()
    {
        if (!x.readNextStartElement() || x.name() != QLatin1String("report"))
            fail(QStringLiteral("不是标签模板文件"));
        const int version = integer("version", 1, 1000, 0);
        if (version != ReportFile::formatVersion)
            fail(QStringLiteral("模板格式版本 %1 不能识别（本程序读版本 %2）").arg(version).arg(ReportFile::formatVersion));
        Report r;
        while (x.readNextStartElement()) {
            if (x.name() == QLatin1String("printoptions")) {
                r.printOptions.copies = integer("copies", 1, 9999, 1);
                r.printOptions.collate = boolean("collate", true);
                r.printOptions.printer = string("printer", QStringLiteral("预设"));
                r.printOptions.showDialog = boolean("showdialog", true);
                x.skipCurrentElement();
            } else if (x.name() == QLatin1String("previewoptions")) {
                r.previewOptions.outlineVisible = boolean("outline", false);
                r.previewOptions.outlineWidth = integer("outlinewidth", 0, 2000, 120);
                r.previewOptions.outlineExpanded = boolean("outlineexpanded", true);
                r.previewOptions.pagesInCache = integer("pagesincache", 1, 100000, 50);
                x.skipCurrentElement();
            } else if (x.name() == QLatin1String("script")) {
                r.script = x.readElementText();
            } else if (x.name() == QLatin1String("page")) {
                r.pages << page();
            } else {
                fail(QStringLiteral("未知的元素“%1”").arg(x.name().toString()));
            }
        }
        if (x.hasError())
            fail(x.errorString());
        return r;
    }

private:
    [[noreturn]] void fail(const QString &what)
    {
        throw ReportError(QStringLiteral("模板文件有错误（第 %1 行，第 %2 列）：%3").arg(x.lineNumber()).arg(x.columnNumber()).arg(what));
    }

    QString string(const char *name, const QString &fallback = {})
    {
        const auto a = x.attributes();
        return a.hasAttribute(QString::fromLatin1(name)) ? a.value(QString::fromLatin1(name)).toString() : fallback;
    }

    double number(const char *name, double low, double high, double fallback)
    {
        const QString text = string(name);
        if (text.isEmpty())
            return fallback;
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value) || value < low || value > high)
            fail(QStringLiteral("属性 %1=\"%2\" 不是 %3 到 %4 之间的数").arg(QString::fromLatin1(name), text).arg(low).arg(high));
        return value;
    }

    int integer(const char *name, int low, int high, int fallback)
    {
        const double value = number(name, low, high, fallback);
        if (value != std::floor(value))
            fail(QStringLiteral("属性 %1 应为整数").arg(QString::fromLatin1(name)));
        return int(value);
    }

    bool boolean(const char *name, bool fallback) { return integer(name, 0, 1, fallback ? 1 : 0) == 1; }

    QColor color(const char *name, const QColor &fallback)
    {
        const QString text = string(name);
        if (text.isEmpty())
            return fallback;
        const QColor c = QColor::fromString(text);
        if (!c.isValid())
            fail(QStringLiteral("属性 %1=\"%2\" 不是颜色").arg(QString::fromLatin1(name), text));
        return c;
    }

    template <typename E, size_t N>
    E choice(const char *name, const Names<E> (&names)[N], E fallback)
    {
        const QString text = string(name);
        if (text.isEmpty())
            return fallback;
        for (const auto &n : names)
            if (text == QLatin1String(n.name))
                return n.value;
        fail(QStringLiteral("属性 %1=\"%2\" 不能识别").arg(QString::fromLatin1(name), text));
    }

    Page page()
    {
        Page p;
        p.name = string("name", p.name);
        p.width = number("width", 1, largestLength, p.width);
        p.height = number("height", 1, largestLength, p.height);
        p.leftMargin = number("left", 0, largestLength, p.leftMargin);
        p.topMargin = number("top", 0, largestLength, p.topMargin);
        p.rightMargin = number("right", 0, largestLength, p.rightMargin);
        p.bottomMargin = number("bottom", 0, largestLength, p.bottomMargin);
        p.landscape = boolean("landscape", false);
        p.paper = integer("paper", 0, 1000, p.paper);
        if (p.printable().width() <= 0 || p.printable().height() <= 0)
            fail(QStringLiteral("页边距大于页面"));
        while (x.readNextStartElement()) {
            if (x.name() != QLatin1String("band"))
                fail(QStringLiteral("页面中只能有区域（band），不能有“%1”").arg(x.name().toString()));
            Band b;
            b.kind = choice("kind", bandKinds, BandKind::MasterData);
            b.name = string("name");
            b.height = number("height", 0, largestLength, b.height);
            b.dataSet = string("dataset");
            while (x.readNextStartElement()) {
                if (++m_objects > mostObjects)
                    fail(QStringLiteral("对象太多"));
                b.objects << object();
            }
            p.bands << b;
        }
        return p;
    }

    Object object()
    {
        Object o;
        const QString kind = x.name().toString();
        o.name = string("name");
        o.box = QRectF(number("x", -largestLength, largestLength, 0), number("y", -largestLength, largestLength, 0),
                       number("width", 0, largestLength, 10), number("height", 0, largestLength, 5));
        const double frame = number("frame", 0, 50, 0);
        o.frame.visible = frame > 0;
        if (o.frame.visible)
            o.frame.width = frame;
        o.frame.color = color("framecolor", Qt::black);
        o.fill = color("fill", QColor());
        if (kind == QLatin1String("text")) {
            Text t;
            t.fontFamily = string("font", t.fontFamily);
            t.fontSize = number("size", 1, 500, t.fontSize);
            t.bold = boolean("bold", false);
            t.italic = boolean("italic", false);
            t.color = color("color", Qt::black);
            t.hAlign = choice("halign", hAligns, HAlign::Left);
            t.vAlign = choice("valign", vAligns, VAlign::Top);
            t.wordWrap = boolean("wordwrap", true);
            t.autoShrink = boolean("autoshrink", false);
            t.format = string("format");
            t.text = x.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            o.content = t;
        } else if (kind == QLatin1String("barcode")) {
            Barcode b;
            b.symbology = choice("type", symbologies, Symbology::Ean13);
            b.humanReadable = boolean("showtext", true);
            b.data = x.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            o.content = b;
        } else if (kind == QLatin1String("line")) {
            Line l;
            l.width = number("linewidth", 0, 50, l.width);
            l.color = color("color", Qt::black);
            x.skipCurrentElement();
            o.content = l;
        } else if (kind == QLatin1String("rect")) {
            Rectangle r;
            r.fill = color("rectfill", QColor());
            x.skipCurrentElement();
            o.content = r;
        } else if (kind == QLatin1String("picture")) {
            const QString data = x.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            if (data.size() > largestPicture)
                fail(QStringLiteral("图片太大"));
            const auto decoded = QByteArray::fromBase64Encoding(data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                fail(QStringLiteral("图片数据已损坏"));
            o.content = Picture{*decoded};
        } else if (kind == QLatin1String("richtext")) {
            o.content = RichText{x.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement)};
        } else {
            fail(QStringLiteral("未知的对象“%1”").arg(kind));
        }
        if (x.hasError())
            fail(x.errorString());
        return o;
    }

    QXmlStreamReader x;
    int m_objects = 0;
};

} // namespace

ReportModel::Page ReportModel::newPage()
{
    return Page();
}

ReportModel::Report ReportFile::read(const QByteArray &xml)
{
    return Reader(xml).report();
}

QByteArray ReportFile::write(const ReportModel::Report &report)
{
    QByteArray out;
    Writer(&out).report(report);
    return out;
}
