#include "EntryGrid.h"
#include "ListingDialog.h"
#include "SessionState.h"
#include "WindowFixture.h"
#include "WindowNavigator.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "frmListPatient.h"
#include "frmReportViewer.h"
#include "frmRequest.h"
#include "mdiMain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// Request entry on the demo hospital, reached as a clerk reaches it: InPatient Request Entry,
// the patient list, Process. Admission 400044 (SMITH, JOHN) lies in room 403 of class A.
class RequestEntryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roadOfOneInPatientCharge();
    void holidayAtOpening_data();
    void holidayAtOpening();
    void markUpKeepsTypedQuantities();
    void requestingDoctorIsRequired();
    void failedSaveLeavesNothingAndKeepsTheForm();
    void secondClickChargesNothingMore();
    void nurseCommunicationLoadsTheRequestedExams();
    void exitReturnsToThePatientList();

private:
    frmRequest* openFromPatientList(const QString& admission);
    frmRequest* openForNurses(const QString& admission);
    QWidget* childWindow(const QString& name) const;
    EntryGrid* grid(frmRequest* form) const;
    template <typename T> T* control(frmRequest* form, const char* name) const
    {
        return form->findChild<T*>(name);
    }
    QStringList shownTexts() const;

    std::unique_ptr<WindowFixture> fixture_;
};

void RequestEntryTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    QVERIFY(fixture_->open());
}

void RequestEntryTest::cleanup()
{
    fixture_.reset();
}

QWidget* RequestEntryTest::childWindow(const QString& name) const
{
    return fixture_->navigator->findChildWindow(name);
}

frmRequest* RequestEntryTest::openFromPatientList(const QString& admission)
{
    fixture_->window->findChild<QAction*>("mnuInPatientRequest")->trigger();
    auto* list = qobject_cast<frmListPatient*>(childWindow("frmListPatient"));
    if (!list)
        return nullptr;
    list->setSearchBy(frmListPatient::AdmissionNo);
    list->setSearchText(admission);
    list->Search();
    list->Process();
    return qobject_cast<frmRequest*>(childWindow("frmRequest"));
}

frmRequest* RequestEntryTest::openForNurses(const QString& admission)
{
    fixture_->navigator->openRequestEntry({admission, false, "I", true});
    return qobject_cast<frmRequest*>(childWindow("frmRequest"));
}

EntryGrid* RequestEntryTest::grid(frmRequest* form) const
{
    return form->findChild<EntryGrid*>("grdInput");
}

QStringList RequestEntryTest::shownTexts() const
{
    QStringList texts;
    for (const ScriptedPrompt::Shown& shown : fixture_->prompt.shown())
        texts << shown.title + ": " + shown.text;
    return texts;
}

void RequestEntryTest::roadOfOneInPatientCharge()
{
    QPointer<frmRequest> form = openFromPatientList("400044");
    QVERIFY(form);
    QVERIFY(!childWindow("frmListPatient"));
    QCOMPARE(control<QLineEdit>(form, "txtIdNum")->text(), QString("400044"));
    QCOMPARE(control<QLineEdit>(form, "txtLname")->text(), QString("SMITH"));
    QCOMPARE(control<QLineEdit>(form, "txtRoom")->text(), QString("403"));
    QCOMPARE(control<QLineEdit>(form, "txtDoctorID")->text(), QString("1104"));
    QVERIFY(!control<QCheckBox>(form, "chkHoliday")->isChecked());
    QCOMPARE(control<QLineEdit>(form, "txtGross")->text(), QString("0.00"));
    EntryGrid* lines = grid(form);
    QCOMPARE(lines->rowCount(), 2);
    QVERIFY(!control<QPushButton>(form, "cmdSavePrint")->isEnabled());

    lines->setCellText(1, 1, "LR");
    WindowFixture::enter(grid(form), 1, 2, "LR17");
    QCOMPARE(lines->cellText(1, 3), QString("A-SCAN BIOMETRY (OU)"));
    QCOMPARE(lines->cellText(1, 6), QString("1500.00"));
    QCOMPARE(lines->cellText(1, 8), QString("LR"));
    QVERIFY(control<QPushButton>(form, "cmdSavePrint")->isEnabled());

    QCOMPARE(lines->rowCount(), 3);
    lines->setCellText(2, 1, "LM");
    WindowFixture::enter(grid(form), 2, 2, "100101");
    QCOMPARE(lines->cellText(2, 3), QString("TROPICAMIDE 1% EYE DROPS 15ML"));
    WindowFixture::enter(grid(form), 2, 5, "\b2");
    QCOMPARE(lines->cellText(2, 7), QString("660.80"));

    lines->setCellText(3, 1, "MD");
    QString doctor;
    fixture_->dialogs.onNext([&doctor](QDialog& dialog) {
        auto* doctors = dialog.findChild<QTableView*>("grdListing");
        doctors->setCurrentIndex(doctors->model()->index(0, 0));
        doctor = static_cast<ListingDialog&>(dialog).chosenCode();
        return int(QDialog::Accepted);
    });
    WindowFixture::enter(grid(form), 3, 2, "ignored");
    QVERIFY(!doctor.isEmpty());
    QCOMPARE(lines->cellText(3, 2), doctor);
    QCOMPARE(lines->cellText(3, 8), QString("MD"));
    WindowFixture::enter(grid(form), 3, 6, "500");
    QCOMPARE(lines->cellText(3, 7), QString("500.00"));
    QCOMPARE(control<QLineEdit>(form, "txtGross")->text(), QString("2660.80"));

    QString slip;
    fixture_->dialogs.onNext([&slip](QDialog& dialog) {
        auto* viewer = qobject_cast<frmReportViewer*>(&dialog);
        slip = viewer ? viewer->windowTitle() + "\n" + viewer->report().plainText() : QString();
        return int(QDialog::Rejected);
    });
    control<QPushButton>(form, "cmdSavePrint")->click();

    QCOMPARE(shownTexts(), QStringList{"Message: Data Successfully Saved!"});
    QTRY_VERIFY(!form);
    QVERIFY(slip.startsWith("Charge slip printing\n"));
    for (const char* printed : {"C240370E", "SMITH, JOHN", "400044", "A-SCAN BIOMETRY (OU)",
                                "TROPICAMIDE", "2,660.80", "12/11/2026 10:30:15 AM"})
        QVERIFY2(slip.contains(QString::fromUtf8(printed)), printed);
    QCOMPARE(fixture_->rows(
                 "select ItemID, RevenueID, Amount, Quantity, RequestStatus from "
                 "Clinical_Area..tbLaserMaster where RefNum = 'C240370E' order by RequestNum"),
             QStringList({"LR17|LR|1500|1|X", "100101|LM|660.8|2|X", doctor + "|MD|500|1|X"}));
    QCOMPARE(
        fixture_->rows("select ItemID, ChargeType from Billing..tbBillDailyBill where RefNum = "
                       "'C240370E' order by BillID"),
        QStringList({"LR17|D", doctor + "|P"}));
    QCOMPARE(fixture_->rows(
                 "select count(*) from Station..tbNurseLogBook where ReferenceNum = 'C240370E'"),
             QStringList{"2"});
    QCOMPARE(
        fixture_->rows("select Quantity, StoreID from Build_File..tbInvStockCard where RefNum = "
                       "'C240370E'"),
        QStringList{"2|PH"});
    QCOMPARE(
        fixture_
            ->rows(
                "select Code, Examination, Quantity, Amount from Clinical_Area..tbLaserChargeSlip "
                "order by LineID")
            .size(),
        3);
    const QString trail = fixture_->logRows().last();
    QVERIFY(trail.contains("Click Process; Open Request Entry Form; "));
    QVERIFY(trail.endsWith("Click Save and Print; Exit Request Entry Form; |open"));
}

void RequestEntryTest::holidayAtOpening_data()
{
    QTest::addColumn<QDateTime>("serverTime");
    QTest::addColumn<bool>("holiday");
    QTest::newRow("before office hours") << QDateTime({2026, 12, 11}, {7, 59, 59}) << true;
    QTest::newRow("office hours begin") << QDateTime({2026, 12, 11}, {8, 0}) << false;
    QTest::newRow("office hours end") << QDateTime({2026, 12, 11}, {16, 59, 59}) << false;
    QTest::newRow("after office hours") << QDateTime({2026, 12, 11}, {17, 0}) << true;
    QTest::newRow("Sunday") << QDateTime({2026, 12, 13}, {10, 0}) << true;
}

void RequestEntryTest::holidayAtOpening()
{
    QFETCH(QDateTime, serverTime);
    QFETCH(bool, holiday);
    fixture_->setServerTime(serverTime);
    frmRequest* form = openFromPatientList("400044");
    QVERIFY(form);
    QCOMPARE(control<QCheckBox>(form, "chkHoliday")->isChecked(), holiday);
    QCOMPARE(control<QGroupBox>(form, "fraMarkup")->isVisibleTo(form), holiday);
    QCOMPARE(control<QLineEdit>(form, "txtMarkUp")->text(), QString("50"));
}

void RequestEntryTest::markUpKeepsTypedQuantities()
{
    frmRequest* form = openFromPatientList("400044");
    EntryGrid* lines = grid(form);
    lines->setCellText(1, 1, "LR");
    WindowFixture::enter(grid(form), 1, 2, "LR17");
    lines->setCellText(2, 1, "LR");
    WindowFixture::enter(grid(form), 2, 2, "LR21");
    WindowFixture::enter(grid(form), 2, 5, "\b3");
    QCOMPARE(lines->cellText(2, 7), QString("900.00"));

    auto* holiday = control<QCheckBox>(form, "chkHoliday");
    const qsizetype dialogsRun = fixture_->dialogs.ran().size();
    holiday->click();
    QCOMPARE(fixture_->dialogs.ran().size(), dialogsRun);
    QCOMPARE(lines->cellText(1, 7), QString("2250.00"));
    QCOMPARE(lines->cellText(1, 6), QString("1500.00"));
    QCOMPARE(lines->cellText(2, 5), QString("3"));
    QCOMPARE(lines->cellText(2, 7), QString("1350.00"));
    control<QPushButton>(form, "cmdApply")->click();
    QCOMPARE(lines->cellText(1, 7), QString("2250.00"));
    QCOMPARE(control<QLineEdit>(form, "txtGross")->text(), QString("3600.00"));

    holiday->click();
    QCOMPARE(lines->cellText(1, 7), QString("1500.00"));
    QCOMPARE(lines->cellText(2, 7), QString("900.00"));
}

void RequestEntryTest::requestingDoctorIsRequired()
{
    frmRequest* form = openFromPatientList("400044");
    grid(form)->setCellText(1, 1, "LR");
    WindowFixture::enter(grid(form), 1, 2, "LR17");
    control<QLineEdit>(form, "txtDoctorID")->clear();
    fixture_->prompt.clear();
    fixture_->session->connection->trace().clear();
    QVERIFY(!form->Save_request());
    QCOMPARE(shownTexts(), QStringList{"Message: Pls. supply requesting doctor."});
    QCOMPARE(fixture_->prompt.shown().first().icon, QMessageBox::Information);
    QVERIFY(fixture_->session->connection->trace().statements().isEmpty());
}

void RequestEntryTest::failedSaveLeavesNothingAndKeepsTheForm()
{
    QPointer<frmRequest> form = openFromPatientList("400044");
    grid(form)->setCellText(1, 1, "LR");
    WindowFixture::enter(grid(form), 1, 2, "LR17");
    fixture_->alter("CREATE TRIGGER Billing.fail BEFORE INSERT ON tbBillDailyBill "
                    "BEGIN SELECT RAISE(ABORT, 'injected'); END");
    const QStringList before = fixture_->rows("select * from Clinical_Area..tbLaserSlip");
    fixture_->prompt.clear();
    control<QPushButton>(form, "cmdSave")->click();

    QCOMPARE(shownTexts(), QStringList{"Warning: Data Not Successfully Saved."});
    QVERIFY(form);
    QVERIFY(control<QPushButton>(form, "cmdSave")->isEnabled());
    QCOMPARE(fixture_->rows("select * from Clinical_Area..tbLaserSlip"), before);
    QCOMPARE(fixture_->rows(
                 "select count(*) from Clinical_Area..tbLaserMaster where IdNum = '400044' and "
                 "TransDate >= '2026-12-11 10:30:15'"),
             QStringList{"0"});
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void RequestEntryTest::secondClickChargesNothingMore()
{
    frmRequest* form = openFromPatientList("400044");
    grid(form)->setCellText(1, 1, "LR");
    WindowFixture::enter(grid(form), 1, 2, "LR17");
    auto* save = control<QPushButton>(form, "cmdSave");
    auto* savePrint = control<QPushButton>(form, "cmdSavePrint");
    save->click();
    save->click();
    savePrint->click();
    QTest::keyClick(save, Qt::Key_Return);
    QCOMPARE(fixture_->rows("select ChargeSlip from Clinical_Area..tbLaserSlip"),
             QStringList{"240371"});
    QCOMPARE(fixture_->rows("select count(*) from Clinical_Area..tbLaserMaster where RefNum "
                            "like 'C24037%E' and IdNum = '400044'"),
             QStringList{"1"});
}

void RequestEntryTest::nurseCommunicationLoadsTheRequestedExams()
{
    const QStringList pending = fixture_->rows(
        "select c.IdNum, count(*) from Station..tbNurseCommunicationFile c join "
        "Patient_Data..tbPatient p on p.IdNum = c.IdNum where c.RecordStatus is null and "
        "c.RevenueID = 'LR' and c.Stat = 'N' and p.DcrDate is null group by c.IdNum");
    QVERIFY(!pending.isEmpty());
    const QString admission = pending.first().section('|', 0, 0);
    const int exams = pending.first().section('|', 1, 1).toInt();
    QPointer<frmRequest> form = openForNurses(admission);
    QVERIFY(form);
    EntryGrid* lines = grid(form);
    QCOMPARE(lines->rowCount(), exams + 2);
    QCOMPARE(lines->cellText(1, 1), QString("LR"));
    QVERIFY(!lines->cellText(1, 7).isEmpty());
    QCOMPARE(control<QLineEdit>(form, "txtGross")->text(),
             db::Sql::twoDecimals(lines->columnTotal(7, 1, lines->rowCount() - 1)));
    QVERIFY(!control<QPushButton>(form, "cmdSave")->isEnabled());

    fixture_->prompt.answerNext(QMessageBox::No);
    control<QPushButton>(form, "cmdClose")->click();
    QVERIFY(form);
    QCOMPARE(fixture_->prompt.shown().last().text,
             QString("Changes will be ignored! Do you wish to exit?"));
    fixture_->prompt.answerNext(QMessageBox::Yes);
    control<QPushButton>(form, "cmdClose")->click();
    QTRY_VERIFY(!form);
    QVERIFY(!childWindow("frmListPatient"));
}

void RequestEntryTest::exitReturnsToThePatientList()
{
    QPointer<frmRequest> form = openFromPatientList("400044");
    control<QPushButton>(form, "cmdClose")->click();
    QTRY_VERIFY(!form);
    auto* list = qobject_cast<frmListPatient*>(childWindow("frmListPatient"));
    QVERIFY(list);
    QVERIFY(!list->findChild<QPushButton*>("cmdAddCashPatient")->isVisibleTo(list));
}

QTEST_MAIN(RequestEntryTest)
#include "tst_frmrequest.moc"
