#pragma once

#include "db/Connection.h"
#include "ui/AppContext.h"

#include <QTemporaryDir>
#include <memory>

class SessionState;
class clsFunction;

// A demo hospital of its own, scripted message boxes and dialogs, a fixed workstation clock,
// and the start-up routine run against them.
class SessionFixture {
public:
    SessionFixture();
    ~SessionFixture();

    QString folder() const { return dir_.filePath(QStringLiteral("hospital")); }
    // Scripts the log-in dialog's next run: types the code and password and presses OK.
    void scriptLogIn(const QString& code = QStringLiteral("1001"),
                     const QString& password = QStringLiteral("demo"));
    // The start-up routine; on success the context carries the session and clsFunction.
    bool startUp();
    // A separate connection for checking what the program wrote, or breaking the hospital.
    std::unique_ptr<db::Connection> connect() const;
    // The rows a statement returns, read on a separate connection, fields joined by "|".
    QStringList rows(const QString& statement) const;
    // Runs plain SQLite SQL on the hospital, to break it the way a test needs.
    void alter(const QString& sqliteSql) const;
    // The user log rows written since the fixture began, as "EmployeeID|Remarks|open or closed".
    QStringList logRows() const;

    ScriptedPrompt prompt;
    ScriptedDialogs dialogs;
    Clock clock;
    AppContext context;
    std::unique_ptr<SessionState> session;
    std::unique_ptr<clsFunction> function;

private:
    QTemporaryDir dir_;
    int logRowsBefore_ = 0;
};
