#pragma once

#include <QString>
#include <stdexcept>

// An error of the report engine (a template it cannot read, data it cannot prepare).
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
