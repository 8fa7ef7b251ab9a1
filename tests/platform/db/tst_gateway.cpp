#include "TestHospital.h"
#include "db/Error.h"
#include "db/ServerClock.h"
#include "db/Sql.h"

#include <QtTest>

using db::Access;
using db::Cursor;
using db::Sql;

// The gateway's contract, run once on QSQLITE and once on QODBC with the SQLite ODBC driver.
class TestGateway : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();

    void readsRows_data();
    void readsRows();
    void fieldsByNameIgnoreCase();
    void nullsAndDatesReadAsText();
    void updatableRowSetWritesBack();
    void updatableProcedureRowsWriteBack();
    void valuesComeBackUnchanged_data();
    void valuesComeBackUnchanged();
    void failedStatementLeavesNothingOfTheTransaction();
    void nestedTransactionsCommitOnce();
    void errorsCarryStatementAndMessage_data();
    void errorsCarryStatementAndMessage();
    void serverClockAnswersGetdate();
    void traceRecordsEveryStatement();
    void serverCursorReadsToEnd();

private:
    std::unique_ptr<TestHospital> hospital_;
    std::unique_ptr<db::Connection> connection_;
};

void TestGateway::initTestCase_data()
{
    QTest::addColumn<bool>("odbc");
    QTest::newRow("QSQLITE") << false;
    QTest::newRow("QODBC") << true;
}

void TestGateway::init()
{
    QFETCH_GLOBAL(bool, odbc);
    hospital_ = std::make_unique<TestHospital>();
    connection_ = hospital_->connect(odbc);
    QCOMPARE(connection_->database().driverName(), QString(odbc ? "QODBC" : "QSQLITE"));
}

void TestGateway::cleanup()
{
    connection_.reset();
    hospital_.reset();
}

void TestGateway::readsRows_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstOwner");

    QTest::newRow("all rows") << "SELECT * FROM Clinical_Area..tbNote" << 3 << "SANTOS";
    QTest::newRow("dbo owner") << "select * from CLINICAL_AREA.dbo.tbNote order by Owner" << 3
                               << "CRUZ";
    QTest::newRow("text compares without case")
        << "Select * From Clinical_area..tbNote Where Owner = 'reyes'" << 1 << "REYES";
    QTest::newRow("top") << "Select top 1 * from Clinical_Area..tbNote order by NoteID desc" << 1
                         << "CRUZ";
    QTest::newRow("no rows") << "SELECT * FROM Clinical_Area..tbNote WHERE NoteID = 99" << 0 << "";
    QTest::newRow("other database")
        << "SELECT LastName as Owner FROM PATIENT_DATA..tbMaster" << 2 << "DELA CRUZ";
    QTest::newRow("procedure") << "Clinical_Area..sp_Test_NotesOf 'SANTOS'" << 1 << "SANTOS";
    QTest::newRow("unqualified in default database") << "select * from tbNote;" << 3 << "SANTOS";
}

void TestGateway::readsRows()
{
    QFETCH(QString, statement);
    QFETCH(int, count);
    QFETCH(QString, firstOwner);

    db::RowSet rows = connection_->open(statement, Cursor::Client);
    QCOMPARE(rows.count(), count);
    QCOMPARE(rows.eof(), count == 0);
    if (count > 0)
        QCOMPARE(rows.field("Owner").toString(), firstOwner);
    int read = 0;
    for (; !rows.eof(); rows.moveNext())
        ++read;
    QCOMPARE(read, count);
}

void TestGateway::fieldsByNameIgnoreCase()
{
    db::RowSet rows = connection_->open("SELECT * FROM Clinical_Area..tbNote WHERE NoteID = 1");
    QCOMPARE(rows.field("owner").toString(), QString("SANTOS"));
    QCOMPARE(rows.field("OWNER").toString(), QString("SANTOS"));
    QCOMPARE(rows.field("Amount").toDouble(), 150.5);
    QCOMPARE(rows.fieldCount(), 5);
    QCOMPARE(rows.fieldName(1), QString("Owner"));
    QVERIFY_THROWS_EXCEPTION(db::Error, rows.field("NoSuchField"));
}

void TestGateway::nullsAndDatesReadAsText()
{
    db::RowSet rows = connection_->open("SELECT * FROM Clinical_Area..tbNote ORDER BY NoteID");
    QCOMPARE(rows.field("Noted").toString(), QString("12/01/2026 08:30:00 AM"));
    QCOMPARE(rows.field("Noted").toDateTime(), QDateTime(QDate(2026, 12, 1), QTime(8, 30)));
    QCOMPARE(rows.field("Amount").toString(), QString("150.5"));
    rows.moveNext();
    QVERIFY(rows.field("Body").isNull());
    QCOMPARE(rows.field("Body").toString(), QString());
    QCOMPARE(rows.field("Noted").toString(), QString());
    QCOMPARE(rows.field("Amount").toString(), QString("1500"));
}

void TestGateway::updatableRowSetWritesBack()
{
    db::RowSet counter = connection_->open("SELECT *, getdate() as [server date] FROM "
                                           "Clinical_Area..tbCounter WHERE Name = 'slip'",
                                           Cursor::Client, Access::Updatable);
    QCOMPARE(counter.fieldCount(), 3);
    counter.setField("LastValue", counter.field("LastValue").toInt() + 41);
    counter.update();
    QCOMPARE(counter.field("LastValue").toInt(), 41);

    db::RowSet again = connection_->open("Select LastValue from Clinical_Area..tbCounter");
    QCOMPARE(again.field("LastValue").toInt(), 41);
    QVERIFY_THROWS_EXCEPTION(db::Error, again.setField("LastValue", 1));
}

void TestGateway::updatableProcedureRowsWriteBack()
{
    db::RowSet notes = connection_->open("Clinical_Area..sp_Test_NotesOf 'CRUZ'", Cursor::Client,
                                         Access::Updatable);
    notes.setField("Body", "revised");
    notes.setField("Amount", 12.25);
    notes.update();
    db::RowSet check = connection_->open("SELECT * FROM Clinical_Area..tbNote ORDER BY NoteID");
    QStringList bodies;
    for (; !check.eof(); check.moveNext())
        bodies << check.field("Body").toString() + "/" + check.field("Amount").toString();
    QCOMPARE(bodies, QStringList({"first/150.5", "/1500", "revised/12.25"}));
}

void TestGateway::valuesComeBackUnchanged_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << "O'BRIEN";
    QTest::newRow("injection") << "'; DELETE FROM Clinical_Area..tbNote--";
    QTest::newRow("doubled quotes") << "''x'''";
    QTest::newRow("non-Latin") << "Ñoño 李小龍 Ελένη";
    QTest::newRow("brackets and getdate") << "[getdate()] top 1 isnull(";
    QTest::newRow("10,000 characters") << QString(10000, QChar('x')) + "'";
}

void TestGateway::valuesComeBackUnchanged()
{
    QFETCH(QString, value);
    connection_->execute("INSERT INTO Clinical_Area..tbNote (NoteID, Owner, Body) VALUES (7, " +
                         Sql::quote(value) + ", " + Sql::quote(value) + ")");
    db::RowSet found =
        connection_->open("SELECT * FROM Clinical_Area..tbNote WHERE Owner = " + Sql::quote(value));
    QCOMPARE(found.count(), 1);
    QCOMPARE(found.field("Body").toString(), value);
    QCOMPARE(found.field("NoteID").toInt(), 7);

    db::RowSet viaProcedure =
        connection_->open("Clinical_Area..sp_Test_AddNote '8'," + Sql::quote(value));
    QCOMPARE(viaProcedure.field("Owner").toString(), value);
    QCOMPARE(viaProcedure.field("Body").toString(), QString("none"));

    db::RowSet others = connection_->open("SELECT * FROM Clinical_Area..tbNote WHERE NoteID < 7 "
                                          "ORDER BY NoteID");
    QCOMPARE(others.count(), 3);
    QCOMPARE(others.field("Owner").toString(), QString("SANTOS"));
    QCOMPARE(others.field("Body").toString(), QString("first"));
}

void TestGateway::failedStatementLeavesNothingOfTheTransaction()
{
    try {
        db::Transaction transaction(*connection_);
        connection_->execute("Update Clinical_Area..tbCounter set LastValue = LastValue + 1");
        connection_->execute("INSERT INTO Clinical_Area..tbNote (NoteID, Owner) VALUES (9, 'NEW')");
        connection_->execute("INSERT INTO Clinical_Area..tbNote (NoteID, Owner) VALUES (1, 'DUP')");
        transaction.commit();
        QFAIL("the duplicate key was accepted");
    } catch (const db::Error& error) {
        QVERIFY(error.statement().contains("'DUP'"));
    }
    QVERIFY(!connection_->inTransaction());
    QCOMPARE(connection_->open("Select LastValue from Clinical_Area..tbCounter")
                 .field("LastValue")
                 .toInt(),
             0);
    QCOMPARE(connection_->open("SELECT * FROM Clinical_Area..tbNote WHERE NoteID = 9").count(), 0);
}

void TestGateway::nestedTransactionsCommitOnce()
{
    db::Transaction outer(*connection_);
    {
        db::Transaction inner(*connection_);
        connection_->execute("Update Clinical_Area..tbCounter set LastValue = 5");
        inner.commit();
    }
    QVERIFY(connection_->inTransaction());
    outer.commit();
    QVERIFY(!connection_->inTransaction());
    QCOMPARE(connection_->trace().statements().filter("COMMIT").size(), 1);
    auto other = hospital_->connect();
    QCOMPARE(
        other->open("Select LastValue from Clinical_Area..tbCounter").field("LastValue").toInt(),
        5);
}

void TestGateway::errorsCarryStatementAndMessage_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown table") << "SELECT * FROM Clinical_Area..tbMissing"
                                   << "tbMissing";
    QTest::newRow("unknown column") << "SELECT Nothing FROM Clinical_Area..tbNote"
                                    << "Nothing";
    QTest::newRow("unknown procedure") << "Clinical_Area..sp_Missing 'a'"
                                       << "sp_Missing";
    QTest::newRow("outside the subset") << "SELECT datediff(day, Noted, getdate()) FROM tbNote"
                                        << "datediff(";
    QTest::newRow("bad money argument") << "Clinical_Area..sp_Test_AddNote '10','A','b','ten'"
                                        << "'ten'";
    QTest::newRow("missing argument") << "Clinical_Area..sp_Test_AddNote '10'"
                                      << "@Owner";
}

void TestGateway::errorsCarryStatementAndMessage()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    try {
        connection_->open(statement);
        QFAIL("the statement did not fail");
    } catch (const db::Error& error) {
        QCOMPARE(error.statement(), statement);
        QVERIFY2(error.message().contains(message, Qt::CaseInsensitive),
                 qPrintable(error.message()));
        QVERIFY(QString::fromStdString(error.what()).contains(statement));
    }
}

void TestGateway::serverClockAnswersGetdate()
{
    const QDateTime moment(QDate(2026, 12, 25), QTime(19, 5, 9));
    connection_->serverClock()->setFixed(moment);
    auto otherWorkstation = hospital_->connect();
    db::RowSet rows = otherWorkstation->open("SELECT getdate() as serverdate");
    QCOMPARE(rows.field("serverdate").toDateTime(), moment);
    QCOMPARE(
        connection_->open("select convert(varchar,getdate(),108) as Time").field("Time").toString(),
        QString("19:05:09"));
    db::RowSet procedure = connection_->open("Cardio..sp_Test_Now");
    QCOMPARE(procedure.field("Now").toString(), QString("12/25/2026 07:05:09 PM"));
    connection_->serverClock()->useSystemTime();
}

void TestGateway::traceRecordsEveryStatement()
{
    connection_->trace().clear();
    connection_->open("Select * from Clinical_Area..tbNote");
    QVERIFY_THROWS_EXCEPTION(db::Error, connection_->open("Select * from Clinical_Area..tbNone"));
    const QList<db::TraceEntry>& entries = connection_->trace().entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].statement, QString("Select * from Clinical_Area..tbNote"));
    QVERIFY(entries[0].ok());
    QVERIFY(!entries[1].ok());
    QVERIFY(entries[1].error.contains("tbNone"));
}

void TestGateway::serverCursorReadsToEnd()
{
    db::RowSet rows =
        connection_->open("SELECT * FROM Clinical_Area..tbNote ORDER BY NoteID", Cursor::Server);
    QCOMPARE(rows.count(), -1);
    QStringList owners;
    for (; !rows.eof(); rows.moveNext())
        owners << rows.field("Owner").toString();
    QCOMPARE(owners, QStringList({"SANTOS", "REYES", "CRUZ"}));
    QVERIFY(connection_->execute("SELECT * FROM Clinical_Area..tbNote WHERE 1 = 0").eof());
    QVERIFY(!connection_->execute("Update Clinical_Area..tbCounter set LastValue = 1").isOpen());
}

QTEST_GUILESS_MAIN(TestGateway)
#include "tst_gateway.moc"
