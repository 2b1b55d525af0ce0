#pragma once

#include <QString>

class Query;

// The five-field search written plainly, as the print list's statements give it: the
// yardstick that the program's faster searches are measured and checked against.
void setPlainFiveFieldSearch(Query &query, const QString &text, bool orderedByCode);
