// The session component clsCurrentUser and its log-in dialog frmLogin, driven through
// ScriptedDialogs: every action fills the dialog, presses its own buttons and reads what it shows.

#include "HospitalCreator.h"
#include "clsCurrentUser.h"
#include "db/Connection.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <typename Widget> Widget* child(QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("frmLogin has no control %s", name);
    return widget;
}

struct Typed {
    QString code{};
    QString password{};
    bool sqlServer = false;
    QString connectionString{};
    bool trace = false;
    QString traceFile{};
};

void fill(QDialog& dialog, const Typed& typed)
{
    child<QLineEdit>(dialog, "txtEmployeeCode")->setText(typed.code);
    child<QLineEdit>(dialog, "txtPassword")->setText(typed.password);
    QTest::mouseClick(child<QRadioButton>(dialog, typed.sqlServer ? "optSqlServer" : "optEmbedded"),
                      Qt::LeftButton);
    if (typed.sqlServer)
        child<QLineEdit>(dialog, "txtConnectionString")->setText(typed.connectionString);
    auto* trace = child<QCheckBox>(dialog, "chkTrace");
    if (trace->isChecked() != typed.trace)
        QTest::mouseClick(trace, Qt::LeftButton);
    if (typed.trace)
        child<QLineEdit>(dialog, "txtTraceFile")->setText(typed.traceFile);
}

void pressOK(QDialog& dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
}

int pressCancel(QDialog& dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    return dialog.result();
}

QString messageOf(QDialog& dialog)
{
    return child<QLabel>(dialog, "lblMessage")->text();
}

// Fills, presses OK and hands back the dialog's result.
ScriptedDialogs::Action logIn(const Typed& typed)
{
    return [typed](QDialog& dialog) {
        fill(dialog, typed);
        pressOK(dialog);
        return dialog.result();
    };
}

const QString refusedText = QStringLiteral("The employee code or password is not correct.");

} // namespace

class tst_session : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void demoLogInSucceeds();
    void dialogShape();
    void firstUseCreatesTheDemoHospital();
    void failingAttempts_data();
    void failingAttempts();
    void retryAfterFailureLogsIn();
    void departmentIsNotCheckedWhenUnset();
    void cancelLeavesNoConnection();
    void newLogInEndsTheEarlierSession();
    void rememberedChoiceComesBack();
    void failedChoiceIsNotRemembered();
    void logonDataFromTheConnectionString();
    void traceFileReceivesStatements();
    void enterInEmployeeCodeMovesToPassword();

private:
    std::unique_ptr<clsCurrentUser> makeUser(ScriptedDialogs& dialogs);

    QTemporaryDir dir_;
    QString hospital_;
    QString foreign_;
    std::unique_ptr<QTemporaryDir> perTest_;
    std::unique_ptr<QSettings> settings_;
};

void tst_session::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    hospital_ = dir_.filePath(QStringLiteral("hospital"));
    hospitaldb::HospitalCreator::create(hospital_, hospitaldb::DemoSize::Demo, false);
    // Employee 1002 of the laser department leaves: inactive from now on.
    auto connection = db::Connection::connect(db::Connection::embeddedConnectionString(hospital_));
    connection->execute(
        QStringLiteral("UPDATE Password..tbEmployee SET Active = 'N' WHERE EmployeeCode = '1002'"));

    // A folder that holds a file of a hospital database's name that is not one.
    foreign_ = dir_.filePath(QStringLiteral("foreign"));
    QVERIFY(QDir().mkpath(foreign_));
    QFile file(foreign_ + QStringLiteral("/Clinical_Area.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("these are somebody else's notes\n");
}

void tst_session::init()
{
    perTest_ = std::make_unique<QTemporaryDir>();
    QVERIFY(perTest_->isValid());
    settings_ = std::make_unique<QSettings>(perTest_->filePath(QStringLiteral("session.ini")),
                                            QSettings::IniFormat);
}

void tst_session::cleanup()
{
    settings_.reset();
    perTest_.reset();
}

std::unique_ptr<clsCurrentUser> tst_session::makeUser(ScriptedDialogs& dialogs)
{
    auto user = std::make_unique<clsCurrentUser>(dialogs, settings_.get());
    user->setDemoFolder(hospital_);
    user->setTraceFile(perTest_->filePath(QStringLiteral("trace.txt")));
    user->setPasswordDeptCode(QStringLiteral("LR"));
    return user;
}

void tst_session::demoLogInSucceeds()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    QVERIFY(!user->Connected());
    QVERIFY(!user->sqlconnection());

    dialogs.onNext(logIn({QStringLiteral("1001"), QStringLiteral("demo")}));
    user->ShowMain();

    QCOMPARE(dialogs.ran(), QStringList{QStringLiteral("frmLogin")});
    QVERIFY(user->Connected());
    QCOMPARE(user->EmployeeCode(), QStringLiteral("1001"));
    QCOMPARE(user->employeename(), QStringLiteral("MARISOL T. GATCHALIAN, RN"));
    QCOMPARE(user->ServerName(), hospital_);
    QCOMPARE(user->UserID(), QString());
    QCOMPARE(user->serverpassword(), QString());
    QVERIFY(user->sqlconnection());
    db::RowSet rows = user->sqlconnection()->open(
        QStringLiteral("Select Company from Patient_Data..tbHospitalInfo"));
    QCOMPARE(rows.count(), 1);
    QVERIFY(!rows[QStringLiteral("Company")].toString().isEmpty());
    QVERIFY(!QFile::exists(perTest_->filePath(QStringLiteral("trace.txt"))));
}

void tst_session::dialogShape()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    dialogs.onNext([](QDialog& dialog) {
        dialog.layout()->activate();
        [&] {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmLogin"));
            QCOMPARE(dialog.metaObject()->className(), "frmLogin");
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // fixed size
            QCOMPARE(child<QLineEdit>(dialog, "txtPassword")->echoMode(), QLineEdit::Password);
            QVERIFY(child<QRadioButton>(dialog, "optEmbedded")->isChecked()); // the default
            QCOMPARE(child<QRadioButton>(dialog, "optEmbedded")->text().remove(QLatin1Char('&')),
                     QStringLiteral("Embedded demo hospital"));
            QCOMPARE(child<QRadioButton>(dialog, "optSqlServer")->text().remove(QLatin1Char('&')),
                     QStringLiteral("SQL Server (ODBC)"));
            auto* connection = child<QLineEdit>(dialog, "txtConnectionString");
            QVERIFY(!connection->isEnabled());
            QTest::mouseClick(child<QRadioButton>(dialog, "optSqlServer"), Qt::LeftButton);
            QVERIFY(connection->isEnabled());
            QTest::mouseClick(child<QRadioButton>(dialog, "optEmbedded"), Qt::LeftButton);
            QVERIFY(!connection->isEnabled());
            auto* traceFile = child<QLineEdit>(dialog, "txtTraceFile");
            QVERIFY(!child<QCheckBox>(dialog, "chkTrace")->isChecked());
            QVERIFY(!traceFile->isEnabled());
            QVERIFY(!traceFile->text().isEmpty());
            QTest::mouseClick(child<QCheckBox>(dialog, "chkTrace"), Qt::LeftButton);
            QVERIFY(traceFile->isEnabled());
            QCOMPARE(messageOf(dialog), QString());
            const QSize size = dialog.size();
            fill(dialog, {QStringLiteral("1001"), QStringLiteral("wrong")});
            pressOK(dialog);
            dialog.layout()->activate();
            QCOMPARE(dialog.minimumSize(), size); // a message does not resize the dialog
        }();
        return pressCancel(dialog);
    });
    user->ShowMain();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(!user->Connected());
}

void tst_session::firstUseCreatesTheDemoHospital()
{
    const QString folder = perTest_->filePath(QStringLiteral("data/demo-hospital"));
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    user->setDemoFolder(folder);
    dialogs.onNext(logIn({QStringLiteral("1003"), QStringLiteral("clerk")}));
    user->ShowMain();
    QVERIFY(user->Connected());
    QCOMPARE(user->EmployeeCode(), QStringLiteral("1003"));
    QCOMPARE(user->ServerName(), folder);
    QVERIFY(QFile::exists(folder + QStringLiteral("/Password.db")));

    // The second use opens what the first created.
    ScriptedDialogs again;
    auto second = makeUser(again);
    second->setDemoFolder(folder);
    again.onNext(logIn({QStringLiteral("1001"), QStringLiteral("demo")}));
    second->ShowMain();
    QVERIFY(second->Connected());
}

void tst_session::failingAttempts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("demoFolder"); // "hospital", "foreign", or a path under the test dir
    QTest::addColumn<bool>("sqlServer");
    QTest::addColumn<QString>("connectionString");
    QTest::addColumn<QString>("message"); // the text, or its beginning when it ends in "..."
    QTest::addColumn<bool>("passwordCleared");

    const QString refused = refusedText;
    const QString unreachable = QStringLiteral("Cannot reach the server: ...");
    QTest::newRow("wrong password") << "1001"
                                    << "Demo"
                                    << "hospital" << false << "" << refused << true;
    QTest::newRow("empty password") << "1001"
                                    << ""
                                    << "hospital" << false << "" << refused << true;
    QTest::newRow("unknown code") << "9999"
                                  << "demo"
                                  << "hospital" << false << "" << refused << true;
    QTest::newRow("empty code") << ""
                                << "demo"
                                << "hospital" << false << "" << refused << true;
    QTest::newRow("apostrophe in code") << "1001' OR '1'='1"
                                        << "demo"
                                        << "hospital" << false << "" << refused << true;
    QTest::newRow("inactive employee") << "1002"
                                       << "tech"
                                       << "hospital" << false << "" << refused << true;
    QTest::newRow("other department") << "2001"
                                      << "heart"
                                      << "hospital" << false << "" << refused << true;
    QTest::newRow("demo folder not a hospital")
        << "1001"
        << "demo"
        << "foreign" << false << ""
        << "Cannot reach the server: The folder \"" + foreign_ + "\" is not a hospital database..."
        << false;
    QTest::newRow("no ODBC driver")
        << "1001"
        << "demo"
        << "hospital" << true << "Driver={No Such ODBC Driver};Server=nowhere;UID=sa;PWD=secret"
        << unreachable << false;
    QTest::newRow("embedded provider on a missing folder")
        << "1001"
        << "demo"
        << "hospital" << true
        << db::Connection::embeddedConnectionString(dir_.filePath(QStringLiteral("missing")))
        << "Cannot reach the server: The data folder \"" +
               dir_.filePath(QStringLiteral("missing")) + "\" does not exist."
        << false;
    QTest::newRow("empty connection string")
        << "1001"
        << "demo"
        << "hospital" << true << ""
        << "Type the ODBC connection string of the SQL Server." << false;
}

void tst_session::failingAttempts()
{
    QFETCH(QString, code);
    QFETCH(QString, password);
    QFETCH(QString, demoFolder);
    QFETCH(bool, sqlServer);
    QFETCH(QString, connectionString);
    QFETCH(QString, message);
    QFETCH(bool, passwordCleared);

    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    user->setDemoFolder(demoFolder == QLatin1String("foreign") ? foreign_ : hospital_);

    QStringList shown;
    QStringList passwordsLeft;
    QList<bool> stillOpen;
    bool passwordFocused = false;
    dialogs.onNext([&](QDialog& dialog) {
        const Typed typed{code, password, sqlServer, connectionString};
        for (int attempt = 0; attempt < 2; ++attempt) { // the dialog lets the user try again
            fill(dialog, typed);
            pressOK(dialog);
            shown.append(messageOf(dialog));
            passwordsLeft.append(child<QLineEdit>(dialog, "txtPassword")->text());
            stillOpen.append(dialog.result() != QDialog::Accepted);
            if (attempt == 0)
                passwordFocused = dialog.focusWidget() == child<QLineEdit>(dialog, "txtPassword");
        }
        return pressCancel(dialog);
    });
    user->ShowMain();

    QCOMPARE(shown.size(), 2);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (message.endsWith(QLatin1String("..."))) {
            const QString start = message.chopped(3);
            QVERIFY2(shown[attempt].startsWith(start), qPrintable(shown[attempt]));
            QVERIFY(shown[attempt].size() > start.size() || !start.endsWith(QLatin1String(": ")));
        } else {
            QCOMPARE(shown[attempt], message);
        }
        QVERIFY(stillOpen[attempt]);
        QCOMPARE(passwordsLeft[attempt], passwordCleared ? QString() : password);
    }
    if (passwordCleared)
        QVERIFY(passwordFocused);
    QVERIFY(!user->Connected());
    QVERIFY(!user->sqlconnection());
    QCOMPARE(user->EmployeeCode(), QString());
    QCOMPARE(user->employeename(), QString());
    QCOMPARE(user->ServerName(), QString());
    // A folder that is not a hospital is never written to.
    QCOMPARE(QDir(foreign_).entryList(QDir::Files),
             QStringList{QStringLiteral("Clinical_Area.db")});
}

void tst_session::retryAfterFailureLogsIn()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    QString first;
    QString afterSuccess;
    dialogs.onNext([&](QDialog& dialog) {
        fill(dialog, {QStringLiteral("1001"), QStringLiteral("nope")});
        pressOK(dialog);
        first = messageOf(dialog);
        child<QLineEdit>(dialog, "txtPassword")->setText(QStringLiteral("demo"));
        pressOK(dialog);
        afterSuccess = messageOf(dialog);
        return dialog.result();
    });
    user->ShowMain();
    QCOMPARE(first, refusedText);
    QCOMPARE(afterSuccess, QString());
    QVERIFY(user->Connected());
    QCOMPARE(user->EmployeeCode(), QStringLiteral("1001"));
}

void tst_session::departmentIsNotCheckedWhenUnset()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    user->setPasswordDeptCode(QString());
    dialogs.onNext(logIn({QStringLiteral("2001"), QStringLiteral("heart")}));
    user->ShowMain();
    QVERIFY(user->Connected());
    QCOMPARE(user->employeename(), QStringLiteral("EDGARDO L. SORIANO"));
}

void tst_session::cancelLeavesNoConnection()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    dialogs.onNext([](QDialog& dialog) {
        fill(dialog, {QStringLiteral("1001"), QStringLiteral("demo")});
        return pressCancel(dialog); // typed right, but gave up
    });
    user->ShowMain();
    QVERIFY(!user->Connected());
    QVERIFY(!user->sqlconnection());

    // A dialog closed without any action (no script left) is a cancel as well.
    user->ShowMain();
    QVERIFY(!user->Connected());
    QCOMPARE(dialogs.ran().size(), 2);

    // Closed as accepted without a successful check: still not logged in.
    dialogs.onNext([](QDialog&) { return int(QDialog::Accepted); });
    user->ShowMain();
    QVERIFY(!user->Connected());
}

void tst_session::newLogInEndsTheEarlierSession()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    dialogs.onNext(logIn({QStringLiteral("1001"), QStringLiteral("demo")}));
    user->ShowMain();
    QVERIFY(user->Connected());
    dialogs.onNext(pressCancel);
    user->ShowMain();
    QVERIFY(!user->Connected());
    QVERIFY(!user->sqlconnection());
    QCOMPARE(user->EmployeeCode(), QString());
}

void tst_session::rememberedChoiceComesBack()
{
    const QString connectionString = db::Connection::embeddedConnectionString(hospital_);
    {
        ScriptedDialogs dialogs;
        auto user = makeUser(dialogs);
        dialogs.onNext(
            logIn({QStringLiteral("1001"), QStringLiteral("demo"), true, connectionString}));
        user->ShowMain();
        QVERIFY(user->Connected());
        QCOMPARE(user->ServerName(), hospital_); // the Data Source of an embedded string
    }

    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    bool sqlServer = false;
    bool enabled = false;
    QString remembered;
    QString code;
    QString password;
    dialogs.onNext([&](QDialog& dialog) {
        sqlServer = child<QRadioButton>(dialog, "optSqlServer")->isChecked();
        enabled = child<QLineEdit>(dialog, "txtConnectionString")->isEnabled();
        remembered = child<QLineEdit>(dialog, "txtConnectionString")->text();
        code = child<QLineEdit>(dialog, "txtEmployeeCode")->text();
        password = child<QLineEdit>(dialog, "txtPassword")->text();
        return pressCancel(dialog);
    });
    user->ShowMain();
    QVERIFY(sqlServer);
    QVERIFY(enabled);
    QCOMPARE(remembered, connectionString);
    QCOMPARE(password, QString());

    // The settings hold the choice and the string, and never the password.
    settings_->sync();
    QCOMPARE(settings_->childGroups(), QStringList{QStringLiteral("clsCurrentUser")});
    settings_->beginGroup(QStringLiteral("clsCurrentUser"));
    QStringList keys = settings_->childKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{QStringLiteral("ConnectionString"), QStringLiteral("Server")}));
    settings_->endGroup();
    QFile ini(settings_->fileName());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(!ini.readAll().contains("demo"));

    // Back to the embedded hospital: remembered too, the connection string kept for later.
    ScriptedDialogs third;
    auto user3 = makeUser(third);
    third.onNext(logIn({QStringLiteral("1001"), QStringLiteral("demo")}));
    user3->ShowMain();
    QVERIFY(user3->Connected());
    ScriptedDialogs fourth;
    auto user4 = makeUser(fourth);
    fourth.onNext([&](QDialog& dialog) {
        sqlServer = child<QRadioButton>(dialog, "optSqlServer")->isChecked();
        remembered = child<QLineEdit>(dialog, "txtConnectionString")->text();
        return pressCancel(dialog);
    });
    user4->ShowMain();
    QVERIFY(!sqlServer);
    QCOMPARE(remembered, connectionString);
}

void tst_session::failedChoiceIsNotRemembered()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    dialogs.onNext([](QDialog& dialog) {
        fill(dialog, {QStringLiteral("1001"), QStringLiteral("demo"), true,
                      QStringLiteral("Driver={No Such ODBC Driver};Server=nowhere")});
        pressOK(dialog);
        return pressCancel(dialog);
    });
    user->ShowMain();
    QVERIFY(!user->Connected());
    QVERIFY(settings_->allKeys().isEmpty());
}

void tst_session::logonDataFromTheConnectionString()
{
    // Extra parts of an embedded connection string are ignored by the gateway, so a working
    // "SQL Server" string with Server, UID and PWD parts can be tried without a server.
    const QString connectionString =
        db::Connection::embeddedConnectionString(hospital_) +
        QStringLiteral(";Server=VELMORA-DB01;UID=report_user;PWD={s3c;r}}t}");
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    dialogs.onNext(logIn({QStringLiteral("1004"), QStringLiteral("head"), true, connectionString}));
    user->ShowMain();
    QVERIFY(user->Connected());
    QCOMPARE(user->EmployeeCode(), QStringLiteral("1004"));
    QCOMPARE(user->ServerName(), QStringLiteral("VELMORA-DB01"));
    QCOMPARE(user->UserID(), QStringLiteral("report_user"));
    QCOMPARE(user->serverpassword(), QStringLiteral("s3c;r}t"));
    QCOMPARE(user->sqlconnection()->connectionString(), connectionString);
}

void tst_session::traceFileReceivesStatements()
{
    const QString path = perTest_->filePath(QStringLiteral("support/trace.txt"));
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    dialogs.onNext([&](QDialog& dialog) {
        // A refused attempt with the trace on, then the right password.
        fill(dialog, {QStringLiteral("1001"), QStringLiteral("wrong"), false, {}, true, path});
        pressOK(dialog);
        child<QLineEdit>(dialog, "txtPassword")->setText(QStringLiteral("demo"));
        pressOK(dialog);
        return dialog.result();
    });
    user->ShowMain();
    QVERIFY(user->Connected());
    user->sqlconnection()->execute(
        QStringLiteral("Select Company from Patient_Data..tbHospitalInfo"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray content = file.readAll();
    const QStringList lines =
        QString::fromUtf8(content).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Both log-in checks and the later statement, each with its outcome.
    QCOMPARE(lines.size(), 3);
    const QString check =
        QStringLiteral("SELECT EmployeeCode, EmployeeName, DeptCode, PasswordHash, Active FROM "
                       "Password..tbEmployee WHERE EmployeeCode = '1001'");
    QVERIFY2(lines[0].contains(check + QStringLiteral("\tok")), qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(check + QStringLiteral("\tok")), qPrintable(lines[1]));
    QVERIFY2(
        lines[2].contains(QStringLiteral("Select Company from Patient_Data..tbHospitalInfo\tok")),
        qPrintable(lines[2]));
    QVERIFY(!content.contains("'demo'"));
}

void tst_session::enterInEmployeeCodeMovesToPassword()
{
    ScriptedDialogs dialogs;
    auto user = makeUser(dialogs);
    QString message = QStringLiteral("unset");
    int result = -1;
    bool onPassword = false;
    dialogs.onNext([&](QDialog& dialog) {
        auto* code = child<QLineEdit>(dialog, "txtEmployeeCode");
        code->setText(QStringLiteral("1001"));
        code->setFocus();
        QTest::keyClick(code, Qt::Key_Return);
        message = messageOf(dialog);
        result = dialog.result();
        onPassword = dialog.focusWidget() == child<QLineEdit>(dialog, "txtPassword");
        return pressCancel(dialog);
    });
    user->ShowMain();
    QCOMPARE(message, QString()); // no attempt was made
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(onPassword);
}

QTEST_MAIN(tst_session)
#include "tst_session.moc"
