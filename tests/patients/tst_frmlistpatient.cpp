#include "PatientGrid.h"
#include "RecordingNavigator.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "frmListPatient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using Type = frmListPatient::PatientTypeIndex;
using SearchBy = frmListPatient::SearchByIndex;

// The patient list on the demo hospital: what it searches, and what Process lets through.
class TestFrmListPatient : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void searchStatement_data();
    void searchStatement();
    void typedLettersBecomeCapitals();
    void noMatchTellsAndKeepsTheGridEmpty();
    void processRefusals_data();
    void processRefusals();
    void admissionGoneSinceListed();
    void processOpensRequestEntry();
    void processOpensOutRequestEntry_data();
    void processOpensOutRequestEntry();
    void activityTexts();

private:
    QString first(const QString& statement) const;
    void searchFor(Type type, SearchBy searchBy, const QString& text, bool previous = false);
    QString lastSearch() const;

    std::unique_ptr<SessionFixture> fixture_;
    RecordingNavigator navigator_;
    QPointer<frmListPatient> list_;
};

void TestFrmListPatient::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    navigator_ = RecordingNavigator();
    fixture_->context.setNavigator(&navigator_);
    list_ = new frmListPatient(fixture_->context);
    fixture_->prompt.clear();
}

void TestFrmListPatient::cleanup()
{
    delete list_;
    fixture_.reset();
}

QString TestFrmListPatient::first(const QString& statement) const
{
    return fixture_->connect()->open(statement).field(0).toString();
}

void TestFrmListPatient::searchFor(Type type, SearchBy searchBy, const QString& text, bool previous)
{
    list_->lockPatientType(type);
    list_->setSearchBy(searchBy);
    list_->setSearchText(text);
    list_->findChild<QCheckBox*>("chkPrevious")->setChecked(previous);
    fixture_->session->connection->trace().clear();
    list_->Search();
}

QString TestFrmListPatient::lastSearch() const
{
    const QStringList sent = fixture_->session->connection->trace().statements();
    for (qsizetype i = sent.size() - 1; i >= 0; --i)
        if (sent[i].startsWith("Clinical_area..sp_Laser_Get_"))
            return sent[i];
    return {};
}

void TestFrmListPatient::searchStatement_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("searchBy");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("listedName"); // a name among the rows found

    const QString call = "Clinical_area..sp_Laser_Get_";
    QTest::newRow("empty text ignores search-by")
        << int(Type::InPatient) << int(SearchBy::HospitalNo) << "" << false << call + "Patient 'I'"
        << "SMITH, JOHN ROBERT CRUZ";
    QTest::newRow("in-patient last name")
        << int(Type::InPatient) << int(SearchBy::LastName) << "SMI" << false
        << call + "Patientbylastname 'I','SMI',''"
        << "SMITH, JOHN ROBERT CRUZ";
    QTest::newRow("out-patient current visits")
        << int(Type::OutPatient) << int(SearchBy::LastName) << "MU" << false
        << call + "Patientbylastname 'O','MU', 'Y'" << QString::fromUtf8("MUÑOZ, MA. LOURDES PEÑA");
    QTest::newRow("out-patient with previous registrations")
        << int(Type::OutPatient) << int(SearchBy::LastName) << "MU" << true
        << call + "Patientbylastname 'O','MU', 'N'" << QString::fromUtf8("MUÑOZ, MA. LOURDES PEÑA");
    QTest::newRow("walk-in with apostrophe")
        << int(Type::WalkIn) << int(SearchBy::LastName) << "O'CON" << false
        << call + "Patientbylastname 'W','O''CON'"
        << "O'CONNOR, BRIDGET ALVAREZ";
    QTest::newRow("in-patient comma")
        << int(Type::InPatient) << int(SearchBy::LastName) << "SMITH,JOHN" << false
        << call + "patientbyfirstname 'I','SMITH','JOHN'"
        << "SMITH, JOHN ROBERT CRUZ";
    QTest::newRow("blank after comma is sent")
        << int(Type::WalkIn) << int(SearchBy::LastName) << "O'CONNOR, BRIDGET" << false
        << call + "Patientbyfirstname 'W','O''CONNOR',' BRIDGET'"
        << "O'CONNOR, BRIDGET ALVAREZ";
    QTest::newRow("admission number") << int(Type::InPatient) << int(SearchBy::AdmissionNo)
                                      << "400044" << false << call + "Patientbyidnum 'I','400044'"
                                      << "SMITH, JOHN ROBERT CRUZ";
    QTest::newRow("hospital number") << int(Type::WalkIn) << int(SearchBy::HospitalNo) << "T500059"
                                     << false << call + "Patientbyhospnum 'W','T500059'"
                                     << "O'CONNOR, BRIDGET ALVAREZ";
}

void TestFrmListPatient::searchStatement()
{
    QFETCH(int, type);
    QFETCH(int, searchBy);
    QFETCH(QString, text);
    QFETCH(bool, previous);
    QFETCH(QString, statement);
    QFETCH(QString, listedName);

    searchFor(Type(type), SearchBy(searchBy), text, previous);
    QCOMPARE(lastSearch(), statement);
    QVERIFY(fixture_->prompt.shown().isEmpty());
    auto* grid = list_->findChild<PatientGrid*>("mfgrdPatient");
    QStringList names;
    for (int row = 0; row < grid->rowCount(); ++row)
        names.append(grid->item(row, 2)->text());
    QVERIFY2(names.contains(listedName), qPrintable(names.join(" / ")));
    QVERIFY(list_->findChild<QPushButton*>("cmdProcess")->isEnabled());
}

void TestFrmListPatient::typedLettersBecomeCapitals()
{
    auto* box = list_->findChild<QLineEdit*>("txtTextSearch");
    QTest::keyClicks(box, "dela cruz");
    QCOMPARE(box->text(), QString("DELA CRUZ"));
}

void TestFrmListPatient::noMatchTellsAndKeepsTheGridEmpty()
{
    searchFor(Type::InPatient, SearchBy::LastName, "SMI");
    searchFor(Type::InPatient, SearchBy::LastName, "ZZ'Q");
    QCOMPARE(lastSearch(), QString("Clinical_area..sp_Laser_Get_Patientbylastname 'I','ZZ''Q',''"));
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QCOMPARE(fixture_->prompt.shown().first().text, QString("No Existing Patient Found."));
    QCOMPARE(fixture_->prompt.shown().first().title, QString("Message"));
    auto* grid = list_->findChild<PatientGrid*>("mfgrdPatient");
    QCOMPARE(grid->rowCount(), 0);
    QVERIFY(!list_->findChild<QPushButton*>("cmdProcess")->isEnabled());
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QVERIFY(navigator_.requests.isEmpty() && navigator_.outRequests.isEmpty());
}

void TestFrmListPatient::processRefusals_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("finder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");

    const QString current = "Select top 1 p.IdNum from Patient_Data..tbPatient p join "
                            "Patient_Data..tbPatient2 x on x.IdNum = p.IdNum where p.DcrDate is "
                            "null and ";
    QTest::newRow("billed")
        << int(Type::InPatient) << current + "p.BillingDate is not null and x.OkeyLR = 0"
        << "Patient`s account has already been closed.\nIf you have charges to make, pls. "
           "notify the billing for further instructions."
        << "Message" << int(QMessageBox::NoIcon);
    QTest::newRow("cash basis")
        << int(Type::InPatient) << current + "p.BillingDate is null and x.OkeyLR = 1"
        << "Patient`s account has been placed under cash basis.\nPls. refer to Credit and "
           "Collection Dept. for further instructions."
        << "Message" << int(QMessageBox::NoIcon);
    QTest::newRow("cleared")
        << int(Type::InPatient)
        << current + "p.BillingDate is null and x.OkeyLR = 0 and p.IdNum in (select IdNum from "
                     "Station..tbDischargeClearance where RecordStatus = 1)"
        << "Patient`s already cleared."
        << "Message" << int(QMessageBox::Information);
    const QString visit = "Select top 1 IdNum from Patient_Data..tbOutpatient where ";
    QTest::newRow("walk-in visit on personal account")
        << int(Type::OutPatient)
        << visit + "InvoiceNumber is null and PatientType = 'W' and AccountNum = HospNum"
        << "Patient`s with Personal Account is Not Allowed.\nPlease Use Cash Assessment Entry "
           "Option for this Patient."
        << "Message" << int(QMessageBox::Information);
    QTest::newRow("invoiced visit")
        << int(Type::OutPatient) << visit + "InvoiceNumber is not null and LateCharges = 0"
        << "Patient's Account is Already Closed. Contact AR Departmen"
        << "Message Alert" << int(QMessageBox::Information);
    QTest::newRow("invoiced visit taking late charges")
        << int(Type::OutPatient) << visit + "InvoiceNumber is not null and LateCharges = 1"
        << "Patient's Account is Already Invoiced. Use Receivable Entry for Late Charges."
        << "Message Alert" << int(QMessageBox::Information);
}

void TestFrmListPatient::processRefusals()
{
    QFETCH(int, type);
    QFETCH(QString, finder);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);

    const QString number = first(finder);
    QVERIFY(!number.isEmpty());
    searchFor(Type(type), SearchBy::AdmissionNo, number, true);
    QCOMPARE(list_->findChild<PatientGrid*>("mfgrdPatient")->rowCount(), 1);
    list_->Process();
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const Prompt::Shown& shown = fixture_->prompt.shown().first();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.title, title);
    QCOMPARE(int(shown.icon), icon);
    QVERIFY(navigator_.requests.isEmpty() && navigator_.outRequests.isEmpty());
    QVERIFY(list_);
}

void TestFrmListPatient::admissionGoneSinceListed()
{
    searchFor(Type::InPatient, SearchBy::AdmissionNo, "400044");
    fixture_->alter("DELETE FROM Patient_Data.tbPatient WHERE IdNum = '400044'");
    list_->Process();
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QCOMPARE(fixture_->prompt.shown().first().text, QString("No Existing Patient Found."));
    QVERIFY(navigator_.requests.isEmpty());
}

void TestFrmListPatient::processOpensRequestEntry()
{
    searchFor(Type::InPatient, SearchBy::LastName, "SMITH,JOHN");
    QTest::keyClick(list_->findChild<PatientGrid*>("mfgrdPatient"), Qt::Key_Return);
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QCOMPARE(navigator_.requests.size(), 1);
    const RequestEntryValues& values = navigator_.requests.first();
    QCOMPARE(values.PatIdNum, QString("400044"));
    QCOMPARE(values.CashBasis, false);
    QCOMPARE(values.PatientType, QString("I"));
    QCOMPARE(values.NurseCommnunication, false);
}

void TestFrmListPatient::processOpensOutRequestEntry_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("idNumber");
    QTest::addColumn<bool>("cashBasis");
    QTest::addColumn<QString>("cashOrNum");
    QTest::addColumn<double>("cashPrice");

    const QString openVisit = "Select top 1 IdNum from Patient_Data..tbOutpatient where "
                              "InvoiceNumber is null and PatientType = 'O'";
    QTest::newRow("open visit") << int(Type::OutPatient) << openVisit << "" << false << "" << 0.0;
    QTest::newRow("walk-in from a cash link") << int(Type::WalkIn) << "Select 'T500059'"
                                              << "T500059" << true << "OR0412051" << 6500.0;
}

void TestFrmListPatient::processOpensOutRequestEntry()
{
    QFETCH(int, type);
    QFETCH(QString, number);
    QFETCH(QString, idNumber);
    QFETCH(bool, cashBasis);
    QFETCH(QString, cashOrNum);
    QFETCH(double, cashPrice);

    const QString found = first(number);
    list_->setCashOrNum(cashOrNum);
    list_->setCashPrice(cashPrice);
    searchFor(Type(type), SearchBy::AdmissionNo, found);
    list_->Process();
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QCOMPARE(navigator_.outRequests.size(), 1);
    const OutRequestEntryValues& values = navigator_.outRequests.first();
    QCOMPARE(values.Idnumber, idNumber.isEmpty() ? found : idNumber);
    QCOMPARE(values.CashBasis, cashBasis);
    QCOMPARE(values.CashOrNum, cashOrNum);
    QCOMPARE(values.CashPrice, cashPrice);
    QCOMPARE(values.NurseCommnunication, false);
}

void TestFrmListPatient::activityTexts()
{
    list_->Process();
    list_->findChild<QPushButton*>("cmdClose")->click();
    QVERIFY(list_.isNull() || !list_->isVisible());
    const QStringList rows = fixture_->logRows();
    QVERIFY(!rows.isEmpty());
    QVERIFY2(rows.last().contains("Open List of Patient Form; Click Process; Click Close; Exit "
                                  "List of Patient Form; "),
             qPrintable(rows.last()));
}

QTEST_MAIN(TestFrmListPatient)
#include "tst_frmlistpatient.moc"
