#include "SessionFixture.h"
#include "SessionState.h"
#include "clsFunction.h"
#include "frmListPrevPatients.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The shared patient record: looking a patient up, with the list of earlier patients when the
// number is not found, and the room class of a room or an admission.
class TestPatientRecord : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void foundAtOnce();
    void notFoundAndCancelled();
    void pickedAndFoundOnTheSecondRound();
    void roomClass_data();
    void roomClass();

private:
    void fillRecord();
    int listsShown() const;

    std::unique_ptr<SessionFixture> fixture_;
};

void TestPatientRecord::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    AppContext& context = fixture_->context;
    fixture_->function->setPreviousPatientPicker(
        [&context](const QString& type, int option, const QString& search) {
            return frmListPrevPatients::pick(context, type, option, search);
        });
}

void TestPatientRecord::cleanup()
{
    fixture_.reset();
}

void TestPatientRecord::fillRecord()
{
    clsFunction& record = *fixture_->function;
    QString search = "400044";
    QVERIFY(record.GetPatient("I", search));
}

int TestPatientRecord::listsShown() const
{
    return int(fixture_->dialogs.ran().count("frmListPrevPatients"));
}

void TestPatientRecord::foundAtOnce()
{
    fixture_->session->connection->trace().clear();
    fillRecord();
    const clsFunction& record = *fixture_->function;
    QCOMPARE(fixture_->session->connection->trace().statements().first(),
             QString("Clinical_area..sp_Laser_SearchPreviousPatient 'I', 2, '400044'"));
    QCOMPARE(record.HospNum(), QString("00100002"));
    QCOMPARE(record.IdNum(), QString("400044"));
    QCOMPARE(record.FullName(), QString("SMITH, JOHN ROBERT CRUZ"));
    QVERIFY(!record.RoomID().isEmpty());
    QVERIFY(!record.AccountNum().isEmpty());
    QVERIFY(!record.RequestDoctor().isEmpty());
    QVERIFY(!record.Age().isEmpty());
    QCOMPARE(listsShown(), 0);
}

void TestPatientRecord::notFoundAndCancelled()
{
    fillRecord();
    clsFunction& record = *fixture_->function;
    const QString doctor = record.RequestDoctor();
    const QString age = record.Age();
    QString shownText;
    fixture_->dialogs.onNext([&shownText](QDialog& list) {
        shownText = list.findChild<QLineEdit*>("txtSearch")->text();
        list.findChild<QPushButton*>("cmdCancel")->click();
        return list.result();
    });
    QString search = "NO'SUCH";
    QVERIFY(!record.GetPatient("I", search));
    QCOMPARE(shownText, QString("NO'SUCH"));
    QCOMPARE(search, QString("NO'SUCH"));
    for (const QString& key : {record.HospNum(), record.IdNum(), record.RoomID(),
                               record.AccountNum(), record.FullName()})
        QVERIFY(key.isEmpty());
    QCOMPARE(record.RequestDoctor(), doctor);
    QCOMPARE(record.Age(), age);
}

// The first pick, trimmed, names a number the exact search does not know; the list opens again
// and the second pick is found.
void TestPatientRecord::pickedAndFoundOnTheSecondRound()
{
    fixture_->alter("INSERT INTO Patient_Data.tbCashPatient (HospNum, LastName, FirstName) "
                    "VALUES (' T900001', 'SMITHERS', 'WAYLON')");
    const auto pickRow = [](const QString& hospNum) {
        return [hospNum](QDialog& list) {
            auto* grid = list.findChild<QTableWidget*>("grdPatient");
            for (int row = 0; row < grid->rowCount(); ++row)
                if (grid->item(row, 1)->text() == hospNum)
                    grid->setCurrentCell(row, 2);
            list.findChild<QPushButton*>("cmdSelect")->click();
            return list.result();
        };
    };
    fixture_->dialogs.onNext(pickRow(" T900001"));
    fixture_->dialogs.onNext([](QDialog& list) {
        auto* search = list.findChild<QLineEdit*>("txtSearch");
        search->setText("OP1000001");
        QTest::keyClick(search, Qt::Key_Return);
        list.findChild<QPushButton*>("cmdSelect")->click();
        return list.result();
    });
    QString search = "SMITHERS";
    QVERIFY(fixture_->function->GetPatient("O", search));
    QCOMPARE(listsShown(), 2);
    QCOMPARE(search, QString("OP1000001"));
    QCOMPARE(fixture_->function->IdNum(), QString("OP1000001"));
}

void TestPatientRecord::roomClass_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("admission");
    QTest::addColumn<QString>("roomClass");
    QTest::newRow("known") << "213"
                           << "400010"
                           << "C";
    QTest::newRow("unknown") << "ZZ9"
                             << "NO'SUCH"
                             << "";
}

void TestPatientRecord::roomClass()
{
    QFETCH(QString, room);
    QFETCH(QString, admission);
    QFETCH(QString, roomClass);
    QCOMPARE(fixture_->function->getRoomClassID(room), roomClass);
    QCOMPARE(fixture_->function->GetRoomClass(admission), roomClass);
}

QTEST_MAIN(TestPatientRecord)
#include "tst_patientrecord.moc"
