#include "WindowNavigator.h"

#include "CensusReports.h"
#include "clsFunction.h"
#include "frmChargesSequence.h"
#include "frmDefaultMarkUp.h"
#include "frmListCashComm.h"
#include "frmListPatient.h"
#include "frmListPrevPatients.h"
#include "frmOutRequest.h"
#include "frmReportRange.h"
#include "frmRequest.h"
#include "mdiMain.h"
#include "ui/AppContext.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using Command = mdiMain::Command;

WindowNavigator::WindowNavigator(AppContext& context, mdiMain& window)
    : context_(context)
    , window_(window)
{
    QObject::connect(window_.mdiArea(), &QMdiArea::subWindowActivated, &window_,
                     [this](QMdiSubWindow* activated) { subWindowActivated(activated); });
}

void WindowNavigator::bindCommands()
{
    window_.setOpener(mdiMain::Command::AllPatientCensus,
                      [this] { CensusReports(context_).AllPatientCensus(); });
    window_.setOpener(mdiMain::Command::CensusByStation,
                      [this] { CensusReports(context_).CensusByStation(); });
    window_.setOpener(mdiMain::Command::DailyAuditReport, [this] {
        frmReportRange dialog(context_, &window_);
        context_.dialogs().run(dialog);
    });
    context_.function().setPreviousPatientPicker(
        [this](const QString& patientType, int option, const QString& search) {
            return frmListPrevPatients::pick(context_, patientType, option, search);
        });
    window_.setOpener(Command::ChargeEntry,
                      [this] { openPatientList(frmListPatient::OutPatient, true, true); });
    window_.setOpener(Command::ToolbarChargeEntry,
                      [this] { openPatientList(frmListPatient::OutPatient, true, false); });
    window_.setOpener(Command::InPatientRequestEntry,
                      [this] { openPatientList(frmListPatient::InPatient, false, false); });
    window_.setOpener(Command::CashEntry, [this] { openCashLinks(); });
    window_.setOpener(Command::ChargeSlipNumberEntry, [this] {
        frmChargesSequence::open(context_, *this, QStringLiteral("Save"));
    });
    window_.setOpener(Command::DefaultMarkUp, [this] { frmDefaultMarkUp::open(*this); });
}

// A window that offers Form_Activate repeats its work whenever the user comes back to it from
// another window; message boxes and dialogs of its own do not count as leaving it.
void WindowNavigator::subWindowActivated(QMdiSubWindow* window)
{
    if (!window || window == lastActive_)
        return;
    lastActive_ = window;
    QWidget* inner = window->widget();
    if (inner && inner->metaObject()->indexOfMethod("Form_Activate()") >= 0)
        QMetaObject::invokeMethod(inner, "Form_Activate", Qt::QueuedConnection);
}

void WindowNavigator::openPatientList(int patientType, bool showPrevious, bool touchPrevious)
{
    auto* list = qobject_cast<frmListPatient*>(findChildWindow(QStringLiteral("frmListPatient")));
    if (!list)
        list = new frmListPatient(context_);
    list->lockPatientType(static_cast<frmListPatient::PatientTypeIndex>(patientType));
    list->showAddCashPatient(false);
    if (touchPrevious)
        list->showPreviousRegistration(showPrevious);
    showChildWindow(list);
}

void WindowNavigator::openCashLinks()
{
    auto* links =
        qobject_cast<frmListCashComm*>(findChildWindow(QStringLiteral("frmListCashComm")));
    if (!links) {
        links = new frmListCashComm(context_);
        links->Search();
    }
    showChildWindow(links);
}

QWidget* WindowNavigator::findChildWindow(const QString& objectName) const
{
    for (QMdiSubWindow* frame : window_.mdiArea()->subWindowList())
        if (frame->widget() && frame->widget()->objectName() == objectName)
            return frame->widget();
    return nullptr;
}

void WindowNavigator::showChildWindow(QWidget* window)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame) {
        frame = window_.mdiArea()->addSubWindow(window, Qt::Dialog | Qt::CustomizeWindowHint |
                                                            Qt::WindowTitleHint |
                                                            Qt::WindowCloseButtonHint);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->move(0, 0);
    }
    frame->show();
    window_.mdiArea()->setActiveSubWindow(frame);
}

bool WindowNavigator::openRequestEntry(const RequestEntryValues& values)
{
    auto* form = new frmRequest(context_);
    form->setPatIdNum(values.PatIdNum);
    form->setCashBasis(values.CashBasis);
    form->setPatientType(values.PatientType);
    form->setNurseCommnunication(values.NurseCommnunication);
    QObject::connect(form, &frmRequest::returnToPatientList, &window_,
                     [this] { openPatientList(frmListPatient::InPatient, false, false); });
    form->load();
    showChildWindow(form);
    return true;
}

bool WindowNavigator::openOutRequestEntry(const OutRequestEntryValues& values)
{
    auto* form = new frmOutRequest(context_);
    form->setIdnumber(values.Idnumber);
    form->setCashBasis(values.CashBasis);
    form->setCashOrNum(values.CashOrNum);
    form->setCashPrice(values.CashPrice);
    form->setNurseCommnunication(values.NurseCommnunication);
    const int listType = values.CashBasis ? frmListPatient::WalkIn : frmListPatient::OutPatient;
    QObject::connect(form, &frmOutRequest::returnToPatientList, &window_,
                     [this, listType] { openPatientList(listType, false, false); });
    form->load();
    showChildWindow(form);
    return true;
}

void WindowNavigator::openWalkInRegistration()
{
    tellNotAvailable(QStringLiteral("Walk-In Patients"));
}

void WindowNavigator::tellNotAvailable(const QString& window)
{
    context_.prompt().tell(window + QStringLiteral(" is not available in this version."),
                           QStringLiteral("Message"), QMessageBox::Information);
}
