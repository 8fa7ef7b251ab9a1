#include "DefaultMarkUps.h"
#include "SessionFixture.h"
#include "SessionState.h"
#include "WindowNavigator.h"
#include "db/Connection.h"
#include "db/ServerClock.h"
#include "frmChargesSequence.h"
#include "frmDefaultMarkUp.h"
#include "frmRequest.h"
#include "mdiMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

// The two maintenance windows of charge entry, opened from the main window's commands on the
// demo hospital: the charge slip counter and the default mark-ups.
class ChargeMaintenanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sequenceShowsTheCounter();
    void usedNumberIsRefused_data();
    void usedNumberIsRefused();
    void freeNumberSetsTheCounter_data();
    void freeNumberSetsTheCounter();
    void leadingZerosDoNotHideAUsedNumber();
    void badNumbersAreRefusedBeforeAnythingIsSent_data();
    void badNumbersAreRefusedBeforeAnythingIsSent();
    void failedUpdateLeavesTheCounter();
    void cancelWritesNothing();
    void commandsShowTheOpenWindow_data();
    void commandsShowTheOpenWindow();
    void markUpsAre50OnAFreshRun();
    void typedMarkUpLivesWhileTheWindowIsOpen_data();
    void typedMarkUpLivesWhileTheWindowIsOpen();

private:
    frmChargesSequence* openSequence();
    frmDefaultMarkUp* openMarkUps();
    frmRequest* openRequestEntry();
    QWidget* childWindow(const QString& name) const;
    void closeAndDelete(QWidget* window);
    void typeAndEnter(QLineEdit* box, const QString& text);
    QString counter() const;
    QString usedNumber() const;
    QString freeNumber() const;
    void setCounter(const QString& number) const;
    QStringList sent() const;
    void clearTraceAndPrompts();

    std::unique_ptr<SessionFixture> fixture_;
    std::unique_ptr<mdiMain> window_;
    std::unique_ptr<WindowNavigator> navigator_;
};

namespace {

const QString usedMessage =
    QStringLiteral("Cannot produce new charge slip number! Charge slip Number was used!");
const QString badNumberMessage =
    QStringLiteral("The starting charge slip must be a whole number greater than zero.");

QString checkOf(const QString& number)
{
    return "Select RefNum from Clinical_Area..vwGetTrimRefnum where Refnum = '" + number + "'";
}

const QString readCounter =
    QStringLiteral("Select top 1 ChargeSlip from Clinical_Area..tbLaserSlip");
const QString advance = QStringLiteral("Clinical_Area..sp_Laser_UpdateRefNum");

} // namespace

void ChargeMaintenanceTest::init()
{
    fixture_ = std::make_unique<SessionFixture>();
    fixture_->scriptLogIn();
    QVERIFY(fixture_->startUp());
    const QDateTime fridayMorning({2026, 12, 11}, {10, 30, 15});
    db::ServerClock::forFolder(fixture_->folder())->setFixed(fridayMorning);
    fixture_->clock.setFixed(fridayMorning);
    window_ = std::make_unique<mdiMain>(fixture_->context);
    navigator_ = std::make_unique<WindowNavigator>(fixture_->context, *window_);
    fixture_->context.setNavigator(navigator_.get());
    navigator_->bindCommands();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void ChargeMaintenanceTest::cleanup()
{
    navigator_.reset();
    window_.reset();
    fixture_.reset();
}

frmChargesSequence* ChargeMaintenanceTest::openSequence()
{
    window_->findChild<QAction*>("mnuChargeSlipNumber")->trigger();
    return qobject_cast<frmChargesSequence*>(childWindow("frmChargesSequence"));
}

frmDefaultMarkUp* ChargeMaintenanceTest::openMarkUps()
{
    window_->findChild<QAction*>("mnuDefaultMarkUp")->trigger();
    return qobject_cast<frmDefaultMarkUp*>(childWindow("frmDefaultMarkUp"));
}

// Admission 400044 of the demo hospital.
frmRequest* ChargeMaintenanceTest::openRequestEntry()
{
    navigator_->openRequestEntry({"400044", false, "I", false});
    return qobject_cast<frmRequest*>(childWindow("frmRequest"));
}

QWidget* ChargeMaintenanceTest::childWindow(const QString& name) const
{
    return navigator_->findChildWindow(name);
}

// Deletion on close is deferred; carry it out so the window is really gone.
void ChargeMaintenanceTest::closeAndDelete(QWidget* window)
{
    QPointer<QWidget> watched = window;
    qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watched);
}

void ChargeMaintenanceTest::typeAndEnter(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

QString ChargeMaintenanceTest::counter() const
{
    auto connection = fixture_->connect();
    return connection->open(readCounter).field("ChargeSlip").toString();
}

QString ChargeMaintenanceTest::usedNumber() const
{
    auto connection = fixture_->connect();
    const QString number =
        connection->open("select RefNum from Clinical_Area..vwGetTrimRefnum").field(0).toString();
    return number;
}

QString ChargeMaintenanceTest::freeNumber() const
{
    const QString number = QString::number(counter().toInt() + 1000);
    auto connection = fixture_->connect();
    return connection->open(checkOf(number)).count() == 0 ? number : QString();
}

void ChargeMaintenanceTest::setCounter(const QString& number) const
{
    fixture_->alter("UPDATE Clinical_Area.tbLaserSlip SET ChargeSlip = " + number);
}

QStringList ChargeMaintenanceTest::sent() const
{
    return fixture_->session->connection->trace().statements();
}

void ChargeMaintenanceTest::clearTraceAndPrompts()
{
    fixture_->session->connection->trace().clear();
    fixture_->prompt.clear();
}

void ChargeMaintenanceTest::sequenceShowsTheCounter()
{
    const QString before = counter();
    QVERIFY(!before.isEmpty());
    frmChargesSequence* sequence = openSequence();
    QVERIFY(sequence);
    QCOMPARE(sequence->windowTitle(), QString("Charge Slip Sequence"));
    auto* box = sequence->findChild<QLineEdit*>("txtChargeSlipNum");
    QCOMPARE(box->text(), before);
    QCOMPARE(box->alignment(), Qt::AlignCenter);
    QCOMPARE(sequence->SaveCaption(), QString("Save"));
    QCOMPARE(sequence->findChild<QPushButton*>("CmdSave")->text(), QString("Save"));
    QCOMPARE(sequence->findChild<QPushButton*>("CmdExit")->text(), QString("Cancel"));
    QVERIFY(sequence->findChild<QLabel*>()->text() == "Starting Charge Slip");
    QCOMPARE(sequence->ChargeSlip(), "C" + before + "E");
    QCOMPARE(sequence->GetChargeSlip(), before);
}

void ChargeMaintenanceTest::usedNumberIsRefused_data()
{
    QTest::addColumn<bool>("counterOnIt");
    QTest::newRow("counter elsewhere") << false;
    QTest::newRow("counter on the used number") << true;
}

void ChargeMaintenanceTest::usedNumberIsRefused()
{
    QFETCH(bool, counterOnIt);
    const QString used = usedNumber();
    QVERIFY(!used.isEmpty());
    if (counterOnIt)
        setCounter(used);
    const QString before = counter();
    frmChargesSequence* sequence = openSequence();
    auto* box = sequence->findChild<QLineEdit*>("txtChargeSlipNum");
    clearTraceAndPrompts();

    typeAndEnter(box, used);

    QCOMPARE(fixture_->prompt.shown().size(), 1);
    const ScriptedPrompt::Shown refusal = fixture_->prompt.shown().first();
    QCOMPARE(refusal.text, usedMessage);
    QCOMPARE(refusal.title, QString());
    QCOMPARE(refusal.icon, QMessageBox::NoIcon);
    QCOMPARE(refusal.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QStringList expected{"BEGIN IMMEDIATE", checkOf(used), readCounter};
    if (counterOnIt)
        expected << advance;
    expected << "COMMIT";
    QCOMPARE(sent(), expected);
    QCOMPARE(counter(), counterOnIt ? QString::number(used.toInt() + 1) : before);
    QCOMPARE(childWindow("frmChargesSequence"), sequence);
    QCOMPARE(box->text(), used);
    QVERIFY(box->hasFocus());
}

void ChargeMaintenanceTest::freeNumberSetsTheCounter_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("advanced");
    QTest::newRow("Save") << "Save" << 0;
    QTest::newRow("Update") << "Update" << 1;
}

void ChargeMaintenanceTest::freeNumberSetsTheCounter()
{
    QFETCH(QString, caption);
    QFETCH(int, advanced);
    const QString free = freeNumber();
    QVERIFY(!free.isEmpty());
    frmChargesSequence::open(fixture_->context, *navigator_, caption);
    QPointer sequence = qobject_cast<frmChargesSequence*>(childWindow("frmChargesSequence"));
    QCOMPARE(sequence->findChild<QPushButton*>("CmdSave")->text(), caption);
    clearTraceAndPrompts();

    typeAndEnter(sequence->findChild<QLineEdit*>("txtChargeSlipNum"), free);

    QVERIFY(fixture_->prompt.shown().isEmpty());
    QStringList expected{"BEGIN IMMEDIATE", checkOf(free),
                         "Update Clinical_Area..tbLaserSlip set ChargeSlip = '" + free + "'"};
    if (advanced)
        expected << advance;
    expected << "COMMIT";
    QCOMPARE(sent(), expected);
    QCOMPARE(counter(), QString::number(free.toInt() + advanced));
    QVERIFY(!childWindow("frmChargesSequence"));
}

void ChargeMaintenanceTest::leadingZerosDoNotHideAUsedNumber()
{
    const QString used = usedNumber();
    const QString before = counter();
    frmChargesSequence* sequence = openSequence();
    clearTraceAndPrompts();

    typeAndEnter(sequence->findChild<QLineEdit*>("txtChargeSlipNum"), " 00" + used + " ");

    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QCOMPARE(fixture_->prompt.shown().first().text, usedMessage);
    QVERIFY(sent().contains(checkOf(used)));
    QCOMPARE(counter(), before);
}

void ChargeMaintenanceTest::badNumbersAreRefusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("letters") << "ABC";
    QTest::newRow("digits and letters") << "12A";
    QTest::newRow("zero") << "0";
    QTest::newRow("zeros") << "000";
    QTest::newRow("negative") << "-57";
    QTest::newRow("plus sign") << "+57";
    QTest::newRow("decimals") << "57.5";
    QTest::newRow("blank inside") << "5 7";
    QTest::newRow("apostrophe") << "57'; delete from tbLaserSlip --";
    QTest::newRow("too large") << "99999999999";
    QTest::newRow("other digits") << QString::fromUtf8("\u0665\u0667");
}

void ChargeMaintenanceTest::badNumbersAreRefusedBeforeAnythingIsSent()
{
    QFETCH(QString, typed);
    const QString before = counter();
    frmChargesSequence* sequence = openSequence();
    auto* box = sequence->findChild<QLineEdit*>("txtChargeSlipNum");
    box->setText(typed);
    clearTraceAndPrompts();

    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(sent(), QStringList());
    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QCOMPARE(fixture_->prompt.shown().first().text, badNumberMessage);
    QCOMPARE(fixture_->prompt.shown().first().title, QString("Message"));
    QCOMPARE(childWindow("frmChargesSequence"), sequence);
    QCOMPARE(box->text(), typed);
    QVERIFY(box->hasFocus());
    QCOMPARE(counter(), before);
}

// The counter is set and then advanced; when the advance fails the setting goes too.
void ChargeMaintenanceTest::failedUpdateLeavesTheCounter()
{
    const QString free = freeNumber();
    const QString before = counter();
    fixture_->alter("CREATE TRIGGER Clinical_Area.failAdvance BEFORE UPDATE ON tbLaserSlip "
                    "WHEN NEW.ChargeSlip = " +
                    QString::number(free.toInt() + 1) +
                    " BEGIN SELECT RAISE(ABORT, 'injected'); END");
    frmChargesSequence::open(fixture_->context, *navigator_, "Update");
    auto* sequence = qobject_cast<frmChargesSequence*>(childWindow("frmChargesSequence"));
    clearTraceAndPrompts();

    typeAndEnter(sequence->findChild<QLineEdit*>("txtChargeSlipNum"), free);

    QCOMPARE(fixture_->prompt.shown().size(), 1);
    QVERIFY(
        fixture_->prompt.shown().first().text.startsWith("The charge slip number was not saved."));
    QCOMPARE(fixture_->prompt.shown().first().title, QString("Warning"));
    QCOMPARE(sent().last(), QString("ROLLBACK"));
    QCOMPARE(counter(), before);
    QCOMPARE(childWindow("frmChargesSequence"), sequence);
}

void ChargeMaintenanceTest::cancelWritesNothing()
{
    const QString before = counter();
    frmChargesSequence* sequence = openSequence();
    sequence->findChild<QLineEdit*>("txtChargeSlipNum")->setText(freeNumber());
    clearTraceAndPrompts();

    QTest::mouseClick(sequence->findChild<QPushButton*>("CmdExit"), Qt::LeftButton);

    QVERIFY(!childWindow("frmChargesSequence"));
    QCOMPARE(sent(), QStringList());
    QCOMPARE(counter(), before);
}

void ChargeMaintenanceTest::commandsShowTheOpenWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("inMenu");
    QTest::newRow("Charge Slip Number Entry") << "mnuChargeSlipNumber"
                                              << "frmChargesSequence" << false;
    QTest::newRow("Default Mark-Up Value") << "mnuDefaultMarkUp"
                                           << "frmDefaultMarkUp" << true;
}

void ChargeMaintenanceTest::commandsShowTheOpenWindow()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(bool, inMenu);
    auto* action = window_->findChild<QAction*>(command);
    QCOMPARE(action->isVisible(), inMenu);
    action->trigger();
    QWidget* first = childWindow(window);
    QVERIFY(first);
    action->trigger();
    QCOMPARE(childWindow(window), first);
    int frames = 0;
    for (QMdiSubWindow* frame : window_->mdiArea()->subWindowList())
        frames += frame->widget()->objectName() == window;
    QCOMPARE(frames, 1);
}

void ChargeMaintenanceTest::markUpsAre50OnAFreshRun()
{
    for (const auto kind :
         {DefaultMarkUps::InPatient, DefaultMarkUps::OutPatient, DefaultMarkUps::Assessment})
        QCOMPARE(DefaultMarkUps::shared().value(kind), QString("50"));
    frmRequest* form = openRequestEntry();
    QVERIFY(form);
    QCOMPARE(form->findChild<QLineEdit*>("txtMarkUp")->text(), QString("50"));
}

void ChargeMaintenanceTest::typedMarkUpLivesWhileTheWindowIsOpen_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("bySave");
    QTest::newRow("in-patient, SAVE") << 0 << "INPATIENT MARK UP" << true;
    QTest::newRow("in-patient, frame closed") << 0 << "INPATIENT MARK UP" << false;
    QTest::newRow("out-patient, SAVE") << 1 << "OUTPATIENT MARK UP" << true;
    QTest::newRow("assessment, frame closed") << 2 << "ASSESSMENT MARK UP" << false;
}

void ChargeMaintenanceTest::typedMarkUpLivesWhileTheWindowIsOpen()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(bool, bySave);
    const auto kind = static_cast<DefaultMarkUps::Kind>(index);
    QPointer<frmDefaultMarkUp> markUps = openMarkUps();
    QVERIFY(markUps);
    QCOMPARE(markUps->windowTitle(), QString("Default Mark Up Value"));
    auto* box = markUps->findChild<QLineEdit*>(QString("txtMarkup%1").arg(index));
    QCOMPARE(markUps->txtMarkup(kind), box);
    QCOMPARE(box->text(), QString("50"));
    QVERIFY(box->isEnabled());
    bool labelled = false;
    for (QLabel* caption : markUps->findChildren<QLabel*>())
        labelled |= caption->text() == label && caption->buddy() == box;
    QVERIFY(labelled);

    box->selectAll();
    QTest::keyClicks(box, "75");
    QCOMPARE(DefaultMarkUps::shared().value(kind), QString("75"));
    if (kind == DefaultMarkUps::InPatient) {
        QPointer<frmRequest> form = openRequestEntry();
        QCOMPARE(form->findChild<QLineEdit*>("txtMarkUp")->text(), QString("75"));
        closeAndDelete(form);
    }

    if (bySave) {
        auto* save = markUps->findChild<QPushButton*>("cmOK");
        QCOMPARE(save->text(), QString("SAVE"));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!box->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!markUps);
    } else {
        closeAndDelete(markUps);
    }
    QCOMPARE(DefaultMarkUps::shared().value(kind), QString("50"));
    frmRequest* form = openRequestEntry();
    QCOMPARE(form->findChild<QLineEdit*>("txtMarkUp")->text(), QString("50"));
}

QTEST_MAIN(ChargeMaintenanceTest)
#include "tst_chargemaintenance.moc"
