#include "SessionFixture.h"
#include "SessionState.h"
#include "StockPosting.h"
#include "db/Connection.h"

#include <QMessageBox>
#include <QTest>

// Postings of medicines and supplies on the demo hospital: item 100101 is stocked at the
// pharmacy (161).
class StockPostingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void stockCardMovement_data();
    void stockCardMovement();
    void otherDepartmentKeepsTheLastStore();
    void failedRequestItemIsToldAndPassed();

private:
    QString lastMovement() const;

    std::unique_ptr<SessionFixture> fixture_;
};

void StockPostingTest::initTestCase()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->clock.setFixed(QDateTime({2026, 12, 11}, {10, 30, 45}));
}

void StockPostingTest::cleanupTestCase()
{
    fixture_.reset();
}

QString StockPostingTest::lastMovement() const
{
    return fixture_
        ->rows("select top 1 ItemID, Quantity, Amount, StoreID, ChargeStoreID, LocationID, "
               "RevenueID, TransDate, UserID, Frequency from Build_File..tbInvStockCard order by "
               "StockCardID desc")
        .value(0);
}

void StockPostingTest::stockCardMovement_data()
{
    QTest::addColumn<QString>("department");
    QTest::addColumn<QString>("location");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("revenue");
    QTest::addColumn<QString>("movement");
    QTest::newRow("medicine to the pharmacy")
        << "LM"
        << "161" << 2.0 << 660.8 << "LR"
        << "100101|2|660.8|PH|PH|161|LR|12/11/2026 10:30:00 AM|1001|PRN";
    QTest::newRow("supply to central supply")
        << "LC"
        << "28" << 1.0 << 45.0 << "OL"
        << "100101|1|45|CS|CS|28|OL|12/11/2026 10:30:00 AM|1001|PRN";
    QTest::newRow("reversal passes negated values")
        << "LM"
        << "161" << -2.0 << -1500.0 << "LR"
        << "100101|-2|-1500|PH|PH|161|LR|12/11/2026 10:30:00 AM|1001|PRN";
}

void StockPostingTest::stockCardMovement()
{
    QFETCH(QString, department);
    QFETCH(QString, location);
    QFETCH(double, quantity);
    QFETCH(double, amount);
    QFETCH(QString, revenue);
    QFETCH(QString, movement);
    StockPosting(fixture_->context)
        .Save_StockPharmaCSRItem(department, "00100000", "400031", "100101", "C1E", quantity,
                                 amount, "1001", location, "402", "1000001", revenue);
    QCOMPARE(lastMovement(), movement);
}

void StockPostingTest::otherDepartmentKeepsTheLastStore()
{
    StockPosting posting(fixture_->context);
    posting.Save_StockPharmaCSRItem("LC", "00100000", "400031", "100101", "C1E", 1, 45, "1001",
                                    "28", "402", "1000001", "LR");
    posting.Save_StockPharmaCSRItem("XX", "00100000", "400031", "100101", "C1E", 1, 45, "1001",
                                    "161", "402", "1000002", "LR");
    QCOMPARE(lastMovement().section('|', 3, 4), QString("CS|CS"));
}

void StockPostingTest::failedRequestItemIsToldAndPassed()
{
    fixture_->prompt.clear();
    StockPosting posting(fixture_->context);
    posting.SaveRequestItems("1000001", "00100000", "400031", "12/11/2026 10:30:00 AM", "100101", 2,
                             660.8, "C1E", "", "1106", "402", "161", "LM");
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QCOMPARE(fixture_->rows("select RequestNum, ItemID, Quantity, Amount, RefNum from "
                            "Cardio..tbCardioRequestItems where RefNum = 'C1E'"),
             QStringList{"1000001|100101|2|660.8|C1E"});

    posting.SaveRequestItems("1000001", "00100000", "400031", "not a date", "100101", 2, 660.8,
                             "C1E", "", "1106", "402", "161", "LM");
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const ScriptedPrompt::Shown told = fixture_->prompt.shown().first();
    QVERIFY(told.text.startsWith("ERROR : "));
    QCOMPARE(told.title, QString("Message"));
    QCOMPARE(told.icon, QMessageBox::Information);
}

QTEST_MAIN(StockPostingTest)
#include "tst_stockposting.moc"
