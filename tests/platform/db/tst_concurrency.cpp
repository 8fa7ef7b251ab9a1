#include "TestHospital.h"

#include <QSet>
#include <QThread>
#include <QtTest>

// Two workstations on one data folder draw from one counter inside their transactions.
class TestConcurrency : public QObject {
    Q_OBJECT

private slots:
    void twoWorkstationsNeverDrawTheSameNumber_data();
    void twoWorkstationsNeverDrawTheSameNumber();
};

namespace {

constexpr int drawsEach = 1000;

// One workstation: its own connection, in its own thread, advancing the counter as a save does.
void drawNumbers(const TestHospital& hospital, bool throughOdbc, const QString& workstation,
                 QString* failure)
{
    try {
        auto connection = hospital.connect(throughOdbc);
        for (int i = 0; i < drawsEach; ++i) {
            db::Transaction transaction(*connection);
            db::RowSet counter =
                connection->open("SELECT * FROM Clinical_Area..tbCounter WHERE Name = 'slip'",
                                 db::Cursor::Client, db::Access::Updatable);
            const int next = counter.field("LastValue").toInt() + 1;
            counter.setField("LastValue", next);
            counter.update();
            connection->execute(
                QStringLiteral("INSERT INTO Clinical_Area..tbDrawn VALUES (%1, '%2')")
                    .arg(next)
                    .arg(workstation));
            transaction.commit();
        }
    } catch (const std::exception& error) {
        *failure = QString::fromUtf8(error.what());
    }
}

} // namespace

void TestConcurrency::twoWorkstationsNeverDrawTheSameNumber_data()
{
    QTest::addColumn<bool>("firstThroughOdbc");
    QTest::addColumn<bool>("secondThroughOdbc");
    QTest::newRow("QSQLITE and QSQLITE") << false << false;
    QTest::newRow("QSQLITE and QODBC") << false << true;
}

void TestConcurrency::twoWorkstationsNeverDrawTheSameNumber()
{
    QFETCH(bool, firstThroughOdbc);
    QFETCH(bool, secondThroughOdbc);
    TestHospital hospital;
    QString firstFailure;
    QString secondFailure;
    std::unique_ptr<QThread> first(
        QThread::create([&] { drawNumbers(hospital, firstThroughOdbc, "WS1", &firstFailure); }));
    std::unique_ptr<QThread> second(
        QThread::create([&] { drawNumbers(hospital, secondThroughOdbc, "WS2", &secondFailure); }));
    first->start();
    second->start();
    first->wait();
    second->wait();
    QVERIFY2(firstFailure.isEmpty(), qPrintable(firstFailure));
    QVERIFY2(secondFailure.isEmpty(), qPrintable(secondFailure));

    auto connection = hospital.connect();
    QCOMPARE(connection->open("Select LastValue from Clinical_Area..tbCounter")
                 .field("LastValue")
                 .toInt(),
             2 * drawsEach);
    db::RowSet drawn = connection->open("SELECT Value FROM Clinical_Area..tbDrawn");
    QSet<int> distinct;
    for (; !drawn.eof(); drawn.moveNext())
        distinct.insert(drawn.field("Value").toInt());
    QCOMPARE(drawn.count(), 2 * drawsEach);
    QCOMPARE(distinct.size(), 2 * drawsEach);
}

QTEST_GUILESS_MAIN(TestConcurrency)
#include "tst_concurrency.moc"
