#pragma once

#include "preparedreport.h"

#include <QString>

class Query;
class ReportObject;

// What the report engine asks of the platform around it: the printer, its preview window
// and its own message box. The program gives it real ones; tests give it recording ones.
class ReportHost {
public:
    virtual ~ReportHost() = default;
    virtual void engineMessage(const QString &text) = 0;       // the engine's own error box
    // Sends the pages to the printer in the options; shows a print dialog first when asked.
    virtual void print(const PreparedReport &prepared, const ReportModel::PrintOptions &options, bool showProgress) = 0;
    virtual void preview(ReportObject &report) = 0;           // modal; returns when closed
};

// The report object: one template at a time, loaded from its file, prepared over its data
// set and printed, previewed or exported.
class ReportObject {
public:
    explicit ReportObject(ReportHost &host);

    // Empties the report and resets print options and script, then reads the file if it
    // is there. A file the engine cannot read is reported in its own box and leaves the
    // report empty. Returns whether the file existed.
    bool loadFromFile(const QString &path);
    QString fileName() const { return m_fileName; }
    const ReportModel::Report &report() const { return m_report; }

    // The data set the templates read, by name, over a query. The query is closed after
    // every run and opened again when a run needs it.
    void setDataSet(const QString &name, Query *query);

    bool prepare();                        // errors go to the engine's box; false then
    void print();
    void showReport();                     // prepares, then the modal preview
    const PreparedReport &prepared() const { return m_prepared; }

    ReportModel::PrintOptions &printOptions() { return m_report.printOptions; }
    bool showProgress() const { return m_showProgress; }
    void setShowProgress(bool show) { m_showProgress = show; }

private:
    DataRows readData();

    ReportHost &m_host;
    ReportModel::Report m_report;
    QString m_fileName;
    QString m_dataSetName;
    Query *m_query = nullptr;
    PreparedReport m_prepared;
    bool m_showProgress = true;            // not reset by a load
};
