#pragma once

#include "LoginDialog.h"

#include <QString>
#include <memory>

class Dialogs;
class QSettings;

namespace db {
class Connection;
}

// The session component: logs the user in through
// its dialog (frmLogin) and then holds the run's one database connection and the employee.
//
// The log-in reads Password..tbEmployee (EmployeeCode, EmployeeName, DeptCode, PasswordHash,
// Active): the employee must exist, be active ("Y"), belong to PasswordDeptCode when that is set,
// and the password must match the stored hash. The component remembers its last successful
// server choice and connection string (never a password) in QSettings, group "clsCurrentUser".
class clsCurrentUser {
public:
    // `settings`: where the last server choice is kept; null means the component's own
    // QSettings (organisation "EyeCenter", application "SessionComponent"). Not owned.
    explicit clsCurrentUser(Dialogs& dialogs, QSettings* settings = nullptr);
    ~clsCurrentUser();
    clsCurrentUser(const clsCurrentUser&) = delete;
    clsCurrentUser& operator=(const clsCurrentUser&) = delete;

    // The department the employee must belong to ("LR"); empty admits every department.
    const QString& PasswordDeptCode() const { return passwordDeptCode_; }
    void setPasswordDeptCode(const QString& value) { passwordDeptCode_ = value; }

    // Runs the log-in dialog through the Dialogs it was given; returns when the user has logged
    // in or given up. Any earlier session of this component is ended first.
    void ShowMain();

    bool Connected() const { return connection_ != nullptr; }
    // The open connection, owned by the component; null unless Connected().
    db::Connection* sqlconnection() const { return connection_.get(); }
    const QString& EmployeeCode() const { return employeeCode_; }
    const QString& employeename() const { return employeeName_; }
    // Report logon data: for SQL Server the Server, UID and PWD parts of the connection string;
    // for the embedded hospital the data folder, empty user and password.
    const QString& ServerName() const { return serverName_; }
    const QString& UserID() const { return userId_; }
    const QString& serverpassword() const { return serverPassword_; }

    // Where the embedded demo hospital lives (created there on first use). Default:
    // AppLocalDataLocation + "/demo-hospital".
    const QString& demoFolder() const { return demoFolder_; }
    void setDemoFolder(const QString& folder) { demoFolder_ = folder; }
    // The trace file path the dialog offers. Default: AppLocalDataLocation +
    // "/statement-trace.txt".
    const QString& traceFile() const { return traceFile_; }
    void setTraceFile(const QString& path) { traceFile_ = path; }

private:
    frmLogin::Outcome attempt(const frmLogin::Entry& entry);
    void clear();
    void remember(const frmLogin::Entry& entry);

    Dialogs& dialogs_;
    std::unique_ptr<QSettings> ownSettings_;
    QSettings* settings_;
    QString passwordDeptCode_;
    QString demoFolder_;
    QString traceFile_;

    std::unique_ptr<db::Connection> connection_;
    QString employeeCode_;
    QString employeeName_;
    QString serverName_;
    QString userId_;
    QString serverPassword_;

    // The attempt that succeeded in the running dialog, taken over when the dialog is accepted.
    struct Pending;
    std::unique_ptr<Pending> pending_;
};
