#pragma once

#include <QString>

// The workgroup file (Security.mdw): the engine accounts under which the database may be
// opened. It holds for each account a salt and a PBKDF2-SHA256 hash, never a password.
namespace Workgroup {

// Writes a new workgroup file holding one account; fails if the file exists.
void create(const QString &path, const QString &account, const QString &password);

// Throws EngineError naming what failed: no file, not a workgroup file, no such account,
// wrong password. Account names are matched without regard to case, passwords exactly.
void verify(const QString &path, const QString &account, const QString &password);

} // namespace Workgroup
