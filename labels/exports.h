#pragma once

#include "preparedreport.h"

#include <QImage>
#include <QString>

// The prepared pages written to files: one PDF (fonts embedded, text searchable), or one
// picture per page. Throws ReportError when a file cannot be written.
namespace Exports {

void pdf(const PreparedReport &prepared, const QString &path);
QImage image(const PreparedReport &prepared, int pageIndex, int dotsPerInch);
// Pictures named after `path`: run.png gives run-1.png, run-2.png ...; returns the names.
QStringList images(const PreparedReport &prepared, const QString &path, int dotsPerInch);
// A workbook with the texts of each page in rows and columns as they stand on the page.
void xlsx(const PreparedReport &prepared, const QString &path);

} // namespace Exports
