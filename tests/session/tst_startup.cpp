#include "SessionFixture.h"
#include "SessionState.h"
#include "clsFunction.h"
#include "modHeartStart.h"

#include <QtTest>

// The start-up routine and the activity trail, on a demo hospital of their own.
class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void logsInInOrderAndWritesTheLogInRow();
    void cancelledLogInLeavesNoRowAndNoSession();
    void stopsWithItsMessageAndNoLogRow_data();
    void stopsWithItsMessageAndNoLogRow();
    void patientSearchFailureEndsSilentlyWithTheRowOpen();
    void emptyUserLogSendsAnEmptySequence();
    void activitiesFollowLogInDirectly();
    void activityWithoutOpenRowSendsEmptyRemarks();
    void logOutClosesTheRow();
    void aRunLeftOpenDoesNotMixIntoTheNextTrail();

private:
    std::unique_ptr<SessionFixture> fixture_;
};

void TestStartUp::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->clock.setFixed(QDateTime(QDate(2026, 12, 11), QTime(7, 5, 9)));
}

void TestStartUp::cleanup()
{
    fixture_.reset();
}

void TestStartUp::logsInInOrderAndWritesTheLogInRow()
{
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    SessionState& session = *fixture_->session;
    QCOMPARE(session.EmployeeCode, QString("1001"));
    QCOMPARE(session.LoginTime, QString("12/11/2026 07:05:09 AM"));
    QVERIFY(!session.Company.isEmpty());
    QVERIFY(!session.Address1.isEmpty());
    QVERIFY(session.admission && session.patientMaster && session.codeSearch && session.drug);

    const QStringList sent = session.connection->trace().statements();
    const qsizetype info = sent.indexOf("Select * from Patient_Data..tbHospitalInfo");
    const qsizetype sequence = sent.indexOf(
        "Select Max(logsequence) + 1  as LogSequence from Clinical_Area..tbLaser_UserLogin");
    const QStringList logIns = sent.filter("SP_Laser_UserLogin");
    QVERIFY(info >= 0);
    QVERIFY(sequence > info);
    QCOMPARE(logIns.size(), 1);
    QVERIFY(sent.indexOf(logIns.first()) > sequence);
    QCOMPARE(logIns.first(), QString("Clinical_Area..SP_Laser_UserLogin '24','1001', 'LogIn:', "
                                     "'12/11/2026 07:05:09 AM', ''"));
    QCOMPARE(fixture_->logRows(), QStringList{"1001|LogIn:|open"});
    QVERIFY(fixture_->prompt.shown().isEmpty());
}

void TestStartUp::cancelledLogInLeavesNoRowAndNoSession()
{
    fixture_->dialogs.onNext([](QDialog&) { return QDialog::Rejected; });
    QVERIFY(!fixture_->startUp());
    QCOMPARE(fixture_->dialogs.ran(), QStringList{"frmLogin"});
    QVERIFY(fixture_->logRows().isEmpty());
    QVERIFY(fixture_->prompt.shown().isEmpty());
}

void TestStartUp::stopsWithItsMessageAndNoLogRow_data()
{
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<QString>("message");
    QTest::newRow("drug list") << "DROP TABLE Build_File.tbInvMaster"
                               << "Cannot load supplies list.";
    QTest::newRow("drug") << "DROP TABLE Build_File.tbInvent"
                          << "Cannot load supplies information.";
    QTest::newRow("hospital information")
        << "DELETE FROM Patient_Data.tbHospitalInfo"
        << "The hospital information (Patient_Data..tbHospitalInfo) "
           "is missing; the program cannot start.";
}

void TestStartUp::stopsWithItsMessageAndNoLogRow()
{
    QFETCH(QString, breakage);
    QFETCH(QString, message);
    fixture_->alter(breakage);
    fixture_->scriptLogIn();
    QVERIFY(!fixture_->startUp());
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const Prompt::Shown& shown = fixture_->prompt.shown().first();
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(fixture_->logRows().isEmpty());
}

void TestStartUp::patientSearchFailureEndsSilentlyWithTheRowOpen()
{
    fixture_->alter("DROP TABLE Patient_Data.tbPatient");
    fixture_->scriptLogIn();
    QVERIFY(!fixture_->startUp());
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QCOMPARE(fixture_->logRows(), QStringList{"1001|LogIn:|open"});
}

void TestStartUp::emptyUserLogSendsAnEmptySequence()
{
    fixture_->connect()->execute("TRUNCATE TABLE Clinical_Area..tbLaser_UserLogin");
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    QVERIFY(fixture_->session->connection->trace().statements().contains(
        "Clinical_Area..SP_Laser_UserLogin '','1001', 'LogIn:', '12/11/2026 07:05:09 AM', ''"));
}

void TestStartUp::activitiesFollowLogInDirectly()
{
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->function->Update_LogFile("1001", "Open Request Entry Form; ");
    fixture_->function->Update_LogFile("1001", "Click Save; ");
    QCOMPARE(fixture_->logRows(),
             QStringList{"1001|LogIn:Open Request Entry Form; Click Save; |open"});
}

void TestStartUp::activityWithoutOpenRowSendsEmptyRemarks()
{
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->function->Update_LogFile("9999", "Click Save; ");
    QCOMPARE(fixture_->session->connection->trace().statements().last(),
             QString("Clinical_Area..sp_Laser_UpdateLogRemarks '9999', ''"));
}

void TestStartUp::logOutClosesTheRow()
{
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    modHeartStart::LogOut(fixture_->context);
    QCOMPARE(fixture_->logRows(), QStringList{"1001|LogIn:Exit program;|closed"});
    QVERIFY(!fixture_->session->codeSearch && !fixture_->session->user);
}

void TestStartUp::aRunLeftOpenDoesNotMixIntoTheNextTrail()
{
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->function->Update_LogFile("1001", "Open Request Entry Form; ");
    fixture_->function.reset();
    fixture_->session.reset();

    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->function->Update_LogFile("1001", "Click Save; ");
    modHeartStart::LogOut(fixture_->context);
    QCOMPARE(fixture_->logRows(), QStringList({"1001|LogIn:Open Request Entry Form; |closed",
                                               "1001|LogIn:Click Save; Exit program;|closed"}));
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
