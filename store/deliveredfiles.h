#pragma once

#include <QString>

// The files delivered beside the program: an empty trfp.mdb holding one administrator
// account (Admin, role 管理, no password) and the workgroup file Security.mdw holding the
// engine account of the connection string. Existing files are the operator's data and
// are never touched.
namespace DeliveredFiles {

// Creates the database; fails if the file exists.
void createDatabase(const QString &path);

// Creates whichever of trfp.mdb and Security.mdw is missing in the folder and returns
// the names of the files it created.
QStringList createMissing(const QString &folder);

} // namespace DeliveredFiles
