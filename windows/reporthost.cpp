#include "reporthost.h"

#include "previewwindow.h"
#include "printservice.h"
#include "prompts.h"
#include "reporterror.h"

namespace {

std::function<void(ReportObject &, QWidget *)> previewOpener = [](ReportObject &report, QWidget *owner) {
    PreviewWindow::Settings settings{report.printOptions(), report.showProgress(), report.report().previewOptions};
    PreviewWindow window(report.prepared(), settings, owner);
    window.exec();
};

} // namespace

QString reportEngineCaption()
{
    return QStringLiteral("报表引擎");
}

ProgramReportHost::ProgramReportHost(QWidget *owner) : m_owner(owner)
{
    // The preview's own notices and file names go through the program's prompts too.
    PreviewWindow::setNotice([](QWidget *, const QString &text) {
        Prompts::current().message(reportEngineCaption(), text, Prompts::Icon::Information);
    });
}

void ProgramReportHost::engineMessage(const QString &text)
{
    Prompts::current().message(reportEngineCaption(), text, Prompts::Icon::Error);
}

void ProgramReportHost::print(const PreparedReport &prepared, const ReportModel::PrintOptions &options, bool showProgress)
{
    try {
        PrintService::current().print(prepared, options, options.showDialog, showProgress, m_owner);
    } catch (const ReportError &e) {
        engineMessage(e.text()); // no printer: the engine says so and prints nothing
    }
}

void ProgramReportHost::preview(ReportObject &report)
{
    previewOpener(report, m_owner);
}

void ProgramReportHost::setPreviewOpener(std::function<void(ReportObject &, QWidget *)> opener)
{
    previewOpener = std::move(opener);
}
