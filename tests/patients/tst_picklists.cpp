#include "PatientGrid.h"
#include "RecordingNavigator.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "frmDisplayOutPatient.h"
#include "frmListCashComm.h"
#include "frmListPatient.h"
#include "frmPatientList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The smaller pick lists: what each hands back, and what it refuses.
class TestPickLists : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void assessmentListReturns_data();
    void assessmentListReturns();
    void assessmentListTypesCapitals();
    void cashLinkChoosesIntoThePatientList();
    void displayWindowSearchesAndPicks();
    void displayWindowWithoutMatchPicksNothing();

private:
    QString first(const QString& statement) const;

    std::unique_ptr<SessionFixture> fixture_;
    RecordingNavigator navigator_;
};

void TestPickLists::initTestCase()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->context.setNavigator(&navigator_);
}

void TestPickLists::cleanupTestCase()
{
    fixture_.reset();
}

void TestPickLists::init()
{
    navigator_ = RecordingNavigator();
    fixture_->prompt.clear();
}

QString TestPickLists::first(const QString& statement) const
{
    return fixture_->connect()->open(statement).field(0).toString();
}

void TestPickLists::assessmentListReturns_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("finder");   // the search text
    QTest::addColumn<QString>("expected"); // empty: refused
    const QString cashBasis = "Select top 1 p.IdNum from Patient_Data..tbPatient p join "
                              "Patient_Data..tbPatient2 x on x.IdNum = p.IdNum where p.DcrDate "
                              "is null and x.OkeyLR = ";
    QTest::newRow("admission under cash basis") << 3 << cashBasis + "1"
                                                << "admission";
    QTest::newRow("admission not under cash basis") << 3 << cashBasis + "0"
                                                    << "";
    QTest::newRow("walk-in gives its hospital number") << 1 << "Select 'T500059'"
                                                       << "T500059";
}

void TestPickLists::assessmentListReturns()
{
    QFETCH(int, option);
    QFETCH(QString, finder);
    QFETCH(QString, expected);

    const QString search = first(finder);
    frmPatientList list(fixture_->context);
    list.setListOption(option);
    list.setSearchString(search);
    list.Form_Load();
    auto* grid = list.findChild<PatientGrid*>("grdPatient");
    QCOMPARE(grid->rowCount(), 1);
    QTest::keyClick(grid, Qt::Key_Return);
    if (expected.isEmpty()) {
        QCOMPARE(fixture_->prompt.shown().size(), 1);
        const Prompt::Shown& shown = fixture_->prompt.shown().first();
        QCOMPARE(shown.text, QString("Patient is not Under Cash Basis. Use Post Charges Option."));
        QCOMPARE(shown.title, QString("Message Alert"));
        QCOMPARE(shown.icon, QMessageBox::Information);
        QVERIFY(list.isCancel());
        QCOMPARE(list.result(), int(QDialog::Rejected));
        return;
    }
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QVERIFY(!list.isCancel());
    QCOMPARE(list.HospNumber(), expected == "admission" ? search : expected);
    QCOMPARE(list.result(), int(QDialog::Accepted));
}

void TestPickLists::assessmentListTypesCapitals()
{
    frmPatientList list(fixture_->context);
    list.setListOption(1);
    list.Form_Load();
    auto* box = list.findChild<QLineEdit*>("txtSearch");
    box->clear();
    QTest::keyClicks(box, "o'con");
    QCOMPARE(box->text(), QString("O'CON"));
    auto* grid = list.findChild<PatientGrid*>("grdPatient");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 1)->text(), QString("T500059"));
    QVERIFY(list.findChild<QPushButton*>("cmdAddWalkin")->isEnabled());
    list.findChild<QPushButton*>("cmdAddWalkin")->click();
    QCOMPARE(navigator_.walkInRegistrations, 1);
    QVERIFY(list.isCancel());
}

void TestPickLists::cashLinkChoosesIntoThePatientList()
{
    auto* links = new frmListCashComm(fixture_->context);
    links->Search();
    auto* grid = links->findChild<PatientGrid*>("grdCashPatient");
    QVERIFY(grid->rowCount() > 0);
    QCOMPARE(grid->item(0, 5)->text(), QString("6,500.00"));
    QCOMPARE(grid->item(0, 4)->text(), QString("OR0412051"));
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_Return);

    QCOMPARE(navigator_.shown.size(), 1);
    auto* list = qobject_cast<frmListPatient*>(navigator_.shown.first());
    QVERIFY(list);
    QCOMPARE(list->CashOrNum(), QString("OR0412051"));
    QCOMPARE(list->CashPrice(), 6500.0);
    auto* type = list->findChild<QComboBox*>("cboPatientType");
    QCOMPARE(type->currentText(), QString("Walk-In"));
    QVERIFY(!type->isEnabled());
    QCOMPARE(list->findChild<QLineEdit*>("txtTextSearch")->text(),
             QString("TOMAS, VICENTE IGNACIO"));
    QVERIFY(!list->findChild<QPushButton*>("cmdAddCashPatient")->isHidden());

    list->Form_Activate();
    list->Process();
    QCOMPARE(navigator_.outRequests.size(), 1);
    QCOMPARE(navigator_.outRequests.first().Idnumber, QString("T500026"));
    QCOMPARE(navigator_.outRequests.first().CashOrNum, QString("OR0412051"));
    QCOMPARE(navigator_.outRequests.first().CashPrice, 6500.0);
    delete list;
}

void TestPickLists::displayWindowSearchesAndPicks()
{
    frmDisplayOutPatient display(fixture_->context);
    display.DisplayWindowSetup("Registered OPD List", "Up,Down,PgUp & PgDown Keys to Scroll",
                               "  FullName       |  BillingDate  |  AdmDate |  Admission#  ",
                               "3500,1000,1000,1000", "600,,,", 4, 2, 0, 1);
    QCOMPARE(display.windowTitle(), QString("Registered OPD List"));
    QCOMPARE(display.findChild<QLabel*>("lblTitle1")->text(), QString("   Registered OPD List"));
    auto* box = display.findChild<QLineEdit*>("txtSearch");
    QTest::keyClicks(box, "mu");
    auto* grid = display.findChild<PatientGrid*>("grdPatients");
    QVERIFY(grid->rowCount() > 0);
    QCOMPARE(display.findChild<QLabel*>("lblCount")->text(), QString::number(grid->rowCount()));
    grid->setCurrentCell(0, 0);
    const QString visit = grid->item(0, 1)->text();
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(display.result(), int(QDialog::Accepted));
    QCOMPARE(display.PickedIdNum(), visit);
    QCOMPARE(display.PickedHospNum(),
             first("Select HospNum from Patient_Data..tbOutpatient where IdNum = '" + visit + "'"));
    QVERIFY(!display.PickedAdmDate().isEmpty());
}

void TestPickLists::displayWindowWithoutMatchPicksNothing()
{
    frmDisplayOutPatient display(fixture_->context);
    auto* box = display.findChild<QLineEdit*>("txtSearch");
    QTest::keyClicks(box, "zzq");
    auto* grid = display.findChild<PatientGrid*>("grdPatients");
    QCOMPARE(grid->rowCount(), 0);
    QCOMPARE(display.findChild<QLabel*>("lblCount")->text(), QString("0"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(display.PickedIdNum().isEmpty());
    QVERIFY(display.result() != int(QDialog::Accepted));
}

QTEST_MAIN(TestPickLists)
#include "tst_picklists.moc"
