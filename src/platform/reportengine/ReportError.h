#pragma once

#include <QString>
#include <stdexcept>

// A template that cannot be read or used, a table that cannot be moved, a query that fails: the
// engine's own wording, shown to the user as it stands.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message)
    {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
