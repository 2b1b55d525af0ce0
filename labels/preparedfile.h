#pragma once

#include "preparedreport.h"

// A prepared report kept in a file (.fp3): the template and the rows it was prepared
// over, so that it opens again with the same pages.
namespace PreparedFile {

QByteArray write(const PreparedReport &prepared);
PreparedReport read(const QByteArray &bytes);   // throws ReportError

} // namespace PreparedFile
