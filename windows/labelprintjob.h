#pragma once

#include <QString>
#include <functional>
#include <memory>

class Connection;
class PrintList;
class Query;
class ReportObject;

// Printing the ticked rows of the print list through a label template: one report run per
// row, newest first, each with the row's copies, straight to the printer or into the
// preview. Afterwards no row is ticked. No window is needed to run it.
class LabelPrintJob {
public:
    LabelPrintJob(Connection &cnn, Query &bqqry, Query &dyqry, PrintList &printList, ReportObject &bqprn);
    ~LabelPrintJob();

    // `templatePath`: the program's folder followed by the file name. `directPrint` is
    // asked anew for every row (the 直接打印 tick).
    void PrintSelectedLabels(const QString &templatePath, const std::function<bool()> &directPrint);

private:
    Query &m_bqqry;
    Query &m_dyqry;
    PrintList &m_printList;
    ReportObject &m_bqprn;
    std::unique_ptr<Query> m_sqry;
};

// The copies of a row as a whole number; an empty value cannot be one and fails.
int copiesOf(const QVariant &value);
