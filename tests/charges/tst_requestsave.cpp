#include "RequestSave.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "clsLogBook.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/ServerClock.h"

#include <QMessageBox>
#include <QTest>

// Admission 400031 of the demo hospital: room 402 of class A, attending doctor 1106.
class RequestSaveTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mixedSaveWritesOneChargeUnderOneReference();
    void nurseCommunicationClosesTheWardsRecords();
    void doctorWithoutCodeTravelsByName();
    void emptyFirstLineStillTakesAReference();
    void lineWithoutKnownDepartmentOnlyTakesARequestNumber();
    void failureAnywhereLeavesNothing_data();
    void failureAnywhereLeavesNothing();
    void standingChargeIsWarnedAbout();
    void invalidNumbersAreNamed_data();
    void invalidNumbersAreNamed();

private:
    RequestDraft draft(ChargeLines lines) const;
    QString scalar(const QString& statement) const;
    QStringList saveStatements() const;
    QString snapshot() const;

    std::unique_ptr<SessionFixture> fixture_;
};

namespace {

ChargeLine line(int row, const QString& dept, const QString& code, const QString& description,
                const QString& quantity, const QString& amount, const QString& revenue)
{
    return {row, dept, code, description, "STATION", quantity, amount, amount, revenue};
}

const ChargeLine biometry = line(1, "LR", "LR17", "A-SCAN BIOMETRY (OU)", "1", "1500.00", "LR");
const ChargeLine visualField =
    line(2, "LR", "LR03", "AUTOMATED VISUAL FIELD 10-2 (OU)", "1", "2200.00", "LR");
const ChargeLine drops =
    line(3, "LM", "100101", "TROPICAMIDE 1% EYE DROPS 15ML", "2", "660.80", "");

} // namespace

void RequestSaveTest::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    const QDateTime demoNow({2026, 12, 11}, {10, 30, 15});
    db::ServerClock::forFolder(fixture_->folder())->setFixed(demoNow);
    fixture_->clock.setFixed(demoNow);
    fixture_->session->connection->trace().clear();
}

void RequestSaveTest::cleanup()
{
    fixture_.reset();
}

RequestDraft RequestSaveTest::draft(ChargeLines lines) const
{
    RequestDraft draft;
    draft.hospNum = "00100000";
    draft.idNum = "400031";
    draft.patIdNum = "400031";
    draft.room = "402";
    draft.doctorId = "1106";
    draft.doctor = "SANTOS,MARIA L";
    draft.lines = std::move(lines);
    return draft;
}

QString RequestSaveTest::scalar(const QString& statement) const
{
    return fixture_->connect()->open(statement).field(0).toString();
}

// The statements of the save itself, without the item listing the form type look-up reads.
QStringList RequestSaveTest::saveStatements() const
{
    QStringList sent;
    for (const QString& statement : fixture_->session->connection->trace().statements())
        if (!statement.startsWith("SELECT", Qt::CaseInsensitive) ||
            statement.contains("getdate()") || statement.contains("where OtherRevenueID"))
            sent << statement;
    return sent;
}

// Everything a save may touch, to compare before and after.
QString RequestSaveTest::snapshot() const
{
    return QStringList{
        fixture_->rows("select * from Clinical_Area..tbLaserSlip").join(';'),
        scalar("select count(*) from Clinical_Area..tbLaserMaster"),
        scalar("select count(*) from Station..tbNurseLogBook"),
        scalar("select count(*) from Station..tbNurseLogBook where RecordStatus = 'X'"),
        scalar("select count(*) from Station..tbNurseCommunicationFile where RecordStatus = 'X'"),
        scalar("select count(*) from Billing..tbBillDailyBill"),
        scalar("select count(*) from Build_File..tbInvStockCard"),
        scalar("select sum(OnHand) from Build_File..tbInvent"),
    }
        .join(" / ");
}

void RequestSaveTest::mixedSaveWritesOneChargeUnderOneReference()
{
    RequestSave save(fixture_->context);
    QCOMPARE(save.save(draft({biometry, visualField, drops})), QString("C240370E"));

    const QString now = "12/11/2026 10:30:15 AM";
    QCOMPARE(saveStatements(),
             QStringList({
                 "BEGIN IMMEDIATE",
                 "select getdate() as [server date]",
                 "Clinical_Area..sp_Laser_GetRefNum",
                 "Clinical_Area..sp_Laser_UpdateRefNum",
                 "Clinical_Area..sp_Laser_GetRequestNum",
                 "Clinical_Area..sp_Laser_UpdateRequestNum",
                 "Select top 1 * from Build_File..tbcoOtherRevenue where OtherRevenueID = 'LR17' "
                 "and OtherSectionID = 'LR'",
                 "Clinical_Area..sp_Laser_AddRequest '00100000','400031','1000599','LR17','1500',"
                 "'1106','I','C240370E','1001','1000599','','1','0','','0','','LR'",
                 "Cardio..sp_AddNurseLogBook '00100000','400031','LR17','A-SCAN BIOMETRY (OU)',"
                 "'1500','1001','1001','C240370E','LR','I','1000599','1'",
                 "Cardio..sp_AddBill 'I','400031','" + now +
                     "','C240370E','LR17','1500','LR',"
                     "'1001','1','','D','1106',''",
                 "Clinical_Area..sp_Laser_GetRequestNum",
                 "Clinical_Area..sp_Laser_UpdateRequestNum",
                 "Select top 1 * from Build_File..tbcoOtherRevenue where OtherRevenueID = 'LR03' "
                 "and OtherSectionID = 'LR'",
                 "Clinical_Area..sp_Laser_AddRequest '00100000','400031','1000600','LR03','2200',"
                 "'1106','I','C240370E','1001','1000600','A','1','0','','0','','LR'",
                 "Cardio..sp_AddNurseLogBook '00100000','400031','LR03',"
                 "'AUTOMATED VISUAL FIELD 10-2 (OU)','2200','1001','1001','C240370E','LR','I',"
                 "'1000600','1'",
                 "Cardio..sp_AddBill 'I','400031','" + now +
                     "','C240370E','LR03','2200','LR',"
                     "'1001','1','','D','1106',''",
                 "Clinical_Area..sp_Laser_GetRequestNum",
                 "Clinical_Area..sp_Laser_UpdateRequestNum",
                 "Clinical_Area..sp_Laser_AddRequest '00100000','400031','1000601','100101',"
                 "'660.8','1106','I','C240370E','1001','','A','2','1','','0','','LM'",
                 "Build_File..sp_Inv_AppendStockCard '00100000', '400031', '100101', "
                 "'12/11/2026 10:30:00 AM', 'C240370E', '2', '0', '660.8', '1001', 'PRN', '1001', "
                 "'161', '', '402', '0', 'PH', 'PH', 'LR', NULL, NULL, '1000601'",
                 "COMMIT",
             }));

    QCOMPARE(
        fixture_->rows("select RequestNum, ItemID, RevenueID, Amount, Quantity, NurseRequestNum, "
                       "FormType, RequestStatus from Clinical_Area..tbLaserMaster "
                       "where RefNum = 'C240370E' order by RequestNum"),
        QStringList({"1000599|LR17|LR|1500|1|1000599||X", "1000600|LR03|LR|2200|1|1000600|A|X",
                     "1000601|100101|LM|660.8|2||A|X"}));
    QCOMPARE(fixture_->rows("select ChargeSlip, RequestNum from Clinical_Area..tbLaserSlip"),
             QStringList{"240371|1000602"});
    QCOMPARE(fixture_->rows("select ItemID, RecordStatus from Station..tbNurseLogBook "
                            "where ReferenceNum = 'C240370E' order by ItemID"),
             QStringList({"LR03|X", "LR17|X"}));
    QCOMPARE(fixture_->rows("select ItemID, Amount, ChargeType from Billing..tbBillDailyBill "
                            "where RefNum = 'C240370E' order by ItemID"),
             QStringList({"LR03|2200|D", "LR17|1500|D"}));
    QCOMPARE(fixture_->rows(
                 "select ItemID, Quantity, Amount, StoreID, ChargeStoreID, LocationID, RevenueID, "
                 "RequestNum from Build_File..tbInvStockCard where RefNum = 'C240370E'"),
             QStringList{"100101|2|660.8|PH|PH|161|LR|1000601"});
    QCOMPARE(scalar("select OnHand from Build_File..tbInvent where ItemID = '100101' "
                    "and LocationID = '161'"),
             QString("487"));
}

void RequestSaveTest::nurseCommunicationClosesTheWardsRecords()
{
    const QStringList pending = fixture_->rows(
        "select c.IdNum, h.HospNum, c.ItemID, c.RequestNum from "
        "Station..tbNurseCommunicationFile c join Patient_Data..tbPatient h on h.IdNum = "
        "c.IdNum where c.RecordStatus is null and c.PatientType = 'I'");
    QVERIFY(!pending.isEmpty());
    const QStringList request = pending.first().split('|');
    RequestDraft nurse = draft({line(1, "LR", request[2], "EXAM", "1", "300.00", "LR")});
    nurse.idNum = nurse.patIdNum = request[0];
    nurse.hospNum = request[1];
    nurse.nurseCommunication = true;
    nurse.nurseRequestNums.insert(1, request[3]);

    const QString refNum = RequestSave(fixture_->context).save(nurse);

    const QString where = " where RequestNum = '" + request[3] + "'";
    QCOMPARE(
        fixture_->rows("select ReferenceNum, RecordStatus from Station..tbNurseCommunicationFile" +
                       where),
        QStringList{refNum + "|X"});
    QCOMPARE(fixture_->rows("select ReferenceNum, RecordStatus, ProcessBy, ProcessDate from "
                            "Station..tbNurseLogBook" +
                            where),
             QStringList{refNum + "|X|1001|12/11/2026 10:30:15 AM"});
    QCOMPARE(scalar("select NurseRequestNum from Clinical_Area..tbLaserMaster where RefNum = '" +
                    refNum + "'"),
             request[3]);
    QCOMPARE(scalar("select count(*) from Station..tbNurseLogBook where ReferenceNum = '" + refNum +
                    "'"),
             QString("1"));
}

void RequestSaveTest::doctorWithoutCodeTravelsByName()
{
    RequestDraft byName = draft({biometry});
    byName.doctorId = " 0 ";
    byName.doctor = "DR. O'NEIL";
    const QString refNum = RequestSave(fixture_->context).save(byName);
    QCOMPARE(fixture_->rows(
                 "select DoctorID, DoctorName from Clinical_Area..tbLaserMaster where RefNum = '" +
                 refNum + "'"),
             QStringList{"0|DR. O'NEIL"});
    QCOMPARE(fixture_->rows(
                 "select DoctorID, DoctorName from Billing..tbBillDailyBill where RefNum = '" +
                 refNum + "'"),
             QStringList{"0|DR. O'NEIL"});
}

void RequestSaveTest::emptyFirstLineStillTakesAReference()
{
    const QString before = scalar("select count(*) from Clinical_Area..tbLaserMaster");
    QCOMPARE(RequestSave(fixture_->context).save(draft({line(1, "LR", "", "", "", "", "")})),
             QString("C240370E"));
    QCOMPARE(scalar("select ChargeSlip from Clinical_Area..tbLaserSlip"), QString("240371"));
    QCOMPARE(scalar("select count(*) from Clinical_Area..tbLaserMaster"), before);
}

void RequestSaveTest::lineWithoutKnownDepartmentOnlyTakesARequestNumber()
{
    RequestSave(fixture_->context)
        .save(draft({line(1, "", "LR17", "A-SCAN", "1", "1500", "LR"), visualField}));
    QCOMPARE(fixture_->rows("select RequestNum, ItemID from Clinical_Area..tbLaserMaster "
                            "where RefNum = 'C240370E'"),
             QStringList{"1000600|LR03"});
}

void RequestSaveTest::failureAnywhereLeavesNothing_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("counters") << "Clinical_Area.fail BEFORE UPDATE ON tbLaserSlip";
    QTest::newRow("request master") << "Clinical_Area.fail BEFORE INSERT ON tbLaserMaster";
    QTest::newRow("nurse log book") << "Station.fail BEFORE INSERT ON tbNurseLogBook";
    QTest::newRow("bill") << "Billing.fail BEFORE INSERT ON tbBillDailyBill";
    QTest::newRow("stock card") << "Build_File.fail BEFORE INSERT ON tbInvStockCard";
    QTest::newRow("stock") << "Build_File.fail BEFORE UPDATE ON tbInvent";
}

void RequestSaveTest::failureAnywhereLeavesNothing()
{
    QFETCH(QString, trigger);
    const QString before = snapshot();
    fixture_->alter("CREATE TRIGGER " + trigger + " BEGIN SELECT RAISE(ABORT, 'injected'); END");
    RequestSave save(fixture_->context);
    const RequestDraft charge = draft({biometry, visualField, drops});
    bool failed = false;
    try {
        save.save(charge);
    } catch (const db::Error&) {
        failed = true;
    }
    QVERIFY(failed);
    QCOMPARE(snapshot(), before);
}

void RequestSaveTest::standingChargeIsWarnedAbout()
{
    clsLogBook logBook(fixture_->context);
    const QString biometryName = "A-SCAN BIOMETRY (OU)";
    logBook.WarningAlreadyCharge("400031", "LR", "LR17", biometryName);
    QVERIFY(fixture_->prompt.shown().isEmpty());

    const QString refNum = RequestSave(fixture_->context).save(draft({biometry}));
    logBook.WarningAlreadyCharge("400031", "LR", "LR17", biometryName);
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const ScriptedPrompt::Shown warning = fixture_->prompt.shown().first();
    QCOMPARE(warning.text, "Patient was already charged with (LR17) " + biometryName +
                               " at 12/11/2026 10:30:15 AM");
    QCOMPARE(warning.title, QString("WARNING!"));
    QCOMPARE(warning.icon, QMessageBox::Information);

    fixture_->prompt.clear();
    fixture_->alter("INSERT INTO Billing.tbBillDailyBill (PatientType, IdNum, TransDate, RefNum, "
                    "ItemID, Amount, RevenueID, ChargeType) VALUES ('I', '400031', "
                    "'2026-12-11 11:00:00.000', '" +
                    refNum + "', 'LR17', -1500, 'LR', 'C')");
    logBook.WarningAlreadyCharge("400031", "LR", "LR17", biometryName);
    QVERIFY2(fixture_->prompt.shown().isEmpty(), "a reversed charge stands no more");
}

void RequestSaveTest::invalidNumbersAreNamed_data()
{
    QTest::addColumn<ChargeLines>("lines");
    QTest::addColumn<QString>("message");
    QTest::newRow("all numbers") << ChargeLines{biometry, drops} << QString();
    QTest::newRow("letters in quantity")
        << ChargeLines{biometry, line(2, "LM", "100101", "DROPS", "two", "660.80", "")}
        << "The quantity \"two\" on line 2 is not a number.";
    QTest::newRow("empty amount") << ChargeLines{line(1, "MD", "1106", "SANTOS", "1", "", "MD")}
                                  << "The amount \"\" on line 1 is not a number.";
    QTest::newRow("below the last line")
        << ChargeLines{biometry, line(2, "LR", "", "", "x", "y", "")} << QString();
}

void RequestSaveTest::invalidNumbersAreNamed()
{
    QFETCH(ChargeLines, lines);
    QFETCH(QString, message);
    QCOMPARE(RequestSave::invalidNumber(lines), message);
}

QTEST_MAIN(RequestSaveTest)
#include "tst_requestsave.moc"
