#pragma once

#include <QString>
#include <functional>
#include <memory>

class Connection;
class PrintList;
class Query;
class ReportObject;

// Printing the print list: the ticked rows through a label template, one report run per
// row, newest first, each with the row's copies, after which no row is ticked; or the
// whole list on A4 in one run. Straight to the printer or into the preview. No window is
// needed to run it.
class LabelPrintJob {
public:
    LabelPrintJob(Connection &cnn, Query &bqqry, Query &dyqry, PrintList &printList, ReportObject &bqprn);
    ~LabelPrintJob();

    // `templatePath`: the program's folder followed by the file name. `directPrint` is
    // asked anew for every row (the 直接打印 tick).
    void PrintSelectedLabels(const QString &templatePath, const std::function<bool()> &directPrint);

    // Every row of the list, newest first, in one run of the list template, with the copies
    // the template stores. The ticks stay as they are.
    void PrintListA4(const QString &templatePath, bool directPrint);

private:
    void commitGridEdit();
    void run(bool directPrint);                // prepares and prints, or previews
    Query &m_bqqry;
    Query &m_dyqry;
    PrintList &m_printList;
    ReportObject &m_bqprn;
    std::unique_ptr<Query> m_sqry;
};

// The copies of a row as a whole number; an empty value cannot be one and fails.
int copiesOf(const QVariant &value);
