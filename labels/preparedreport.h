#pragma once

#include "reportmodel.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The rows a report reads, under its data set's name: taken from the query when the
// report is prepared.
struct DataRows {
    QString name;
    QStringList columns;
    QVector<QVector<QVariant>> rows;

    QVariant value(int row, const QString &column) const;   // Null for an unknown column
};

// The pages of a report laid out over its data: which band stands where on which page,
// for which row. Every output (printer, PDF, pictures, preview) draws these pages.
struct PreparedReport {
    struct PlacedBand {
        int page = 0;                  // index into template pages
        int band = 0;                  // index into that page's bands
        double top = 0;                // mm from the page's top edge
        int row = -1;                  // the data row it shows, or -1
    };
    struct PreparedPage {
        int templatePage = 0;
        QList<PlacedBand> bands;
    };

    ReportModel::Report report;
    DataRows data;
    QList<PreparedPage> pages;

    const ReportModel::Page &pageTemplate(int pageIndex) const { return report.pages.at(pages.at(pageIndex).templatePage); }
};

// Lays the template out over the rows: title, page headers and footers, one master data
// band per row (a new page when the next one does not fit), summary. Throws ReportError
// when a band names a data set the report does not have.
PreparedReport prepareReport(const ReportModel::Report &report, const DataRows &data);

// A text with its fields filled in: [dybst."字段"], [Page#], [TotalPages#], [Date],
// [Line#], [SUM(<dybst."字段">)], [COUNT(<dybst>)]. Numbers take `format` ("%.2f").
QString expandFields(const QString &text, const PreparedReport &prepared, int pageIndex, int row, const QString &format = {});

// The texts shown on a page, fields filled in: what the preview's find looks through.
QStringList pageTexts(const PreparedReport &prepared, int pageIndex);

// Checks every field of the template against the data set's columns; throws ReportError
// naming the first that cannot be filled.
void checkFields(const ReportModel::Report &report, const DataRows &data);
