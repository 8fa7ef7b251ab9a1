#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// A statement the database refused or the emulation could not translate.
class Error : public std::runtime_error {
public:
    Error(const QString& message, const QString& statement);

    const QString& message() const { return message_; }
    const QString& statement() const { return statement_; }

private:
    QString message_;
    QString statement_;
};

} // namespace db
