#include "SessionFixture.h"
#include "modHeartStart.h"

#include <QtTest>

// The shared look-ups, each against rows this test puts into its own demo hospital.
class TestModHeartStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void ageFromBirthDate_data();
    void ageFromBirthDate();
    void isFixedRate_data();
    void isFixedRate();
    void companyByAccount_data();
    void companyByAccount();
    void executivePackage_data();
    void executivePackage();
    void isCleared_data();
    void isCleared();

private:
    std::unique_ptr<SessionFixture> fixture_;
    std::unique_ptr<db::Connection> connection_;
};

void TestModHeartStart::initTestCase()
{
    fixture_ = std::make_unique<SessionFixture>();
    for (const char* sql : {
             "INSERT INTO Build_File.tbcoOtherRevenue (OtherRevenueID, OtherRevenue, "
             "OtherSectionID, FixRate) "
             "VALUES ('TFIX', 'FIXED', 'LR', 'Y'), ('TLOW', 'LOWER', 'LR', 'y'), ('TNOT', 'NOT', "
             "'LR', 'N')",
             "INSERT INTO Build_File.tbCoCompany (AccountNum, Company) VALUES ('T-001', 'ACME EYE "
             "CARE'), "
             "('T''02', 'O''HARA HOLDINGS')",
             "INSERT INTO Build_File.tbCoPackage (PackageID, Package) VALUES ('TPK', 'EXECUTIVE "
             "EYE PACKAGE')",
             "INSERT INTO Patient_Data.tbPatient (IdNum, HospNum, AdmDate, PackageID) VALUES "
             "('T900001', 'T1', '2026-12-01 08:00:00.000', 'TPK'), ('T900002', 'T2', '2026-12-01 "
             "08:00:00.000', NULL)",
             "INSERT INTO Station.tbDischargeClearance (IdNum, DepartmentID, RecordStatus) VALUES "
             "('T900001', 'LR', 1), ('T900002', 'LR', 0), ('T900003', 'HS', 1)",
         })
        fixture_->alter(sql);
    connection_ = fixture_->connect();
}

void TestModHeartStart::cleanupTestCase()
{
    connection_.reset();
    fixture_.reset();
}

void TestModHeartStart::ageFromBirthDate_data()
{
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("age");
    QTest::newRow("new year's day after") << "12/31/2000" << QDate(2001, 1, 1) << 1;
    QTest::newRow("last day of the year after") << "12/31/2000" << QDate(2001, 12, 31) << 1;
    QTest::newRow("before the birthday") << "06/15/1980" << QDate(2026, 3, 1) << 46;
    QTest::newRow("born today") << "12/11/2026" << QDate(2026, 12, 11) << 0;
    QTest::newRow("stored form") << "1990-02-28 00:00:00.000" << QDate(2026, 12, 11) << 36;
    QTest::newRow("not a date") << "N/A" << QDate(2026, 12, 11) << 0;
    QTest::newRow("empty") << "" << QDate(2026, 12, 11) << 0;
    QTest::newRow("impossible date") << "02/30/2000" << QDate(2026, 12, 11) << 0;
}

void TestModHeartStart::ageFromBirthDate()
{
    QFETCH(QString, birthDate);
    QFETCH(QDate, today);
    QFETCH(int, age);
    QCOMPARE(modHeartStart::AgeFromBirthDate(birthDate, today), age);
}

void TestModHeartStart::isFixedRate_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("Y") << "TFIX" << true;
    QTest::newRow("lower-case y") << "TLOW" << false;
    QTest::newRow("N") << "TNOT" << false;
    QTest::newRow("no such item") << "NOPE" << false;
    QTest::newRow("apostrophe") << "T'FIX" << false;
}

void TestModHeartStart::isFixedRate()
{
    QFETCH(QString, code);
    QFETCH(bool, fixed);
    QCOMPARE(modHeartStart::IsFixedRate(*connection_, code), fixed);
}

void TestModHeartStart::companyByAccount_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("company");
    QTest::newRow("known") << "T-001"
                           << "ACME EYE CARE";
    QTest::newRow("apostrophes") << "T'02"
                                 << "O'HARA HOLDINGS";
    QTest::newRow("unknown") << "T-999"
                             << "";
}

void TestModHeartStart::companyByAccount()
{
    QFETCH(QString, account);
    QFETCH(QString, company);
    QCOMPARE(modHeartStart::CompanyByAccount(*connection_, account), company);
}

void TestModHeartStart::executivePackage_data()
{
    QTest::addColumn<QString>("admission");
    QTest::addColumn<QString>("package");
    QTest::newRow("under a package") << "T900001"
                                     << "EXECUTIVE EYE PACKAGE";
    QTest::newRow("no package") << "T900002"
                                << "";
    QTest::newRow("unknown admission") << "T999999"
                                       << "";
}

void TestModHeartStart::executivePackage()
{
    QFETCH(QString, admission);
    QFETCH(QString, package);
    QCOMPARE(modHeartStart::ExecutivePackage(*connection_, admission), package);
}

void TestModHeartStart::isCleared_data()
{
    QTest::addColumn<QString>("admission");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("cleared") << "T900001" << true;
    QTest::newRow("status 0") << "T900002" << false;
    QTest::newRow("cleared by another department") << "T900003" << false;
    QTest::newRow("no clearance") << "T999999" << false;
}

void TestModHeartStart::isCleared()
{
    QFETCH(QString, admission);
    QFETCH(bool, cleared);
    QCOMPARE(modHeartStart::IsCleared(*connection_, admission), cleared);
}

QTEST_MAIN(TestModHeartStart)
#include "tst_modheartstart.moc"
