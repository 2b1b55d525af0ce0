#pragma once

#include <QString>
#include <functional>

// The program's title: the task bar's text and the caption of the error report.
QString applicationTitle();

// The maker's support contacts, shown in the main window's caption and the login window.
QString supportContacts();

// The error report's text: a full stop is added when the last character sorts after it.
QString errorReportText(const QString &error);

// The one error report: the error's text, the application title as caption, an error
// icon and OK. The program goes on.
void reportError(const QString &error);

// Runs one user-facing handler; an error that ends it is reported, never swallowed.
void guard(const std::function<void()> &handler);
