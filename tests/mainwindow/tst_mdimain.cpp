#include "BackgroundArea.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "mdiMain.h"

#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using Command = mdiMain::Command;

// The main window on a started session: its frame, menus, toolbar, pre-checks and log-out.
class TestMdiMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void frame();
    void menuTree_data();
    void menuTree();
    void toolbarTips_data();
    void toolbarTips();
    void commandsWaitForTheirWindows();
    void preCheckRefusals_data();
    void preCheckRefusals();
    void preChecksSetTheFlagAndOpen_data();
    void preChecksSetTheFlagAndOpen();
    void exitAnsweredNoChangesNothing();
    void exitAnsweredYesLogsOut();
    void closeBoxLogsOutWithoutAsking();

private:
    QAction* action(const QString& path) const;

    std::unique_ptr<SessionFixture> fixture_;
    std::unique_ptr<mdiMain> window_;
};

void TestMdiMain::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    window_ = std::make_unique<mdiMain>(fixture_->context);
}

void TestMdiMain::cleanup()
{
    window_.reset();
    fixture_.reset();
}

// A menu item by its captions from the menu bar down, " > " between them.
QAction* TestMdiMain::action(const QString& path) const
{
    QList<QAction*> level = window_->menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path.split(" > ")) {
        found = nullptr;
        for (QAction* candidate : level)
            if (candidate->text() == caption)
                found = candidate;
        if (!found)
            return nullptr;
        level = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

void TestMdiMain::frame()
{
    QCOMPARE(window_->windowTitle(), QString("Velmora - Eye Instrument Center "));
    QVERIFY(window_->windowState().testFlag(Qt::WindowMaximized));
    auto* area = qobject_cast<BackgroundArea*>(window_->mdiArea());
    QVERIFY(area);
    QCOMPARE(area->background().color(), QColor(54, 89, 131));
    QVERIFY2(!area->picture().isNull(), "the background picture did not load");
    for (const char* hidden :
         {"picRequestPrinting", "lblPendingRequests", "cmdCommunication", "lblDoubleClickToPrint"})
        QVERIFY2(!window_->findChild<QWidget*>(hidden)->isVisibleTo(window_.get()), hidden);
}

void TestMdiMain::menuTree_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("visible");
    for (const char* path :
         {"&Data Entry > Treatments", "&Data Entry > &Assessment Entry (OPD Rate)",
          "&Data Entry > &Request Entry > OutPatient Request Entry > Cash Entry",
          "&Data Entry > &Request Entry > OutPatient Request Entry > Charge Entry",
          "&Data Entry > &Request Entry > InPatient Request Entry",
          "&Data Entry > Receivable Entry", "&File Maintenance > &Request Cancellation",
          "&File Maintenance > R&e-Print Charge Slip", "&File Maintenance > &Patient's Ledger",
          "&File Maintenance > Revoke Assessment", "&File Maintenance > Assessment Status",
          "&File Maintenance > Inpatient C&ensus > Census By &Station",
          "&File Maintenance > Inpatient C&ensus > &All Patient Census",
          "&File Maintenance > Default Mark-Up Value", "R&eports > Daily Audit Report", "Log User",
          "&Quit > &Exit Application"})
        QTest::newRow(path) << path << true;
    for (const char* path : {"&Data Entry > R&esult Entry", "&Result Inquiry",
                             "&File Maintenance > Charge Slip Number Entry"})
        QTest::newRow(path) << path << false;
    QTest::newRow("hidden menu's item") << "&Result Inquiry > Editing/Viewing of Results" << true;
}

void TestMdiMain::menuTree()
{
    QFETCH(QString, path);
    QFETCH(bool, visible);
    QAction* item = action(path);
    QVERIFY2(item, qPrintable(path));
    QCOMPARE(item->isVisible(), visible);
}

void TestMdiMain::toolbarTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::newRow("in-patient") << "tlbRequestEntry"
                                << "InPatient Request Entry";
    QTest::newRow("out-patient") << "tlbOutRequestEntry"
                                 << "OutPatient Charge Entry";
    QTest::newRow("cash") << "tlbCashLinkEntry"
                          << "Cash Request Entry";
    QTest::newRow("result entry") << "tlbResultEntry"
                                  << "Result Entry";
    QTest::newRow("result inquiry") << "tlbResultInquiry"
                                    << "Result Inquiry";
}

void TestMdiMain::toolbarTips()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    QAction* button = window_->findChild<QAction*>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), tip);
}

void TestMdiMain::commandsWaitForTheirWindows()
{
    QAction* charge =
        action("&Data Entry > &Request Entry > OutPatient Request Entry > Charge Entry");
    QVERIFY(!charge->isEnabled());
    QVERIFY(action("&Quit > &Exit Application")->isEnabled());
    int opened = 0;
    window_->setOpener(Command::ChargeEntry, [&] { ++opened; });
    QVERIFY(charge->isEnabled());
    QVERIFY(!window_->findChild<QAction*>("tlbOutRequestEntry")->isEnabled());
    charge->trigger();
    QCOMPARE(opened, 1);
}

void TestMdiMain::preCheckRefusals_data()
{
    QTest::addColumn<QString>("emptying");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("message");
    const QString noCash = "UPDATE Billing.tbCashAssessment SET Served = 'Y'";
    const QString noExams = "UPDATE Clinical_Area.tbLaserMaster SET RequestStatus = 'W'";
    QTest::newRow("cash entry") << noCash << "mnuCashEntry_Click"
                                << "No Data to Process.";
    QTest::newRow("cash request button") << noCash << "tlbCashLinkEntry_Click"
                                         << "No Data to process.";
    QTest::newRow("result entry") << noExams << "mnuResultEntry_Click"
                                  << "No Patient Found.";
    QTest::newRow("request cancellation") << noExams << "mnuRequestCancellation_Click"
                                          << "No Patient Found.";
    QTest::newRow("revoke assessment") << "UPDATE Billing.tbCashAssessment SET ORNumber = 'OR1'"
                                       << "mnuRevokeAssessment_Click"
                                       << "No Data Found.";
}

void TestMdiMain::preCheckRefusals()
{
    QFETCH(QString, emptying);
    QFETCH(QString, slot);
    QFETCH(QString, message);
    fixture_->alter(emptying);
    int opened = 0;
    for (Command command : {Command::CashEntry, Command::ResultEntry, Command::RequestCancellation,
                            Command::RevokeAssessment})
        window_->setOpener(command, [&] { ++opened; });
    for (bool flag : {false, true}) {
        fixture_->prompt.clear();
        fixture_->context.setCancellationMode(flag);
        QMetaObject::invokeMethod(window_.get(), qPrintable(slot));
        QCOMPARE(fixture_->prompt.shown().size(), 1);
        const Prompt::Shown& shown = fixture_->prompt.shown().first();
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title, QString("Message"));
        QCOMPARE(shown.icon, QMessageBox::NoIcon);
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(fixture_->context.CancellationMode(), flag);
    }
    QCOMPARE(opened, 0);
}

void TestMdiMain::preChecksSetTheFlagAndOpen_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("flag");
    QTest::newRow("result entry") << "mnuResultEntry_Click" << int(Command::ResultEntry) << false;
    QTest::newRow("request cancellation")
        << "mnuRequestCancellation_Click" << int(Command::RequestCancellation) << true;
}

void TestMdiMain::preChecksSetTheFlagAndOpen()
{
    QFETCH(QString, slot);
    QFETCH(int, command);
    QFETCH(bool, flag);
    int opened = 0;
    window_->setOpener(Command(command), [&] { ++opened; });
    fixture_->context.setCancellationMode(!flag);
    QMetaObject::invokeMethod(window_.get(), qPrintable(slot));
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QCOMPARE(opened, 1);
    QCOMPARE(fixture_->context.CancellationMode(), flag);
}

void TestMdiMain::exitAnsweredNoChangesNothing()
{
    window_->show();
    const qsizetype sent = fixture_->session->connection->trace().entries().size();
    fixture_->prompt.answerNext(QMessageBox::No);
    window_->mnuExit_Click();
    const Prompt::Shown& shown = fixture_->prompt.shown().first();
    QCOMPARE(shown.text, QString("Are you sure you want to exit the program?"));
    QCOMPARE(shown.title, QString("Message"));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(window_->isVisible());
    QCOMPARE(fixture_->session->connection->trace().entries().size(), sent);
    QCOMPARE(fixture_->logRows(), QStringList{"1001|LogIn:|open"});
}

void TestMdiMain::exitAnsweredYesLogsOut()
{
    window_->show();
    fixture_->prompt.answerNext(QMessageBox::Yes);
    window_->mnuExit_Click();
    QVERIFY(!window_->isVisible());
    QCOMPARE(fixture_->logRows(), QStringList{"1001|LogIn:Exit program;|closed"});
}

void TestMdiMain::closeBoxLogsOutWithoutAsking()
{
    window_->show();
    window_->close();
    QVERIFY(fixture_->prompt.shown().isEmpty());
    QCOMPARE(fixture_->logRows(), QStringList{"1001|LogIn:Exit program;|closed"});
    QVERIFY(!fixture_->session->user);
}

QTEST_MAIN(TestMdiMain)
#include "tst_mdimain.moc"
