#include "printservice.h"

#include "pagerenderer.h"
#include "reporterror.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <memory>

namespace {

QPageLayout pageLayout(const ReportModel::Page &page)
{
    // The template's page is the paper: the renderer places everything from its edge.
    return QPageLayout(QPageSize(QSizeF(page.width, page.height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

class SystemPrintService : public PrintService {
public:
    bool print(const PreparedReport &prepared, const ReportModel::PrintOptions &options, bool showDialog,
               bool showProgress, QWidget *parent) override
    {
        const QPrinterInfo info = options.printer.isEmpty() || options.printer == QStringLiteral("预设")
            ? QPrinterInfo::defaultPrinter()
            : QPrinterInfo::printerInfo(options.printer);
        if (info.isNull())
            throw ReportError(QPrinterInfo::availablePrinters().isEmpty()
                                  ? QStringLiteral("没有安装打印机，不能打印")
                                  : QStringLiteral("找不到打印机“%1”").arg(options.printer));
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setFullPage(true);
        printer.setCopyCount(qMax(1, options.copies));
        printer.setCollateCopies(options.collate);
        printer.setDocName(QStringLiteral("标签"));
        if (!prepared.pages.isEmpty())
            printer.setPageLayout(pageLayout(prepared.pageTemplate(0)));
        if (showDialog) {
            QPrintDialog dialog(&printer, parent);
            if (dialog.exec() != QDialog::Accepted)
                return false;
        }
        QPainter painter;
        if (!painter.begin(&printer))
            throw ReportError(QStringLiteral("打印机“%1”不能打印").arg(printer.printerName()));
        const double pixelsPerMm = printer.resolution() / 25.4;
        std::unique_ptr<QProgressDialog> progress;
        if (showProgress) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("正在打印…"), QString(), 0, int(prepared.pages.size()), parent);
            progress->setWindowTitle(QStringLiteral("打印"));
            progress->setMinimumDuration(0);
        }
        for (int i = 0; i < prepared.pages.size(); ++i) {
            if (progress)
                progress->setValue(i);
            if (i > 0) {
                printer.setPageLayout(pageLayout(prepared.pageTemplate(i)));
                printer.newPage();
            }
            renderPage(painter, prepared, i, pixelsPerMm);
        }
        painter.end();
        return true;
    }
};

SystemPrintService systemPrinters;
PrintService *installed = &systemPrinters;

} // namespace

PrintService &PrintService::current()
{
    return *installed;
}

void PrintService::install(PrintService *service)
{
    installed = service ? service : &systemPrinters;
}
