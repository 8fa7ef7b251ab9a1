#include "EntryGrid.h"
#include "SessionState.h"
#include "WindowFixture.h"
#include "WindowNavigator.h"
#include "db/Connection.h"
#include "frmListPatient.h"
#include "frmOutRequest.h"
#include "mdiMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// Out-patient request entry on the demo hospital. Receipt OR0412050 paid two procedures of
// walk-in T500059; visits OP1000037, OP1000232 and OP1000009 are of types C, W and O.
class OutRequestEntryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void walkInPaidAtTheCashier();
    void visitTypePicksTheRate_data();
    void visitTypePicksTheRate();
    void doctorTypedAsProcedureCode();
    void failureOnTheThirdLineLeavesNothing();
    void exitAsksToSaveChanges();

private:
    frmOutRequest* open(const OutRequestEntryValues& values);
    void addProcedure(frmOutRequest* form, int row, const QString& code);
    void supplyDoctor(frmOutRequest* form, const QString& code);
    QStringList sent(const QString& prefix) const;

    std::unique_ptr<WindowFixture> fixture_;
};

void OutRequestEntryTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    QVERIFY(fixture_->open());
}

void OutRequestEntryTest::cleanup()
{
    fixture_.reset();
}

frmOutRequest* OutRequestEntryTest::open(const OutRequestEntryValues& values)
{
    fixture_->navigator->openOutRequestEntry(values);
    fixture_->session->connection->trace().clear();
    return qobject_cast<frmOutRequest*>(fixture_->navigator->findChildWindow("frmOutRequest"));
}

void OutRequestEntryTest::addProcedure(frmOutRequest* form, int row, const QString& code)
{
    form->findChild<EntryGrid*>("grdInput")->setCellText(row, 1, "LR");
    WindowFixture::enter(form->findChild<EntryGrid*>("grdInput"), row, 2, code);
}

void OutRequestEntryTest::supplyDoctor(frmOutRequest* form, const QString& code)
{
    auto* doctorId = form->findChild<QLineEdit*>("txtDoctorID");
    doctorId->setText(code);
    QTest::keyClick(doctorId, Qt::Key_Return);
}

QStringList OutRequestEntryTest::sent(const QString& prefix) const
{
    QStringList matching;
    for (const QString& statement : fixture_->session->connection->trace().statements())
        if (statement.startsWith(prefix))
            matching << statement;
    return matching;
}

void OutRequestEntryTest::walkInPaidAtTheCashier()
{
    QPointer<frmOutRequest> form = open({"T500059", true, "OR0412050", 21000, false});
    QVERIFY(form);
    auto* lines = form->findChild<EntryGrid*>("grdInput");
    QCOMPARE(lines->rowCount(), 4);
    QCOMPARE(lines->cellText(1, 2), QString("LR15"));
    QCOMPARE(form->findChild<QLineEdit*>("txtOrNo")->text(), QString("OR0412050"));
    QCOMPARE(form->findChild<QLineEdit*>("txtAmount")->text(), QString("21,000.00"));
    QCOMPARE(form->findChild<QLineEdit*>("txtLname")->text(), QString("O'CONNOR"));
    QTRY_COMPARE(QApplication::focusWidget(), form->findChild<QPushButton*>("cmdSavePrint"));

    WindowFixture::enter(form->findChild<EntryGrid*>("grdInput"), 1, 5, "7");
    QCOMPARE(lines->cellText(1, 5), QString("1"));

    supplyDoctor(form, "0");
    auto* doctorName = form->findChild<QLineEdit*>("txtDoctor");
    QVERIFY(!doctorName->isReadOnly());
    QTest::keyClicks(doctorName, "dr. o'neil");
    QCOMPARE(doctorName->text(), QString("DR. O'NEIL"));
    form->findChild<QPushButton*>("cmdSave")->click();
    QTRY_VERIFY(!form);
    const QStringList requests = sent("Clinical_area..sp_Laser_AddRequest");
    QCOMPARE(requests.size(), 2);
    for (const QString& request : requests) {
        QCOMPARE(request.section(',', 7, 7), QString("'OR0412050'"));
        QCOMPARE(request.section(',', 6, 6), QString("'O'"));
        QCOMPARE(request.section(',', 16, 16), QString("'LR'"));
    }
    QVERIFY(sent("Cardio..sp_addnurselogbook").isEmpty());
    QCOMPARE(sent("Cardio..sp_updatecash"),
             QStringList({"Cardio..sp_updatecash 'OR0412050','LR15','LR',''",
                          "Cardio..sp_updatecash 'OR0412050','LR11','LR',''"}));
    QCOMPARE(
        fixture_->rows("select Served from Billing..tbCashAssessment where ORNumber = 'OR0412050'"),
        QStringList({"Y", "Y"}));
    QVERIFY(sent("Clinical_area..sp_Laser_GetRefNum").isEmpty());
}

void OutRequestEntryTest::visitTypePicksTheRate_data()
{
    QTest::addColumn<QString>("visit");
    QTest::addColumn<QString>("price");
    QTest::newRow("company visit pays RateB") << "OP1000037"
                                              << "1430.00";
    QTest::newRow("walk-in visit pays RateA") << "OP1000232"
                                              << "1500.00";
    QTest::newRow("regular visit pays RateA") << "OP1000009"
                                              << "1500.00";
}

void OutRequestEntryTest::visitTypePicksTheRate()
{
    QFETCH(QString, visit);
    QFETCH(QString, price);
    frmOutRequest* form = open({visit, false, QString(), 0, false});
    QCOMPARE(form->findChild<QLineEdit*>("txtRoom")->text(), QString("OPD"));
    addProcedure(form, 1, "LR17");
    QCOMPARE(form->findChild<EntryGrid*>("grdInput")->cellText(1, 6), price);
}

void OutRequestEntryTest::doctorTypedAsProcedureCode()
{
    frmOutRequest* form = open({"OP1000009", false, QString(), 0, false});
    QString doctor;
    fixture_->dialogs.onNext([&doctor](QDialog& dialog) {
        auto* doctors = dialog.findChild<QTableView*>("grdListing");
        doctors->setCurrentIndex(doctors->model()->index(0, 0));
        doctor = dialog.windowTitle();
        return int(QDialog::Accepted);
    });
    addProcedure(form, 1, "md");
    auto* lines = form->findChild<EntryGrid*>("grdInput");
    QVERIFY(doctor.startsWith("Doctors"));
    QCOMPARE(lines->cellText(1, 1), QString("LR"));
    QCOMPARE(lines->cellText(1, 8), QString("MD"));
    QCOMPARE(lines->currentCol(), 5);
}

void OutRequestEntryTest::failureOnTheThirdLineLeavesNothing()
{
    QPointer<frmOutRequest> form = open({"OP1000009", false, QString(), 0, false});
    addProcedure(form, 1, "LR17");
    addProcedure(form, 2, "LR21");
    addProcedure(form, 3, "LR03");
    supplyDoctor(form, "1104");
    fixture_->alter("CREATE TRIGGER Clinical_Area.third BEFORE INSERT ON tbLaserMaster WHEN "
                    "(SELECT count(*) FROM tbLaserMaster WHERE RefNum = NEW.RefNum) = 2 "
                    "BEGIN SELECT RAISE(ABORT, 'injected'); END");
    const QStringList counters = fixture_->rows("select * from Clinical_Area..tbLaserSlip");
    fixture_->prompt.clear();
    form->findChild<QPushButton*>("cmdSave")->click();

    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QCOMPARE(fixture_->prompt.shown().first().text, QString("Data Not Successfully Saved."));
    QCOMPARE(fixture_->prompt.shown().first().title, QString("Warning"));
    QVERIFY(form);
    QCOMPARE(fixture_->rows("select * from Clinical_Area..tbLaserSlip"), counters);
    QCOMPARE(fixture_->rows(
                 "select count(*) from Clinical_Area..tbLaserMaster where IdNum = 'OP1000009' "
                 "and TransDate >= '2026-12-11 10:30:15'"),
             QStringList{"0"});
    QCOMPARE(fixture_->rows(
                 "select count(*) from Billing..tbBillDailyBill where IdNum = 'OP1000009' and "
                 "TransDate >= '2026-12-11 10:30:15'"),
             QStringList{"0"});
}

void OutRequestEntryTest::exitAsksToSaveChanges()
{
    QPointer<frmOutRequest> form = open({"OP1000009", false, QString(), 0, false});
    fixture_->prompt.answerNext(QMessageBox::Yes);
    form->findChild<QPushButton*>("cmdClose")->click();
    QCOMPARE(fixture_->prompt.shown().last().text, QString("Save changes?"));
    QCOMPARE(fixture_->prompt.shown().last().title, QString("Message"));
    QVERIFY(form);
    QVERIFY(!fixture_->navigator->findChildWindow("frmListPatient"));

    fixture_->prompt.answerNext(QMessageBox::No);
    form->findChild<QPushButton*>("cmdClose")->click();
    QTRY_VERIFY(!form);
    auto* list =
        qobject_cast<frmListPatient*>(fixture_->navigator->findChildWindow("frmListPatient"));
    QVERIFY(list);
    const auto* type = list->findChild<QComboBox*>("cboPatientType");
    QVERIFY(type && !type->isEnabled());
    QCOMPARE(type->currentIndex(), int(frmListPatient::OutPatient));
    QVERIFY(fixture_->logRows().last().contains(
        "Click Exit; Exit Out Patient Request Entry Form; Click Exit; Exit Out Patient Request "
        "Entry Form; "));
}

QTEST_MAIN(OutRequestEntryTest)
#include "tst_frmoutrequest.moc"
