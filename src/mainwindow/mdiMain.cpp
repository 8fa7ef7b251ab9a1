#include "mdiMain.h"

#include "BackgroundArea.h"
#include "SessionState.h"
#include "db/Connection.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"
#include "ui/ProgramFolder.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString messageTitle = QStringLiteral("Message");

} // namespace

mdiMain::mdiMain(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Velmora - Eye Instrument Center "));
    auto* area = new BackgroundArea(this);
    area->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_ = area;
    setCentralWidget(area);
    buildMenus();
    buildToolbar();
    area->loadPicture(ProgramFolder::file(QStringLiteral("\\Main Menu1.jpg")));
    setWindowState(Qt::WindowMaximized);
}

void mdiMain::buildMenus()
{
    buildDataEntryMenu();
    QMenu* inquiry = menuBar()->addMenu(QStringLiteral("&Result Inquiry"));
    inquiry->setObjectName(QStringLiteral("mnuResultInquiry"));
    inquiry->menuAction()->setVisible(false);
    addCommand(inquiry, "mnuEditViewResults", QStringLiteral("Editing/Viewing of Results"),
               Command::ResultInquiry);
    buildFileMaintenanceMenu();
    QMenu* reports = menuBar()->addMenu(QStringLiteral("R&eports"));
    reports->setObjectName(QStringLiteral("mnuReports"));
    addCommand(reports, "mnuDailyAudit", QStringLiteral("Daily Audit Report"),
               Command::DailyAuditReport);
    QAction* logUser = menuBar()->addAction(QStringLiteral("Log User"));
    logUser->setObjectName(QStringLiteral("mnuLogUser"));
    bindCommand(logUser, Command::LogUser);
    QMenu* quit = menuBar()->addMenu(QStringLiteral("&Quit"));
    quit->setObjectName(QStringLiteral("mnuQuit"));
    QAction* exit =
        quit->addAction(QStringLiteral("&Exit Application"), this, &mdiMain::mnuExit_Click);
    exit->setObjectName(QStringLiteral("mnuExit"));
}

void mdiMain::buildDataEntryMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Data Entry"));
    menu->setObjectName(QStringLiteral("mnuDataEntry"));
    addCommand(menu, "mnuTreatments", QStringLiteral("Treatments"), Command::Treatments);
    menu->addSeparator();
    addCommand(menu, "mnuAssessment", QStringLiteral("&Assessment Entry (OPD Rate)"),
               Command::AssessmentEntry);
    QMenu* request = menu->addMenu(QStringLiteral("&Request Entry"));
    request->setObjectName(QStringLiteral("mnuRequestEntry"));
    QMenu* outPatient = request->addMenu(QStringLiteral("OutPatient Request Entry"));
    outPatient->setObjectName(QStringLiteral("mnuOutPatientRequest"));
    addHandler(outPatient, "mnuCashEntry", QStringLiteral("Cash Entry"), Command::CashEntry,
               &mdiMain::mnuCashEntry_Click);
    addCommand(outPatient, "mnuChargeEntry", QStringLiteral("Charge Entry"), Command::ChargeEntry);
    addCommand(request, "mnuInPatientRequest", QStringLiteral("InPatient Request Entry"),
               Command::InPatientRequestEntry);
    addHandler(menu, "mnuResultEntry", QStringLiteral("R&esult Entry"), Command::ResultEntry,
               &mdiMain::mnuResultEntry_Click)
        ->setVisible(false);
    menu->addSeparator();
    addCommand(menu, "mnuReceivableEntry", QStringLiteral("Receivable Entry"),
               Command::ReceivableEntry);
}

void mdiMain::buildFileMaintenanceMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File Maintenance"));
    menu->setObjectName(QStringLiteral("mnuFileMaintenance"));
    addHandler(menu, "mnuRequestCancellation", QStringLiteral("&Request Cancellation"),
               Command::RequestCancellation, &mdiMain::mnuRequestCancellation_Click);
    addCommand(menu, "mnuRePrint", QStringLiteral("R&e-Print Charge Slip"),
               Command::RePrintChargeSlip);
    addCommand(menu, "mnuPatientLedger", QStringLiteral("&Patient's Ledger"),
               Command::PatientLedger);
    addCommand(menu, "mnuChargeSlipNumber", QStringLiteral("Charge Slip Number Entry"),
               Command::ChargeSlipNumberEntry)
        ->setVisible(false);
    addHandler(menu, "mnuRevokeAssessment", QStringLiteral("Revoke Assessment"),
               Command::RevokeAssessment, &mdiMain::mnuRevokeAssessment_Click);
    addCommand(menu, "mnuAssessmentStatus", QStringLiteral("Assessment Status"),
               Command::AssessmentStatus);
    QMenu* census = menu->addMenu(QStringLiteral("Inpatient C&ensus"));
    census->setObjectName(QStringLiteral("mnuCensus"));
    addCommand(census, "mnuCensusByStation", QStringLiteral("Census By &Station"),
               Command::CensusByStation);
    addCommand(census, "mnuAllPatientCensus", QStringLiteral("&All Patient Census"),
               Command::AllPatientCensus);
    addCommand(menu, "mnuDefaultMarkUp", QStringLiteral("Default Mark-Up Value"),
               Command::DefaultMarkUp);
}

void mdiMain::buildToolbar()
{
    QToolBar* strip = addToolBar(QStringLiteral("Commands"));
    strip->setObjectName(QStringLiteral("tlbMain"));
    strip->setMovable(false);
    strip->setIconSize(QSize(32, 32));
    const auto button = [&](const char* name, QStyle::StandardPixmap icon, const QString& tip) {
        QAction* action = strip->addAction(style()->standardIcon(icon), tip);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(tip);
        return action;
    };
    bindCommand(button("tlbRequestEntry", QStyle::SP_FileDialogDetailedView,
                       QStringLiteral("InPatient Request Entry")),
                Command::InPatientRequestEntry);
    bindCommand(button("tlbOutRequestEntry", QStyle::SP_FileDialogListView,
                       QStringLiteral("OutPatient Charge Entry")),
                Command::ToolbarChargeEntry);
    QAction* cash = button("tlbCashLinkEntry", QStyle::SP_DialogSaveButton,
                           QStringLiteral("Cash Request Entry"));
    connect(cash, &QAction::triggered, this, &mdiMain::tlbCashLinkEntry_Click);
    actions_.insert(Command::CashEntry, cash);
    QAction* result =
        button("tlbResultEntry", QStyle::SP_FileDialogContentsView, QStringLiteral("Result Entry"));
    connect(result, &QAction::triggered, this, &mdiMain::mnuResultEntry_Click);
    actions_.insert(Command::ResultEntry, result);
    bindCommand(
        button("tlbResultInquiry", QStyle::SP_FileDialogInfoView, QStringLiteral("Result Inquiry")),
        Command::ResultInquiry);
    buildNotificationStrip(strip);
    for (QAction* action : std::as_const(actions_))
        action->setEnabled(false);
}

// Shown and driven by the department notifications; hidden until they have something to say.
void mdiMain::buildNotificationStrip(QToolBar* strip)
{
    auto* banner = new QLabel(QStringLiteral("REQUEST FOR  PRINTING"), strip);
    banner->setObjectName(QStringLiteral("picRequestPrinting"));
    auto* pending = new QLabel(QStringLiteral("Pending Requests"), strip);
    pending->setObjectName(QStringLiteral("lblPendingRequests"));
    auto* communication = new QToolButton(strip);
    communication->setObjectName(QStringLiteral("cmdCommunication"));
    communication->setFixedSize(20, 20);
    for (QWidget* widget : {static_cast<QWidget*>(banner), static_cast<QWidget*>(pending),
                            static_cast<QWidget*>(communication)})
        strip->addWidget(widget)->setVisible(false);
    auto* hint = new QLabel(QStringLiteral("Double Click to Print"), this);
    hint->setObjectName(QStringLiteral("lblDoubleClickToPrint"));
    hint->hide();
}

QAction* mdiMain::addCommand(QMenu* menu, const char* name, const QString& caption, Command command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    bindCommand(action, command);
    return action;
}

QAction* mdiMain::addHandler(QMenu* menu, const char* name, const QString& caption, Command command,
                             void (mdiMain::*handler)())
{
    QAction* action = menu->addAction(caption, this, handler);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(false);
    actions_.insert(command, action);
    return action;
}

void mdiMain::bindCommand(QAction* action, Command command)
{
    connect(action, &QAction::triggered, this, [this, command] { open(command); });
    action->setEnabled(false);
    actions_.insert(command, action);
}

void mdiMain::setOpener(Command command, std::function<void()> opener)
{
    openers_.insert(command, std::move(opener));
    for (QAction* action : actions_.values(command))
        action->setEnabled(true);
}

void mdiMain::open(Command command)
{
    const auto opener = openers_.constFind(command);
    if (opener != openers_.constEnd())
        (*opener)();
}

bool mdiMain::returnsRows(const QString& statement, bool clientCursor) const
{
    db::Connection& connection = *context_.session().connection;
    if (clientCursor)
        return connection.open(statement, db::Cursor::Client).count() > 0;
    return !connection.execute(statement).eof();
}

void mdiMain::cashEntry(const QString& emptyMessage)
{
    if (!returnsRows(QStringLiteral("Clinical_area..sp_Laser_CashLink"), false)) {
        context_.prompt().tell(emptyMessage, messageTitle);
        return;
    }
    open(Command::CashEntry);
}

void mdiMain::mnuCashEntry_Click()
{
    cashEntry(QStringLiteral("No Data to Process."));
}

void mdiMain::tlbCashLinkEntry_Click()
{
    cashEntry(QStringLiteral("No Data to process."));
}

void mdiMain::resultEntryCheck(const QString& statement, bool cancellationMode, Command command)
{
    if (!returnsRows(statement, false)) {
        context_.prompt().tell(QStringLiteral("No Patient Found."), messageTitle);
        return;
    }
    context_.setCancellationMode(cancellationMode);
    open(command);
}

void mdiMain::mnuResultEntry_Click()
{
    resultEntryCheck(QStringLiteral("Clinical_Area..sp_Laser_GetResultsEntry"), false,
                     Command::ResultEntry);
}

void mdiMain::mnuRequestCancellation_Click()
{
    resultEntryCheck(QStringLiteral("Clinical_area..sp_Laser_GetResultsEntry"), true,
                     Command::RequestCancellation);
}

void mdiMain::mnuRevokeAssessment_Click()
{
    if (!returnsRows(QStringLiteral("Clinical_area..sp_Laser_Assessment"), true)) {
        context_.prompt().tell(QStringLiteral("No Data Found."), messageTitle);
        return;
    }
    open(Command::RevokeAssessment);
}

void mdiMain::mnuExit_Click()
{
    const auto answer = context_.prompt().ask(
        QStringLiteral("Are you sure you want to exit the program?"), messageTitle,
        QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        close();
}

void mdiMain::closeEvent(QCloseEvent* event)
{
    if (!loggedOut_) {
        loggedOut_ = true;
        modHeartStart::LogOut(context_);
    }
    mdiArea_->closeAllSubWindows();
    event->accept();
}
