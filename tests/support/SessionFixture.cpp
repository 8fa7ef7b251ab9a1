#include "SessionFixture.h"

#include "HospitalCreator.h"
#include "SessionState.h"
#include "clsCurrentUser.h"
#include "clsFunction.h"
#include "modHeartStart.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

SessionFixture::SessionFixture()
    : context(prompt, dialogs, clock)
{
    QStandardPaths::setTestModeEnabled(true);
    hospitaldb::HospitalCreator::create(folder(), hospitaldb::DemoSize::Demo, false);
    logRowsBefore_ =
        connect()
            ->open(QStringLiteral(
                "Select Max(logsequence) as Last from Clinical_Area..tbLaser_UserLogin"))
            .field("Last")
            .toInt();
}

SessionFixture::~SessionFixture()
{
    function.reset();
    session.reset();
}

void SessionFixture::scriptLogIn(const QString& code, const QString& password)
{
    dialogs.onNext([code, password](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtEmployeeCode"))->setText(code);
        dialog.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
        dialog.findChild<QAbstractButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
}

bool SessionFixture::startUp()
{
    session = modHeartStart::Main(context,
                                  [this](clsCurrentUser& user) { user.setDemoFolder(folder()); });
    if (!session)
        return false;
    function = std::make_unique<clsFunction>(*session->connection);
    context.setSession(session.get());
    context.setFunction(function.get());
    return true;
}

std::unique_ptr<db::Connection> SessionFixture::connect() const
{
    return db::Connection::connect(db::Connection::embeddedConnectionString(folder()));
}

QStringList SessionFixture::rows(const QString& statement) const
{
    QStringList list;
    auto connection = connect();
    for (db::RowSet rows = connection->open(statement); !rows.eof(); rows.moveNext()) {
        QStringList fields;
        for (int i = 0; i < rows.fieldCount(); ++i)
            fields << rows.field(i).toString();
        list << fields.join('|');
    }
    return list;
}

void SessionFixture::alter(const QString& sqliteSql) const
{
    auto connection = connect();
    QSqlQuery query(connection->database());
    if (!query.exec(sqliteSql))
        qFatal("%s: %s", qPrintable(sqliteSql), qPrintable(query.lastError().text()));
}

QStringList SessionFixture::logRows() const
{
    auto connection = connect();
    db::RowSet rows = connection->open(
        QStringLiteral("select * from Clinical_Area..tbLaser_UserLogin where LogSequence > %1 "
                       "order by LogSequence")
            .arg(logRowsBefore_));
    QStringList list;
    for (; !rows.eof(); rows.moveNext())
        list << rows.field("EmployeeID").toString() + "|" + rows.field("Remarks").toString() + "|" +
                    (rows.field("LogOutDate").isNull() ? "open" : "closed");
    return list;
}
