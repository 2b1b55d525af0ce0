#pragma once

#include "reportmodel.h"

#include <QString>

// The template file format: XML of our own, versioned, in the .fr3 files beside the
// program. Reading checks every value; a malformed file fails with a ReportError that
// says where, and never yields half a report.
namespace ReportFile {

const int formatVersion = 1;

ReportModel::Report read(const QByteArray &xml);     // throws ReportError
QByteArray write(const ReportModel::Report &report);

} // namespace ReportFile
