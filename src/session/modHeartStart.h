#pragma once

#include <QDate>
#include <QString>

namespace db {
class Connection;
}

// Shared routines of the department's code: small look-ups that several windows call.
namespace modHeartStart {

// Calendar-year boundaries between the birth date and today; 0 when the text is not a date.
int AgeFromBirthDate(const QString& birthDate, const QDate& today);
QString CompanyByAccount(db::Connection& connection, const QString& accountNumber);
QString ExecutivePackage(db::Connection& connection, const QString& admissionNumber);
bool IsFixedRate(db::Connection& connection, const QString& itemCode);
bool IsCleared(db::Connection& connection, const QString& admissionNumber);
// The next user log sequence; empty while the log is empty.
QString NextLogSequence(db::Connection& connection);

} // namespace modHeartStart
