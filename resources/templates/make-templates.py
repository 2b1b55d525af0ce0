#!/usr/bin/env python3
"""Writes the delivered label templates (*.fr3) in the program's template format.

Run it after changing a layout here; the program and bq-render read the .fr3 files.
Sizes are millimetres, font sizes points.
"""
from xml.sax.saxutils import escape, quoteattr

def F(field):
    return '[dybst."%s"]' % field

def text(name, x, y, w, h, content, size=8, bold=False, halign="left", valign="center",
         wrap=True, shrink=True, fmt="", font="黑体", frame=0):
    attrs = dict(name=name, x=x, y=y, width=w, height=h, font=font, size=size, bold=int(bold),
                 halign=halign, valign=valign, wordwrap=int(wrap), autoshrink=int(shrink))
    if fmt:
        attrs["format"] = fmt
    if frame:
        attrs["frame"] = frame
    return "<text %s>%s</text>" % (" ".join("%s=%s" % (k, quoteattr(str(v))) for k, v in attrs.items()), escape(content))

def barcode(name, x, y, w, h, kind="ean13", field="条形码", showtext=1):
    return ('<barcode name="%s" x="%s" y="%s" width="%s" height="%s" type="%s" showtext="%d">%s</barcode>'
            % (name, x, y, w, h, kind, showtext, escape(F(field))))

def line(name, x, y, w, h=0, width=0.3):
    return '<line name="%s" x="%s" y="%s" width="%s" height="%s" linewidth="%s"/>' % (name, x, y, w, h, width)

def frame(name, x, y, w, h, width=0.4):
    return '<rect name="%s" x="%s" y="%s" width="%s" height="%s" frame="%s"/>' % (name, x, y, w, h, width)

def band(kind, name, height, objects, dataset=""):
    ds = ' dataset="%s"' % dataset if dataset else ""
    return '  <band kind="%s" name="%s" height="%s"%s>\n    %s\n  </band>' % (
        kind, name, height, ds, "\n    ".join(objects))

def report(width, height, margin, bands, paper=256, landscape=0):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<report version="1">\n'
            '<printoptions copies="1" collate="1" printer="预设" showdialog="1"/>\n'
            '<previewoptions outline="0" outlinewidth="120" outlineexpanded="1" pagesincache="50"/>\n'
            '<script>begin\n\nend.</script>\n'
            '<page name="Page1" width="%s" height="%s" left="%s" top="%s" right="%s" bottom="%s" landscape="%d" paper="%d">\n'
            '%s\n</page>\n</report>\n') % (width, height, margin, margin, margin, margin, landscape, paper, "\n".join(bands))

def label(width, height, margin, objects):
    return report(width, height, margin, [band("masterdata", "MasterData1", round(height - 2 * margin, 2), objects, "dybst")])

PRICE = "%.2f"
templates = {}

# 60 x 40 mm: the common roll of thermal shelf labels.
templates["标签100.fr3"] = label(60, 40, 1.5, [
    frame("Frame1", 0, 0, 57, 37),
    text("Name", 1, 0.5, 55, 7.5, F("药品全名"), 11, True, "center"),
    line("Line1", 0, 8.5, 57),
    text("Spec", 1, 9, 33, 4.4, "规格：" + F("规格"), 7),
    text("Maker", 1, 13.4, 33, 4.4, "产地：" + F("生产厂家"), 7),
    text("Unit", 1, 17.8, 33, 4.4, "单位：" + F("单位"), 7),
    text("PriceCaption", 35, 9, 21, 3.5, "零售价（元）", 5.5, False, "center"),
    text("Price", 34, 12.2, 22.5, 10, "¥" + F("售价"), 18, True, "center", fmt=PRICE, wrap=False),
    barcode("Barcode1", 6, 22.6, 45, 14),
])

# 38.1 x 21.2 mm: one label of an A4 sheet of 65.
templates["标签65.fr3"] = label(38.1, 21.2, 0.8, [
    text("Name", 0.3, 0, 35.9, 4.6, F("药品全名"), 7, True, "center"),
    text("Price", 0.3, 4.4, 35.9, 5, "¥" + F("售价"), 10, True, "center", fmt=PRICE, wrap=False),
    barcode("Barcode1", 2.5, 9.6, 31.5, 9.8),
])

# 97 x 40 mm: a shelf-edge strip with a QR code for the till or the phone.
templates["标签97.fr3"] = label(97, 40, 1.5, [
    frame("Frame1", 0, 0, 94, 37, 0.5),
    text("Name", 1.5, 0.5, 62, 8.5, F("药品全名"), 13, True, "left"),
    text("Spec", 1.5, 9.5, 62, 4.5, "规格：" + F("规格") + "    单位：" + F("单位"), 7.5),
    text("Maker", 1.5, 14, 62, 4.5, "生产厂家：" + F("生产厂家"), 7.5),
    text("Code", 1.5, 18.5, 62, 4, "编号：" + F("药品编号"), 6.5),
    line("Line1", 64.5, 1, 0, 35),
    text("PriceCaption", 66, 1, 27, 4, "零售价（元）", 6.5, False, "center"),
    text("Price", 65, 5, 29, 11, "¥" + F("售价"), 22, True, "center", fmt=PRICE, wrap=False),
    barcode("QR", 72, 17.5, 15, 15, "qr", "条形码"),
    barcode("Barcode1", 3, 23, 58, 13),
])

# 101.6 x 50.8 mm (4 x 2 in): a barcode label for goods and boxes.
templates["标签101-1.fr3"] = label(101.6, 50.8, 2, [
    text("Name", 1, 0.5, 95.6, 9, F("药品全名"), 15, True, "center"),
    text("Spec", 1, 10, 60, 5, "规格：" + F("规格"), 9),
    text("Maker", 1, 15, 60, 5, "厂家：" + F("生产厂家"), 9),
    text("Unit", 1, 20, 30, 5, "单位：" + F("单位"), 9),
    text("Price", 62, 10, 35, 14, "¥" + F("售价"), 24, True, "right", fmt=PRICE, wrap=False),
    barcode("Barcode1", 14, 26, 70, 20),
])

# 101.6 x 76.2 mm (4 x 3 in): a large shelf label with a QR code.
templates["标签101-2.fr3"] = label(101.6, 76.2, 2, [
    frame("Frame1", 0, 0, 97.6, 72.2, 0.6),
    text("Name", 2, 1, 93.6, 12, F("药品全名"), 18, True, "center"),
    line("Line1", 0, 13.5, 97.6),
    text("Spec", 2, 15, 60, 6, "规格：" + F("规格"), 10),
    text("Maker", 2, 21, 60, 6, "生产厂家：" + F("生产厂家"), 10),
    text("Unit", 2, 27, 60, 6, "单位：" + F("单位") + "    编号：" + F("药品编号"), 10),
    text("PriceCaption", 2, 34, 58, 5, "零售价（元）", 9),
    text("Price", 2, 38, 58, 14, "¥" + F("售价"), 32, True, "left", fmt=PRICE, wrap=False),
    barcode("QR", 66, 15, 28, 28, "qr", "条形码"),
    barcode("Barcode1", 8, 52, 81, 18.5),
])

# A4: every row of the print list with page numbers and totals.
columns = [("序号", "[Line#]", 10, "center"), ("药品编号", F("药品编号"), 22, "left"),
           ("药品全名", F("药品全名"), 44, "left"), ("规格", F("规格"), 26, "left"),
           ("生产厂家", F("生产厂家"), 30, "left"), ("条形码", F("条形码"), 28, "left"),
           ("单位", F("单位"), 10, "center"), ("售价", F("售价"), 10, "right"), ("份数", F("份数"), 10, "center")]
def row(prefix, cells, bold, height):
    x, out = 0, []
    for i, (title, content, width, align) in enumerate(cells):
        fmt = PRICE if title == "售价" and not bold else ""
        out.append(text("%s%d" % (prefix, i), x, 0, width, height, title if bold else content, 8, bold,
                        "center" if bold else align, frame=0.2, fmt=fmt, font="宋体"))
        x += width
    return out
templates["清单A4.fr3"] = report(210, 297, 10, [
    band("reporttitle", "ReportTitle1", 16, [
        text("Title", 0, 0, 190, 9, "标价签打印清单", 16, True, "center", shrink=False),
        text("Date", 0, 9, 190, 6, "打印日期：[Date]", 8, False, "right", shrink=False, font="宋体")]),
    band("pageheader", "PageHeader1", 7, row("Head", columns, True, 7)),
    band("masterdata", "MasterData1", 6, row("Cell", columns, False, 6), "dybst"),
    band("summary", "Summary1", 9, [
        text("Totals", 0, 2, 190, 6, '合计：品种 [COUNT(<dybst>)]，总份数 [SUM(<dybst."份数">)]', 9, True, "right", shrink=False)]),
    band("pagefooter", "PageFooter1", 8, [
        text("PageNumber", 0, 2, 190, 5, "第 [Page#] 页 / 共 [TotalPages#] 页", 8, False, "center", shrink=False, font="宋体")]),
], paper=9)

if __name__ == "__main__":
    import os
    here = os.path.dirname(os.path.abspath(__file__))
    for name, content in templates.items():
        with open(os.path.join(here, name), "w", encoding="utf-8") as f:
            f.write(content)
