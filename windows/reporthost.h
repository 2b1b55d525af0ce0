#pragma once

#include "reportobject.h"

#include <functional>

class QWidget;

// The report engine's surroundings in the program: its messages in the engine's own box,
// the system's printers, and the preview window over the window that runs the report.
class ProgramReportHost : public ReportHost {
public:
    explicit ProgramReportHost(QWidget *owner);

    void engineMessage(const QString &text) override;
    void print(const PreparedReport &prepared, const ReportModel::PrintOptions &options, bool showProgress) override;
    void preview(ReportObject &report) override;

    // The preview opens through here; tests replace it to look at what would be shown.
    static void setPreviewOpener(std::function<void(ReportObject &, QWidget *owner)> opener);

private:
    QWidget *m_owner;
};

// The caption of the report engine's own message box.
QString reportEngineCaption();
