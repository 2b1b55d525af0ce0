#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <variant>

// A report template: pages made of bands, bands holding objects. Lengths are millimetres
// from the band's top left corner; font sizes are points.
namespace ReportModel {

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct Frame {
    bool visible = false;
    double width = 0.2;   // mm
    QColor color = Qt::black;
};

struct Text {
    QString text;             // plain text with fields such as [dybst."药品全名"]
    QString fontFamily = QStringLiteral("宋体");
    double fontSize = 10;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;
    bool autoShrink = false;  // the font shrinks until the text fits
    QString format;           // a number format such as "%.2f" for the fields' numbers
};

enum class Symbology { Ean13, Ean8, Code128, Code39, QrCode, DataMatrix };

struct Barcode {
    QString data;             // with fields, usually [dybst."条形码"]
    Symbology symbology = Symbology::Ean13;
    bool humanReadable = true;
};

struct Line {
    double width = 0.3;       // mm; the line runs from the box's top left to its bottom right
    QColor color = Qt::black;
};

struct Rectangle {
    QColor fill;              // invalid: no fill
};

struct Picture {
    QByteArray image;         // the picture's file bytes (PNG, JPEG, SVG), kept in the template
};

struct RichText {
    QString html;             // with fields
};

using Content = std::variant<Text, Barcode, Line, Rectangle, Picture, RichText>;

struct Object {
    QString name;
    QRectF box;               // mm, within the band
    Frame frame;
    QColor fill;              // invalid: transparent
    Content content;
};

enum class BandKind { ReportTitle, PageHeader, MasterData, PageFooter, Summary };

struct Band {
    BandKind kind = BandKind::MasterData;
    QString name;
    double height = 10;       // mm
    QString dataSet;          // master data bands: the data set printed once per row
    QList<Object> objects;
};

struct Page {
    QString name = QStringLiteral("Page1");
    double width = 210, height = 297;                         // mm, as printed
    double leftMargin = 10, topMargin = 10, rightMargin = 10, bottomMargin = 10;
    bool landscape = false;
    int paper = 9;                                           // 9 A4, 256 a size of its own
    QList<Band> bands;
    QRectF printable() const { return {leftMargin, topMargin, width - leftMargin - rightMargin, height - topMargin - bottomMargin}; }
};

struct PrintOptions {
    int copies = 1;
    bool collate = true;
    QString printer = QStringLiteral("预设");                 // the system's default printer
    bool showDialog = true;
};

struct PreviewOptions {
    bool outlineVisible = false;
    int outlineWidth = 120;
    bool outlineExpanded = true;
    int pagesInCache = 50;
};

struct Report {
    QList<Page> pages;
    PrintOptions printOptions;
    PreviewOptions previewOptions;
    QString script = QStringLiteral("begin\n\nend.");
};

// A page of the report's own size for a new design: A4, portrait, 10 mm margins.
Page newPage();

} // namespace ReportModel
