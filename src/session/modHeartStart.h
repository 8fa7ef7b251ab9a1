#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace db {
class Connection;
}
class AppContext;
class SessionState;
class clsCurrentUser;

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

// The program's title, on the boxes that stop it.
inline const QString programTitle = QStringLiteral("Eye Instrument Center");

// The start-up routine: logs the user in, gathers the session and records the log-in. Null when
// the program is to end (every message already shown). `prepareLogIn` may adjust the session
// component before its log-in dialog runs.
std::unique_ptr<SessionState> Main(AppContext& context,
                                   const std::function<void(clsCurrentUser&)>& prepareLogIn = {});
// Records the log-out and releases the components.
void LogOut(AppContext& context);

} // namespace modHeartStart
