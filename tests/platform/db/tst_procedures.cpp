#include "TestHospital.h"
#include "db/Error.h"
#include "db/tsql/ProcedureLibrary.h"

#include <QSqlQuery>
#include <QtTest>

// The stand-in procedure runner: arguments bound in order to the declared parameters, with
// defaults and the server's conversions, the last result with columns returned.
class TestProcedures : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void argumentsTakeTheirParametersTypes_data();
    void argumentsTakeTheirParametersTypes();
    void badCallsFailNamingTheProblem_data();
    void badCallsFailNamingTheProblem();
    void headerDeclaresParametersAndBaseTable();

private:
    QString storedNoted(int noteId) const;

    std::unique_ptr<TestHospital> hospital_;
    std::unique_ptr<db::Connection> connection_;
};

void TestProcedures::init()
{
    hospital_ = std::make_unique<TestHospital>();
    connection_ = hospital_->connect();
}

void TestProcedures::cleanup()
{
    connection_.reset();
    hospital_.reset();
}

QString TestProcedures::storedNoted(int noteId) const
{
    QSqlQuery query(connection_->database());
    query.exec(
        QStringLiteral("SELECT Noted FROM Clinical_Area.tbNote WHERE NoteID = %1").arg(noteId));
    return query.next() ? query.value(0).toString() : QStringLiteral("<no row>");
}

void TestProcedures::argumentsTakeTheirParametersTypes_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("body");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("bodyIsNull");

    QTest::newRow("defaults for missing trailing arguments")
        << "Clinical_Area..sp_Test_AddNote '10','A'"
        << "none" << 0.0 << "" << false;
    QTest::newRow("names without letter case, money with commas, date-time text")
        << "CLINICAL_AREA..SP_TEST_ADDNOTE '10','B','x','1,500.25','12/11/2026 07:30:00 PM'"
        << "x" << 1500.25 << "2026-12-11 19:30:00.000" << false;
    QTest::newRow("date alone, bare number")
        << "Clinical_Area..sp_Test_AddNote 10,'C','y',-2,'12/01/2026'"
        << "y" << -2.0 << "2026-12-01 00:00:00.000" << false;
    QTest::newRow("empty text, money and date") << "sp_Test_AddNote '10','D','','',''"
                                                << "" << 0.0 << "" << false;
    QTest::newRow("explicit null") << "Clinical_Area..sp_Test_AddNote '10','E',NULL"
                                   << "" << 0.0 << "" << true;
}

void TestProcedures::argumentsTakeTheirParametersTypes()
{
    QFETCH(QString, call);
    QFETCH(QString, body);
    QFETCH(double, amount);
    QFETCH(QString, stored);
    QFETCH(bool, bodyIsNull);
    db::RowSet row = connection_->open(call);
    QCOMPARE(row.field("Body").isNull(), bodyIsNull);
    QCOMPARE(row.count(), 1);
    QCOMPARE(row.field("Body").toString(), body);
    QCOMPARE(row.field("Amount").toDouble(), amount);
    QCOMPARE(storedNoted(10), stored);
}

void TestProcedures::badCallsFailNamingTheProblem_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown procedure") << "Clinical_Area..sp_Nowhere 'a'"
                                       << "Clinical_Area..sp_Nowhere";
    QTest::newRow("wrong database") << "Cardio..sp_Test_AddNote '1','A'"
                                    << "Cardio..sp_Test_AddNote";
    QTest::newRow("too many arguments") << "sp_Test_NotesOf 'A','B'"
                                        << "too many arguments";
    QTest::newRow("missing argument") << "sp_Test_NotesOf"
                                      << "@Owner";
    QTest::newRow("not a number") << "sp_Test_AddNote 'ten','A'"
                                  << "'ten' to data type int";
    QTest::newRow("not a date") << "sp_Test_AddNote '1','A','b',0,'13/45/2026'"
                                << "'13/45/2026'";
}

void TestProcedures::badCallsFailNamingTheProblem()
{
    QFETCH(QString, call);
    QFETCH(QString, named);
    try {
        connection_->open(call);
        QFAIL("the call succeeded");
    } catch (const db::Error& error) {
        QVERIFY2(error.message().contains(named, Qt::CaseInsensitive), qPrintable(error.message()));
        QCOMPARE(error.statement(), call);
    }
    QCOMPARE(connection_->open("SELECT * FROM Clinical_Area..tbNote").count(), 3);
}

void TestProcedures::headerDeclaresParametersAndBaseTable()
{
    const db::tsql::ProcedureLibrary library(QStringLiteral(TEST_PROCEDURES_DIR));
    db::tsql::ProcedureCall call{"clinical_area", "SP_TEST_NOTESOF", {}};
    const auto notes = library.find(call, "x");
    QCOMPARE(notes->baseTable, QString("Clinical_Area.tbNote"));
    QCOMPARE(notes->parameters.size(), 1);
    QCOMPARE(notes->statements.size(), 1);

    call.name = "sp_Test_AddNote";
    const auto add = library.find(call, "x");
    QStringList declared;
    for (const auto& p : add->parameters)
        declared << p.name + ":" + p.type + (p.hasDefault ? "=" + p.defaultValue.toString() : "");
    QCOMPARE(declared, QStringList({"@NoteID:int", "@Owner:text", "@Body:text=none",
                                    "@Amount:money=0", "@Noted:datetime="}));
    QCOMPARE(add->statements.size(), 3);
    QVERIFY(add->baseTable.isEmpty());
}

QTEST_GUILESS_MAIN(TestProcedures)
#include "tst_procedures.moc"
