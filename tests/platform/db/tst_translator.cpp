#include "db/Error.h"
#include "db/tsql/Translator.h"

#include <QtTest>

using db::tsql::Translation;
using db::tsql::Translator;

Q_DECLARE_METATYPE(QVariantList)

namespace {

const QDateTime serverNow(QDate(2026, 12, 11), QTime(19, 5, 9, 250));

} // namespace

class TestTranslator : public QObject {
    Q_OBJECT

private slots:
    void statements_data();
    void statements();
    void procedureCalls_data();
    void procedureCalls();
    void outsideTheSubset_data();
    void outsideTheSubset();
    void updatableSelectsCarryTheirRowIdentity_data();
    void updatableSelectsCarryTheirRowIdentity();
};

void TestTranslator::statements_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("sqlite");
    QTest::addColumn<bool>("readsClock");

    QTest::newRow("two dots") << "SELECT * FROM Clinical_Area..tbLaserMaster WHERE RefNum = 'C1E'"
                              << "SELECT * FROM Clinical_Area.tbLaserMaster WHERE RefNum = 'C1E'"
                              << false;
    QTest::newRow("dbo owner") << "select * from Billing.dbo.tbAssessmentNum"
                               << "select * from Billing.tbAssessmentNum" << false;
    QTest::newRow("qualified column")
        << "select Clinical_Area..tbLaserMaster.RefNum from Clinical_Area..tbLaserMaster"
        << "select Clinical_Area.tbLaserMaster.RefNum from Clinical_Area.tbLaserMaster" << false;
    QTest::newRow("brackets")
        << "SELECT *, getdate() as [Server Date] FROM Clinical_area..tbLaserMaster"
        << "SELECT *, '2026-12-11 19:05:09.250' as \"Server Date\" FROM "
           "Clinical_area.tbLaserMaster"
        << true;
    QTest::newRow("getdate alias") << "SELECT getdate() as serverdate"
                                   << "SELECT '2026-12-11 19:05:09.250' as serverdate" << true;
    QTest::newRow("getdate spaced") << "select getdate ( ) as Time"
                                    << "select '2026-12-11 19:05:09.250' as Time" << true;
    QTest::newRow("time of day") << "select convert(varchar,getdate(),108) as Time"
                                 << "select '19:05:09' as Time" << true;
    QTest::newRow("time of day spaced") << "select CONVERT( varchar(8), GETDATE(), 108) as Time"
                                        << "select '19:05:09' as Time" << true;
    QTest::newRow("isnull")
        << "Select * from Patient_Data..tbOPDCommunicationFile where RevenueID = "
           "'LR' and isnull(Printed,'N') = 'N'"
        << "Select * from Patient_Data.tbOPDCommunicationFile where RevenueID = "
           "'LR' and ifnull(Printed,'N') = 'N'"
        << false;
    QTest::newRow("top") << "Select top 1 ChargeSlip from Clinical_Area..tbLaserSlip"
                         << "Select ChargeSlip from Clinical_Area.tbLaserSlip LIMIT 1" << false;
    QTest::newRow("top with order") << "Select top 5 * from tbX order by A desc"
                                    << "Select * from tbX order by A desc LIMIT 5" << false;
    QTest::newRow("top in brackets") << "select distinct top (2) A from tbX"
                                     << "select distinct A from tbX LIMIT 2" << false;
    QTest::newRow("top in a subquery")
        << "select * from tbX where A = (select top 1 A from tbY) and B = 1"
        << "select * from tbX where A = (select A from tbY LIMIT 1) and B = 1" << false;
    QTest::newRow("truncate") << "TRUNCATE TABLE Clinical_area..tbLaserChargeSlip"
                              << "DELETE FROM Clinical_area.tbLaserChargeSlip" << false;
    QTest::newRow("max plus one")
        << "Select Max(logsequence) + 1  as LogSequence from Clinical_Area..tbLaser_UserLogin"
        << "Select Max(logsequence) + 1 as LogSequence from Clinical_Area.tbLaser_UserLogin"
        << false;
    QTest::newRow("trailing semicolon")
        << "Select Remarks From Clinical_Area..tbLaser_Userlogin Where "
           "EmployeeID = '1001' and LogOutDate is null;"
        << "Select Remarks From Clinical_Area.tbLaser_Userlogin Where "
           "EmployeeID = '1001' and LogOutDate is null"
        << false;
    QTest::newRow("doubled apostrophes stay doubled")
        << "Update Clinical_Area..tbX set Name = 'O''BRIEN' where Code = '1'"
        << "Update Clinical_Area.tbX set Name = 'O''BRIEN' where Code = '1'" << false;
    QTest::newRow("keywords inside text are text")
        << "select * from tbX where A = 'getdate() top 1 [x] isnull( ..'"
        << "select * from tbX where A = 'getdate() top 1 [x] isnull( ..'" << false;
    QTest::newRow("unicode text") << "select * from tbX where A = N'Ñoño'"
                                  << "select * from tbX where A = 'Ñoño'" << false;
    QTest::newRow("comments") << "select A -- the code\nfrom tbX /* all */"
                              << "select A from tbX" << false;
    QTest::newRow("counter update")
        << "Update Billing..tbAssessmentNum set CMAdviseNum = CMAdviseNum + 1"
        << "Update Billing.tbAssessmentNum set CMAdviseNum = CMAdviseNum + 1" << false;
}

void TestTranslator::statements()
{
    QFETCH(QString, statement);
    QFETCH(QString, sqlite);
    QFETCH(bool, readsClock);
    const Translation translation = Translator::translate(statement, serverNow, false);
    QVERIFY(!translation.isProcedure);
    QCOMPARE(translation.sql, sqlite);
    QCOMPARE(translation.readsClock, readsClock);
}

void TestTranslator::procedureCalls_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariantList>("arguments");

    QTest::newRow("quoted arguments")
        << "Clinical_area..sp_Laser_Get_Patientbylastname 'I','DELA CRUZ'"
        << "Clinical_area"
        << "sp_Laser_Get_Patientbylastname" << QVariantList{"I", "DELA CRUZ"};
    QTest::newRow("bare number among quoted")
        << "CLINICAL_AREA..sp_Laser_Save_LogBook '123','C5E', 0, '1'"
        << "CLINICAL_AREA"
        << "sp_Laser_Save_LogBook" << QVariantList{"123", "C5E", "0", "1"};
    QTest::newRow("negative number and null") << "Cardio..sp_X -2.5, NULL, ''"
                                              << "Cardio"
                                              << "sp_X" << QVariantList{"-2.5", QVariant(), ""};
    QTest::newRow("apostrophes") << "Cardio..sp_X 'O''BRIEN'"
                                 << "Cardio"
                                 << "sp_X" << QVariantList{"O'BRIEN"};
    QTest::newRow("no arguments") << "Clinical_Area..sp_Laser_GetRefNum"
                                  << "Clinical_Area"
                                  << "sp_Laser_GetRefNum" << QVariantList{};
    QTest::newRow("dbo owner") << "Cardio.dbo.Cardio_GetRoomClass '1234'"
                               << "Cardio"
                               << "Cardio_GetRoomClass" << QVariantList{"1234"};
    QTest::newRow("exec and semicolon") << "EXEC Station..sp_Y 'a' ;"
                                        << "Station"
                                        << "sp_Y" << QVariantList{"a"};
    QTest::newRow("default database") << "sp_Laser_Assessment"
                                      << ""
                                      << "sp_Laser_Assessment" << QVariantList{};
    QTest::newRow("bare word argument") << "Billing..sp_Z LR, 'x'"
                                        << "Billing"
                                        << "sp_Z" << QVariantList{"LR", "x"};
}

void TestTranslator::procedureCalls()
{
    QFETCH(QString, statement);
    QFETCH(QString, database);
    QFETCH(QString, name);
    QFETCH(QVariantList, arguments);
    const Translation translation = Translator::translate(statement, serverNow, false);
    QVERIFY(translation.isProcedure);
    QCOMPARE(translation.call.database, database);
    QCOMPARE(translation.call.name, name);
    QCOMPARE(translation.call.arguments, arguments);
}

void TestTranslator::outsideTheSubset_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("named");

    QTest::newRow("date function") << "select datediff(day, A, getdate()) from tbX"
                                   << "datediff(";
    QTest::newRow("other convert") << "select convert(varchar, A, 101) from tbX"
                                   << "convert(varchar, A, 101)";
    QTest::newRow("variable") << "select * from tbX where A = @code"
                              << "@code";
    QTest::newRow("system variable") << "select @@identity"
                                     << "@@identity";
    QTest::newRow("temporary table") << "select * from #work"
                                     << "#work";
    QTest::newRow("table hint") << "select * from tbX with (nolock)"
                                << "(nolock)";
    QTest::newRow("two statements") << "delete from tbX; delete from tbY"
                                    << "several statements";
    QTest::newRow("text joined with plus") << "select 'C' + RefNum from tbX"
                                           << "joined with +";
    QTest::newRow("top percent") << "select top 10 percent * from tbX"
                                 << "PERCENT";
    QTest::newRow("declare") << "DECLARE @x int"
                             << "DECLARE";
    QTest::newRow("linked server") << "select * from Srv.Billing.dbo.tbX"
                                   << "Srv";
    QTest::newRow("unclosed text") << "select * from tbX where A = 'O'BRIEN'"
                                   << "quotation";
    QTest::newRow("unclosed name") << "select [A from tbX"
                                   << "delimiter";
    QTest::newRow("empty") << "  ; "
                           << "empty";
    QTest::newRow("named procedure argument") << "Cardio..sp_X @a = '1'"
                                              << "@a";
    QTest::newRow("procedure argument expression") << "Cardio..sp_X 'a' + 'b'"
                                                   << "'+'";
    QTest::newRow("truncate without table") << "TRUNCATE tbX"
                                            << "TRUNCATE";
}

void TestTranslator::outsideTheSubset()
{
    QFETCH(QString, statement);
    QFETCH(QString, named);
    try {
        Translator::translate(statement, serverNow, false);
        QFAIL("the statement was translated");
    } catch (const db::Error& error) {
        QVERIFY2(error.message().contains(named, Qt::CaseInsensitive), qPrintable(error.message()));
        QCOMPARE(error.statement(), statement);
    }
}

void TestTranslator::updatableSelectsCarryTheirRowIdentity_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("sqlite");
    QTest::addColumn<QString>("baseTable");

    QTest::newRow("table") << "SELECT * FROM Patient_Data..tbLastWalkInNum"
                           << "SELECT * , Patient_Data.tbLastWalkInNum.rowid AS __rowid FROM "
                              "Patient_Data.tbLastWalkInNum"
                           << "Patient_Data.tbLastWalkInNum";
    QTest::newRow("alias and condition")
        << "select a.* from Billing..tbAssessmentNum a where a.X = 1"
        << "select a.* , a.rowid AS __rowid from Billing.tbAssessmentNum "
           "a where a.X = 1"
        << "Billing.tbAssessmentNum";
    QTest::newRow("subquery in the list")
        << "select (select max(A) from tbY) as M, * from tbX"
        << "select (select max(A) from tbY) as M, * , tbX.rowid AS "
           "__rowid from tbX"
        << "tbX";
}

void TestTranslator::updatableSelectsCarryTheirRowIdentity()
{
    QFETCH(QString, statement);
    QFETCH(QString, sqlite);
    QFETCH(QString, baseTable);
    const Translation translation = Translator::translate(statement, serverNow, true);
    QCOMPARE(translation.sql, sqlite);
    QCOMPARE(translation.baseTable, baseTable);
    QVERIFY_THROWS_EXCEPTION(db::Error,
                             Translator::translate("Update tbX set A = 1", serverNow, true));
}

QTEST_GUILESS_MAIN(TestTranslator)
#include "tst_translator.moc"
