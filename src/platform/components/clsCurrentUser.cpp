#include "clsCurrentUser.h"

#include "HospitalCreator.h"
#include "PasswordHash.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "db/tsql/EmbeddedFolder.h"
#include "ui/BusyPointer.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <exception>

namespace {

const QString settingsGroup = QStringLiteral("clsCurrentUser");
const QString serverKey = QStringLiteral("Server");
const QString connectionStringKey = QStringLiteral("ConnectionString");
const QString embeddedValue = QStringLiteral("EmbeddedDemo");
const QString sqlServerValue = QStringLiteral("SqlServer");

QString refusedText()
{
    return QStringLiteral("The employee code or password is not correct.");
}

frmLogin::Outcome refused()
{
    return {frmLogin::Outcome::Refused, refusedText()};
}

frmLogin::Outcome failed(const QString& message)
{
    return {frmLogin::Outcome::Failed, message};
}

QString firstPart(const QString& connectionString, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        const QString value =
            db::ConnectionString::part(connectionString, QString::fromLatin1(key));
        if (!value.isEmpty())
            return value;
    }
    return {};
}

} // namespace

struct clsCurrentUser::Pending {
    std::unique_ptr<db::Connection> connection;
    QString employeeCode;
    QString employeeName;
    QString serverName;
    QString userId;
    QString serverPassword;
    frmLogin::Entry entry;
};

clsCurrentUser::clsCurrentUser(Dialogs& dialogs, QSettings* settings)
    : dialogs_(dialogs)
    , settings_(settings)
{
    if (!settings_) {
        ownSettings_ = std::make_unique<QSettings>(QStringLiteral("EyeCenter"),
                                                   QStringLiteral("SessionComponent"));
        settings_ = ownSettings_.get();
    }
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    demoFolder_ = dataDir + QStringLiteral("/demo-hospital");
    traceFile_ = dataDir + QStringLiteral("/statement-trace.txt");
}

clsCurrentUser::~clsCurrentUser() = default;

void clsCurrentUser::clear()
{
    connection_.reset();
    employeeCode_.clear();
    employeeName_.clear();
    serverName_.clear();
    userId_.clear();
    serverPassword_.clear();
}

void clsCurrentUser::ShowMain()
{
    clear();
    pending_.reset();

    frmLogin dialog([this](const frmLogin::Entry& entry) { return attempt(entry); });
    settings_->beginGroup(settingsGroup);
    const bool sqlServer = settings_->value(serverKey).toString() == sqlServerValue;
    const QString connectionString = settings_->value(connectionStringKey).toString();
    settings_->endGroup();
    dialog.setServer(sqlServer ? frmLogin::Server::SqlServer : frmLogin::Server::EmbeddedDemo);
    dialog.setConnectionString(connectionString);
    dialog.setTraceFile(traceFile_);

    const int result = dialogs_.run(dialog);
    std::unique_ptr<Pending> pending = std::move(pending_);
    if (result != QDialog::Accepted || !pending)
        return; // gave up: not connected, no connection left

    connection_ = std::move(pending->connection);
    employeeCode_ = pending->employeeCode;
    employeeName_ = pending->employeeName;
    serverName_ = pending->serverName;
    userId_ = pending->userId;
    serverPassword_ = pending->serverPassword;
    remember(pending->entry);
}

void clsCurrentUser::remember(const frmLogin::Entry& entry)
{
    settings_->beginGroup(settingsGroup);
    settings_->setValue(serverKey, entry.server == frmLogin::Server::SqlServer ? sqlServerValue
                                                                               : embeddedValue);
    if (entry.server == frmLogin::Server::SqlServer)
        settings_->setValue(connectionStringKey, entry.connectionString);
    settings_->endGroup();
    settings_->sync();
}

frmLogin::Outcome clsCurrentUser::attempt(const frmLogin::Entry& entry)
{
    pending_.reset();
    const BusyPointer busy;

    auto pending = std::make_unique<Pending>();
    pending->entry = entry;
    QString connectionString;
    if (entry.server == frmLogin::Server::EmbeddedDemo) {
        if (demoFolder_.isEmpty())
            return failed(QStringLiteral("No folder is set for the demo hospital."));
        if (!db::tsql::EmbeddedFolder::holdsAnyFile(demoFolder_)) {
            try {
                hospitaldb::HospitalCreator::create(demoFolder_, hospitaldb::DemoSize::Demo, false);
            } catch (const std::exception& error) {
                return failed(QStringLiteral("Cannot create the demo hospital: ") +
                              QString::fromUtf8(error.what()));
            }
        }
        connectionString = db::Connection::embeddedConnectionString(demoFolder_);
        pending->serverName = demoFolder_;
    } else {
        connectionString = entry.connectionString;
        if (connectionString.isEmpty())
            return failed(QStringLiteral("Type the ODBC connection string of the SQL Server."));
        pending->serverName =
            firstPart(connectionString, {"Server", "Address", "Addr", "Data Source"});
        pending->userId = firstPart(connectionString, {"UID", "User ID"});
        pending->serverPassword = firstPart(connectionString, {"PWD", "Password"});
    }

    try {
        pending->connection = db::Connection::connect(connectionString);
    } catch (const db::Error& error) {
        return failed(QStringLiteral("Cannot reach the server: ") + error.message());
    }

    if (entry.trace) {
        const QString path = entry.traceFile;
        if (path.isEmpty())
            return failed(QStringLiteral("Type the path of the trace file."));
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!pending->connection->trace().setFile(path))
            return failed(QStringLiteral("Cannot write the trace file \"%1\".")
                              .arg(QDir::toNativeSeparators(path)));
    }

    if (entry.employeeCode.isEmpty())
        return refused();

    db::RowSet rows;
    try {
        rows = pending->connection->open(
            QStringLiteral("SELECT EmployeeCode, EmployeeName, DeptCode, PasswordHash, Active "
                           "FROM Password..tbEmployee WHERE EmployeeCode = ") +
            db::Sql::quote(entry.employeeCode));
        if (rows.count() <= 0)
            return refused();
        const bool active = rows[QStringLiteral("Active")].toString().trimmed().compare(
                                QLatin1String("Y"), Qt::CaseInsensitive) == 0;
        const bool ofDepartment = passwordDeptCode_.trimmed().isEmpty() ||
                                  rows[QStringLiteral("DeptCode")].toString().trimmed().compare(
                                      passwordDeptCode_.trimmed(), Qt::CaseInsensitive) == 0;
        if (!active || !ofDepartment ||
            !PasswordHash::matches(entry.password, rows[QStringLiteral("PasswordHash")].toString()))
            return refused();
        pending->employeeCode = rows[QStringLiteral("EmployeeCode")].toString();
        pending->employeeName = rows[QStringLiteral("EmployeeName")].toString();
        rows.close();
    } catch (const db::Error& error) {
        return failed(QStringLiteral("Cannot check the log-in: ") + error.message());
    }

    pending_ = std::move(pending);
    return {frmLogin::Outcome::LoggedIn, QString()};
}
