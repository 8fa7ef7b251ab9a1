#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The log-in dialog of the session component (clsCurrentUser). A fixed-size dialog: employee
// code and masked password, the server (the embedded demo hospital or SQL Server through an
// ODBC connection string), an optional statement trace file for support, OK and Cancel.
//
// OK (and accept()) hands what was typed to the check the dialog was given and closes the
// dialog only when the check succeeds; otherwise the check's message stays in the dialog in
// red and the user may try again or cancel.
//
// Controls (objectName = the name): txtEmployeeCode, txtPassword, fraServer, optEmbedded,
// optSqlServer, txtConnectionString, chkTrace, txtTraceFile, lblMessage, cmdOK, cmdCancel.
class frmLogin : public QDialog {
    Q_OBJECT

public:
    enum class Server { EmbeddedDemo, SqlServer };

    // What the user typed.
    struct Entry {
        QString employeeCode;
        QString password;
        Server server = Server::EmbeddedDemo;
        QString connectionString; // the ODBC connection string (SQL Server only)
        bool trace = false;
        QString traceFile;
    };

    // The outcome of one attempt. A refused employee code or password clears and focuses the
    // password box; any other failure keeps what was typed.
    struct Outcome {
        enum Kind { LoggedIn, Refused, Failed };
        Kind kind = LoggedIn;
        QString message;
    };
    using Check = std::function<Outcome(const Entry&)>;

    explicit frmLogin(Check check, QWidget* parent = nullptr);

    Entry entry() const;
    void setServer(Server server);
    void setConnectionString(const QString& connectionString);
    void setTraceFile(const QString& path);
    // The red text shown after a failed attempt; empty before the first attempt.
    QString message() const;

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateEnabled();
    void showMessage(const QString& text);

    Check check_;
    QLineEdit* txtEmployeeCode_;
    QLineEdit* txtPassword_;
    QRadioButton* optEmbedded_;
    QRadioButton* optSqlServer_;
    QLineEdit* txtConnectionString_;
    QCheckBox* chkTrace_;
    QLineEdit* txtTraceFile_;
    QLabel* lblMessage_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
};
