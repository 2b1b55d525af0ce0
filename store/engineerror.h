#pragma once

#include <QString>
#include <stdexcept>

// An error of the database engine (or of anything that stands in for it): the text is
// what the operator sees in the error report.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
