#include "ReportRunner.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "WindowNavigator.h"
#include "db/Sql.h"
#include "frmReportViewer.h"
#include "mdiMain.h"

#include <QDateEdit>
#include <QPushButton>
#include <QtTest>

// The main window's report commands on the demo hospital, each report read back as text.
class TestReports : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void census_data();
    void census();
    void censusRunsItsProcedureEveryTime();
    void dailyAuditForOneDay();
    void dailyAuditRange();

private:
    void trigger(const char* name);
    // Scripts the next viewer: keeps its caption and text, writes its PDF, closes it.
    void readNextViewer();
    QStringList statements() const { return fixture_->session->connection->trace().statements(); }
    QString scalar(const QString& sql) const;

    std::unique_ptr<SessionFixture> fixture_;
    std::unique_ptr<ReportRunner> runner_;
    std::unique_ptr<mdiMain> window_;
    std::unique_ptr<WindowNavigator> navigator_;
    QTemporaryDir pdfs_;
    QString caption_;
    QString text_;
    int pages_ = 0;
};

void TestReports::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    fixture_->clock.setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 30)));
    runner_ = std::make_unique<ReportRunner>(fixture_->prompt, fixture_->dialogs, fixture_->clock);
    const SessionState& session = *fixture_->session;
    runner_->setSession(session.connection, session.Company, session.Address1);
    fixture_->context.setReports(runner_.get());
    window_ = std::make_unique<mdiMain>(fixture_->context);
    navigator_ = std::make_unique<WindowNavigator>(fixture_->context, *window_);
    navigator_->bindCommands();
    fixture_->prompt.clear();
    caption_.clear();
    text_.clear();
    pages_ = 0;
}

void TestReports::cleanup()
{
    navigator_.reset();
    window_.reset();
    runner_.reset();
    fixture_.reset();
}

void TestReports::trigger(const char* name)
{
    auto* action = window_->findChild<QAction*>(name);
    QVERIFY(action && action->isEnabled());
    action->trigger();
}

void TestReports::readNextViewer()
{
    fixture_->dialogs.onNext([this](QDialog& dialog) {
        auto* viewer = qobject_cast<frmReportViewer*>(&dialog);
        if (!viewer)
            return int(QDialog::Rejected);
        caption_ = viewer->windowTitle();
        text_ = viewer->report().plainText();
        pages_ = viewer->report().writePdf(pdfs_.filePath(caption_ + ".pdf"));
        return int(QDialog::Rejected);
    });
}

QString TestReports::scalar(const QString& sql) const
{
    return fixture_->connect()->open(sql).field(0).toString();
}

void TestReports::census_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("row"); // a row the report must show, read from the filled table
    QTest::newRow("all patients")
        << "mnuAllPatientCensus"
        << "Patient_Data..sp_adm_censusallpatient '2026/12/11',''"
        << "All Patient Census"
        << "ALL PATIENT CENSUS"
        << "SELECT RoomID || char(10) || RoomClassID || char(10) || HospNum || char(10) || IdNum "
           "|| "
           "char(10) || PatientName FROM Reports.tbCensusAllPatient ORDER BY Station, RoomID, "
           "PatientName LIMIT 1";
    QTest::newRow("by station")
        << "mnuCensusByStation"
        << "Patient_Data..sp_adm_censusbystation '2026/12/11',''"
        << "Census by Station"
        << "CENSUS BY STATION"
        << "SELECT Station || char(10) || Beds || char(10) || Occupied FROM "
           "Reports.tbCensusByStation ORDER BY Station LIMIT 1";
}

void TestReports::census()
{
    QFETCH(QString, action);
    QFETCH(QString, statement);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QString, row);
    readNextViewer();
    trigger(action.toLatin1());
    QVERIFY(statements().contains(statement));
    QCOMPARE(caption_, caption);
    const SessionState& session = *fixture_->session;
    QVERIFY(!session.Company.isEmpty());
    QVERIFY2(text_.contains(session.Company) && text_.contains(session.Address1),
             qPrintable(text_));
    QVERIFY(text_.contains(title + "\nas of 12/11/2026"));
    const QString expected = scalar(row);
    QVERIFY(!expected.isEmpty());
    QVERIFY2(text_.contains(expected), qPrintable(expected));
    QVERIFY(pages_ >= 1);
    QVERIFY(!runner_->ActiveReport());
    QVERIFY(fixture_->prompt.shown().isEmpty());
}

void TestReports::censusRunsItsProcedureEveryTime()
{
    // No script: each viewer closes at once, unseen.
    trigger("mnuAllPatientCensus");
    trigger("mnuAllPatientCensus");
    trigger("mnuCensusByStation");
    QCOMPARE(statements().count("Patient_Data..sp_adm_censusallpatient '2026/12/11',''"), 2);
    QCOMPARE(statements().count("Patient_Data..sp_adm_censusbystation '2026/12/11',''"), 1);
    QCOMPARE(fixture_->dialogs.ran().count("frmReportViewer"), 3);
    const QString patients =
        scalar("SELECT count(*) FROM Patient_Data.tbPatient WHERE DcrDate IS NULL");
    QCOMPARE(scalar("SELECT count(*) FROM Reports.tbCensusAllPatient"), patients);
    QCOMPARE(scalar("SELECT sum(Occupied) FROM Reports.tbCensusByStation"), patients);
}

void TestReports::dailyAuditForOneDay()
{
    bool checked = false;
    fixture_->dialogs.onNext([this, &checked](QDialog& dialog) {
        [&] {
            QCOMPARE(dialog.objectName(), "frmReportRange");
            QCOMPARE(dialog.windowTitle(), "Report");
            for (const char* name : {"dtpStartDate", "dtpEndDate"}) {
                auto* box = dialog.findChild<QDateEdit*>(name);
                QCOMPARE(box->date(), QDate(2026, 12, 11));
                QCOMPARE(box->text(), "12/11/2026");
            }
            readNextViewer();
            dialog.findChild<QPushButton*>("cmdView")->click();
            QCOMPARE(caption_, "Daily Report");
            // The dialog stays open after View.
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            checked = true;
        }();
        return int(QDialog::Rejected);
    });
    trigger("mnuDailyAudit");
    QVERIFY(checked);
    QVERIFY(statements().contains(
        "Clinical_Area..sp_Laser_DailyAudit '12/11/2026', '12/11/2026', 'LR'"));
    QVERIFY2(text_.contains("Department LR, 12/11/2026 to 12/11/2026"), qPrintable(text_));
}

void TestReports::dailyAuditRange()
{
    fixture_->dialogs.onNext([this](QDialog& dialog) {
        dialog.findChild<QDateEdit*>("dtpStartDate")->setDate(QDate(2026, 12, 1));
        readNextViewer();
        dialog.findChild<QPushButton*>("cmdView")->click();
        return int(QDialog::Rejected);
    });
    trigger("mnuDailyAudit");
    QVERIFY(statements().contains(
        "Clinical_Area..sp_Laser_DailyAudit '12/01/2026', '12/11/2026', 'LR'"));
    const SessionState& session = *fixture_->session;
    QVERIFY(text_.contains(session.Company));
    const QString where = "FROM Clinical_Area.tbLaserMaster WHERE TransDate >= '2026-12-01' AND "
                          "TransDate < '2026-12-12'";
    const QString lines = scalar("SELECT count(*) " + where);
    QVERIFY(lines.toInt() > 0);
    const QString refNum = scalar("SELECT min(RefNum) " + where);
    const double refTotal = scalar("SELECT sum(Amount) " + where +
                                   " AND RequestStatus <> 'R' AND RefNum = '" + refNum + "'")
                                .toDouble();
    const double total =
        scalar("SELECT sum(Amount) " + where + " AND RequestStatus <> 'R'").toDouble();
    QVERIFY2(text_.contains(
                 QString("Total of %1\n%2").arg(refNum, db::Sql::groupedTwoDecimals(refTotal))),
             qPrintable(text_));
    QVERIFY(text_.contains(
        QString("GRAND TOTAL (%1 lines)\n%2").arg(lines, db::Sql::groupedTwoDecimals(total))));
    QVERIFY(pages_ >= 1);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
