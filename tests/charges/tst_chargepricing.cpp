#include "ChargePricing.h"
#include "HolidayChecks.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/ServerClock.h"

#include <QTest>

// Item LR17 of the demo hospital is rated A 1500, B 1430, C 1350, D 1200, E 900.
class ChargePricingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void roomClassPicksItsRate_data();
    void roomClassPicksItsRate();
    void outPatientTypePicksItsRate_data();
    void outPatientTypePicksItsRate();
    void amountsAreWrittenWithoutLeadingZero_data();
    void amountsAreWrittenWithoutLeadingZero();
    void markUpTakesTheLeadingNumber_data();
    void markUpTakesTheLeadingNumber();
    void holidayChecksReadTheServerClock_data();
    void holidayChecksReadTheServerClock();
    void statRequestsStartWithTheMarkUp();

private:
    const codesearch::OtherRevenueRecord& biometry();
    std::unique_ptr<SessionFixture> fixture_;
};

void ChargePricingTest::initTestCase()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
}

void ChargePricingTest::cleanupTestCase()
{
    db::ServerClock::forFolder(fixture_->folder())->setFixed({});
    fixture_.reset();
}

const codesearch::OtherRevenueRecord& ChargePricingTest::biometry()
{
    clscodesearch& search = *fixture_->session->codeSearch;
    QString code = "LR17";
    if (!search.SearchListing(code, clscodesearch::ItemListing))
        qFatal("LR17 is missing from the demo hospital");
    return search.OtherRevenueRecord();
}

void ChargePricingTest::roomClassPicksItsRate_data()
{
    QTest::addColumn<QString>("roomClass");
    QTest::addColumn<QString>("rate");
    QTest::newRow("A") << "A"
                       << "1500.00";
    QTest::newRow("B") << "B"
                       << "1430.00";
    QTest::newRow("C") << "C"
                       << "1350.00";
    QTest::newRow("D") << "D"
                       << "1200.00";
    QTest::newRow("E") << "E"
                       << "900.00";
    QTest::newRow("ward without class") << ""
                                        << "none";
    QTest::newRow("unknown class") << "F"
                                   << "none";
}

void ChargePricingTest::roomClassPicksItsRate()
{
    QFETCH(QString, roomClass);
    QFETCH(QString, rate);
    const std::optional<double> found = ChargePricing::roomClassRate(biometry(), roomClass);
    QCOMPARE(found ? ChargePricing::amountText(*found) : QString("none"), rate);
}

void ChargePricingTest::outPatientTypePicksItsRate_data()
{
    QTest::addColumn<QString>("patientType");
    QTest::addColumn<bool>("portable");
    QTest::addColumn<double>("rate");
    QTest::newRow("company") << "C" << true << 1430.0;
    QTest::newRow("walk-in") << "W" << true << 1500.0;
    QTest::newRow("regular") << "O" << false << 1500.0;
    QTest::newRow("regular portable") << "O" << true << 2000.0;
    QTest::newRow("no visit row") << "" << false << 1500.0;
}

void ChargePricingTest::outPatientTypePicksItsRate()
{
    QFETCH(QString, patientType);
    QFETCH(bool, portable);
    QFETCH(double, rate);
    QCOMPARE(ChargePricing::outPatientRate(biometry(), patientType, portable), rate);
}

void ChargePricingTest::amountsAreWrittenWithoutLeadingZero_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("markUp");
    QTest::addColumn<QString>("priceText");
    QTest::addColumn<QString>("amountText");
    QTest::newRow("holiday 50 on 1000") << 1000.0 << 1.0 << 50.0 << "1000.00"
                                        << "1500.00";
    QTest::newRow("no mark-up") << 330.4 << 2.0 << 0.0 << "330.40"
                                << "660.80";
    QTest::newRow("zero") << 0.0 << 1.0 << 50.0 << ".00"
                          << ".00";
    QTest::newRow("below one") << 0.5 << 1.0 << 0.0 << ".50"
                               << ".50";
    QTest::newRow("half cent up") << 2.675 << 1.0 << 0.0 << "2.68"
                                  << "2.68";
}

void ChargePricingTest::amountsAreWrittenWithoutLeadingZero()
{
    QFETCH(double, price);
    QFETCH(double, quantity);
    QFETCH(double, markUp);
    QFETCH(QString, priceText);
    QFETCH(QString, amountText);
    const ChargePricing::LineAmounts line = ChargePricing::lineAmounts(price, quantity, markUp);
    QCOMPARE(line.price, priceText);
    QCOMPARE(line.amount, amountText);
}

void ChargePricingTest::markUpTakesTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("percent");
    QTest::newRow("plain") << "50" << 50.0;
    QTest::newRow("decimals and sign") << "12.5 %" << 12.5;
    QTest::newRow("blank around") << "  25  " << 25.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("words first") << "fifty" << 0.0;
}

void ChargePricingTest::markUpTakesTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, percent);
    QCOMPARE(ChargePricing::markUpPercent(text), percent);
}

void ChargePricingTest::holidayChecksReadTheServerClock_data()
{
    QTest::addColumn<QDateTime>("serverTime");
    QTest::addColumn<bool>("afterHours");
    QTest::addColumn<bool>("sunday");
    QTest::addColumn<bool>("fixedHoliday");
    const QDate friday(2026, 12, 11);
    QTest::newRow("07:59:59") << QDateTime(friday, QTime(7, 59, 59)) << true << false << false;
    QTest::newRow("08:00:00") << QDateTime(friday, QTime(8, 0)) << false << false << false;
    QTest::newRow("16:59:59") << QDateTime(friday, QTime(16, 59, 59)) << false << false << false;
    QTest::newRow("17:00:00") << QDateTime(friday, QTime(17, 0)) << true << false << false;
    QTest::newRow("Sunday") << QDateTime(QDate(2026, 12, 13), QTime(10, 0)) << false << true
                            << false;
    QTest::newRow("first fixed holiday")
        << QDateTime(QDate(2026, 1, 1), QTime(10, 0)) << false << false << true;
    QTest::newRow("a later fixed holiday")
        << QDateTime(QDate(2026, 12, 25), QTime(10, 0)) << false << false << false;
}

void ChargePricingTest::holidayChecksReadTheServerClock()
{
    QFETCH(QDateTime, serverTime);
    QFETCH(bool, afterHours);
    QFETCH(bool, sunday);
    QFETCH(bool, fixedHoliday);
    db::ServerClock::forFolder(fixture_->folder())->setFixed(serverTime);
    const HolidayChecks checks(*fixture_->session->connection);
    QCOMPARE(checks.Check_AfterHours(), afterHours);
    QCOMPARE(checks.Check_Sunday(), sunday);
    QCOMPARE(checks.Check_FixedHoliday(), fixedHoliday);
}

void ChargePricingTest::statRequestsStartWithTheMarkUp()
{
    auto connection = fixture_->connect();
    const QString stat =
        connection
            ->open("select top 1 RequestNum from Station..tbNurseCommunicationFile "
                   "where Stat = 'Y'")
            .field(0)
            .toString();
    const QString routine = connection
                                ->open("select top 1 RequestNum from "
                                       "Station..tbNurseCommunicationFile where Stat = 'N'")
                                .field(0)
                                .toString();
    const HolidayChecks checks(*fixture_->session->connection);
    QVERIFY(checks.Check_StatRequest(" " + stat + " "));
    QVERIFY(!checks.Check_StatRequest(routine));
    QVERIFY(!checks.Check_StatRequest("no such request"));
}

QTEST_MAIN(ChargePricingTest)
#include "tst_chargepricing.moc"
