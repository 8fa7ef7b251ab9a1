#include "HospitalCreator.h"
#include "PasswordHash.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/tsql/EmbeddedFolder.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QtTest>

using db::tsql::EmbeddedFolder;

// Creating the embedded hospital: a believable demo, the same every time, and never over a
// folder that holds something else.
class TestHospitalCreator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void demoHoldsEveryKindOfPatient_data();
    void demoHoldsEveryKindOfPatient();
    void demoLogInIsStoredAsSaltedHash();
    void demoIsTheSameEveryTime();
    void lastNameSearchUsesAnIndex();
    void refusesAnExistingHospitalUnlessReset();
    void leavesForeignFilesUntouched();
    void connectingToAFolderThatIsNoHospitalFails_data();
    void connectingToAFolderThatIsNoHospitalFails();

private:
    static QByteArray dump(const QString& folder);

    QTemporaryDir dir_;
    QString demo_;
    std::unique_ptr<db::Connection> connection_;
};

void TestHospitalCreator::initTestCase()
{
    demo_ = dir_.filePath("demo");
    hospitaldb::HospitalCreator::create(demo_, hospitaldb::DemoSize::Demo, false);
    QVERIFY(EmbeddedFolder::problem(demo_).isEmpty());
    connection_ = db::Connection::connect(db::Connection::embeddedConnectionString(demo_));
}

void TestHospitalCreator::demoHoldsEveryKindOfPatient_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("in-patients") << "select count(*) as N from Patient_Data..tbPatient" << 50;
    QTest::newRow("out-patient visits")
        << "select count(*) as N from Patient_Data..tbOutpatient" << 100;
    QTest::newRow("walk-ins") << "select count(*) as N from Patient_Data..tbCashPatient" << 30;
    QTest::newRow("rooms of every class")
        << "select count(distinct RoomClassID) as N from Build_File..tbCoroom" << 5;
    QTest::newRow("laser procedures with a form type")
        << "select count(*) as N from Build_File..tbcoOtherRevenue where FormType in ('A','B')"
        << 2;
    QTest::newRow("request master rows")
        << "select count(*) as N from Clinical_Area..tbLaserMaster" << 100;
    QTest::newRow("hospital information")
        << "select count(*) as N from Patient_Data..tbHospitalInfo" << 1;
    QTest::newRow("names with an apostrophe")
        << "select count(*) as N from Patient_Data..tbMaster where LastName like '%''%'" << 1;
}

void TestHospitalCreator::demoHoldsEveryKindOfPatient()
{
    QFETCH(QString, statement);
    QFETCH(int, atLeast);
    const int count = connection_->open(statement).field("N").toInt();
    QVERIFY2(count >= atLeast, qPrintable(QString::number(count)));
}

void TestHospitalCreator::demoLogInIsStoredAsSaltedHash()
{
    db::RowSet employee =
        connection_->open("select * from Password..tbEmployee where EmployeeCode = '1001'");
    QCOMPARE(employee.count(), 1);
    const QString stored = employee.field("PasswordHash").toString();
    QVERIFY(!stored.contains("demo"));
    QVERIFY(PasswordHash::matches("demo", stored));
    QVERIFY(!PasswordHash::matches("Demo", stored));
}

QByteArray TestHospitalCreator::dump(const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    auto connection = db::Connection::connect(db::Connection::embeddedConnectionString(folder));
    QSqlDatabase database = connection->database();
    for (const QString& name : EmbeddedFolder::databaseNames()) {
        QSqlQuery tables(database);
        tables.exec(
            QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table' ORDER BY name")
                .arg(name));
        while (tables.next()) {
            QSqlQuery rows(database);
            rows.exec(QStringLiteral("SELECT * FROM %1.%2 ORDER BY rowid")
                          .arg(name, tables.value(0).toString()));
            while (rows.next())
                for (int i = 0; i < 64 && rows.value(i).isValid(); ++i)
                    hash.addData(rows.value(i).toString().toUtf8() + '\x1f');
        }
    }
    return hash.result();
}

void TestHospitalCreator::demoIsTheSameEveryTime()
{
    const QString again = dir_.filePath("again");
    hospitaldb::HospitalCreator::create(again, hospitaldb::DemoSize::Demo, false);
    QCOMPARE(dump(again).toHex(), dump(demo_).toHex());
}

void TestHospitalCreator::lastNameSearchUsesAnIndex()
{
    QSqlQuery plan(connection_->database());
    QVERIFY(plan.exec(
        "EXPLAIN QUERY PLAN SELECT * FROM Patient_Data.tbMaster WHERE LastName LIKE 'SAN%'"));
    QString steps;
    while (plan.next())
        steps += plan.value(3).toString() + "\n";
    QVERIFY2(steps.contains("USING INDEX"), qPrintable(steps));
}

void TestHospitalCreator::refusesAnExistingHospitalUnlessReset()
{
    const QString folder = dir_.filePath("reset");
    hospitaldb::HospitalCreator::create(folder, hospitaldb::DemoSize::Demo, false);
    {
        auto connection = db::Connection::connect(db::Connection::embeddedConnectionString(folder));
        connection->execute("Delete from Patient_Data..tbHospitalInfo");
    }
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, hospitaldb::HospitalCreator::create(
                                                     folder, hospitaldb::DemoSize::Demo, false));
    auto check = [&] {
        auto connection = db::Connection::connect(db::Connection::embeddedConnectionString(folder));
        return connection->open("select count(*) as N from Patient_Data..tbHospitalInfo")
            .field("N")
            .toInt();
    };
    QCOMPARE(check(), 0);
    hospitaldb::HospitalCreator::create(folder, hospitaldb::DemoSize::Demo, true);
    QCOMPARE(check(), 1);
}

void TestHospitalCreator::leavesForeignFilesUntouched()
{
    const QString folder = dir_.filePath("foreign");
    QDir().mkpath(folder);
    QFile foreign(EmbeddedFolder::filePath(folder, "Billing"));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("the accounting department's own file");
    foreign.close();
    for (bool reset : {false, true})
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            hospitaldb::HospitalCreator::create(folder, hospitaldb::DemoSize::Demo, reset));
    QVERIFY(foreign.open(QIODevice::ReadOnly));
    QCOMPARE(foreign.readAll(), QByteArray("the accounting department's own file"));
    QVERIFY(!QFile::exists(EmbeddedFolder::filePath(folder, "Clinical_Area")));
}

void TestHospitalCreator::connectingToAFolderThatIsNoHospitalFails_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "no/such/folder"
                             << "does not exist";
    QTest::newRow("empty") << ""
                           << "does not exist";
    QTest::newRow("other files") << "others"
                                 << "is not a hospital database";
}

void TestHospitalCreator::connectingToAFolderThatIsNoHospitalFails()
{
    QFETCH(QString, folder);
    QFETCH(QString, message);
    const QString path = folder.isEmpty() ? folder : dir_.filePath(folder);
    if (folder == "others")
        QDir().mkpath(path);
    try {
        db::Connection::connect(db::Connection::embeddedConnectionString(path));
        QFAIL("connected");
    } catch (const db::Error& error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
    QVERIFY(!EmbeddedFolder::holdsAnyFile(path));
}

QTEST_GUILESS_MAIN(TestHospitalCreator)
#include "tst_hospitalcreator.moc"
