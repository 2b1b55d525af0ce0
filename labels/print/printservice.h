#pragma once

#include "preparedreport.h"

class QWidget;

// The printers of the system. Printing goes through here so that tests can record it.
class PrintService {
public:
    virtual ~PrintService() = default;

    // Prints the prepared pages on the printer named in the options ("预设": the system's
    // default), the number of copies handed to the print system. With a dialog first when
    // asked (its copies start at the options' copies), and a progress window when asked;
    // false when the operator cancelled. Throws ReportError when there is no printer.
    virtual bool print(const PreparedReport &prepared, const ReportModel::PrintOptions &options, bool showDialog,
                       bool showProgress, QWidget *parent) = 0;

    static PrintService &current();
    static void install(PrintService *service);   // nullptr restores the system's printers
};
