#include "frmRequest.h"

#include "ChargePricing.h"
#include "EntryGrid.h"
#include "KeyPress.h"
#include "SessionState.h"
#include "clsAdmission.h"
#include "clsFunction.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"
#include "ui/ChildWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using db::Sql;

namespace {

const QString dateForm = QStringLiteral("MM/dd/yyyy");

} // namespace

frmRequest::frmRequest(AppContext& context, QWidget* parent)
    : RequestForm(context, QStringLiteral("frmRequest"), QStringLiteral("Request Entry"), 15,
                  parent)
{
    ChargeGrid::Rules rules = ChargeGrid::Rules::inPatient();
    rules.procedurePrice = [this](const codesearch::OtherRevenueRecord& item) {
        return lookUpPrice(item);
    };
    setUpLines(std::move(rules));
    context_.session().keyPress->capitalise(txtDoctorID);
    connect(cmdClose, &QPushButton::clicked, this, &frmRequest::cmdClose_Click);
}

void frmRequest::load()
{
    log(QStringLiteral("Open Request Entry Form; "));
    startMarkUp(DefaultMarkUps::InPatient);
    fillAdmission();
    lines_->Initialize_TableInput();
    if (nurseCommunication_)
        loadNurseCommunication();
}

void frmRequest::fillAdmission()
{
    clsAdmission& admission = *context_.session().admission;
    if (!admission.OpenAdmission(patIdNum_))
        return;
    const clsPatientInfo& patient = admission.Patient();
    txtLname->setText(patient.LastName());
    txtFname->setText(patient.FirstName());
    txtMname->setText(patient.MiddleName());
    txtAge->setText(admission.Age());
    txtBdate->setText(patient.BirthDate().toString(dateForm));
    txtSex->setText(patient.Sex());
    txtHospNum->setText(admission.HospitalNumber());
    txtIdNum->setText(patIdNum_);
    txtAdmDate->setText(admission.AdmissionDate().date().toString(dateForm));
    txtRoom->setText(admission.Room().RoomID());
    RequestDoctorCode = admission.AttendingDoctor1().Code();
    txtDoctorID->setText(RequestDoctorCode);
    txtDoctor->setText(admission.AttendingDoctor1().CompleteName());
    company_ = admission.Account().Company();
    txtWeight->setText(admission.History().Weight());
    txtHeight->setText(admission.History().Height());
    roomClass_ = admission.Room().RoomClassID();
    const QString package =
        modHeartStart::ExecutivePackage(*context_.session().connection, patIdNum_);
    lblExecPackage->setText(package);
    lblExecPackage->setVisible(!package.isEmpty());
}

void frmRequest::loadNurseCommunication()
{
    loadNurseRequests(QStringLiteral("Clinical_area..sp_Laser_CommSearchExam"), patIdNum_,
                      [this](int row, const db::RowSet& exam) {
                          writeLoadedPrice(row, exam.field(QStringLiteral("itemid")).toString());
                          grdInput->setCellText(row, 8,
                                                exam.field(QStringLiteral("RevenueId")).toString());
                      });
    changedFlag_ = true;
}

// Loaded exams are priced by the room class read at opening, as the rate comes; the first
// recomputation multiplies the quantity in.
void frmRequest::writeLoadedPrice(int row, const QString& itemCode)
{
    clscodesearch& search = *context_.session().codeSearch;
    const bool listingAllowed = search.SearchMode();
    search.setSearchMode(false);
    QString code = itemCode;
    const bool found = search.SearchListing(code, clscodesearch::ItemListing);
    search.setSearchMode(listingAllowed);
    if (!found)
        return;
    if (const std::optional<double> rate =
            ChargePricing::roomClassRate(search.OtherRevenueRecord(), roomClass_)) {
        grdInput->setCellText(row, 7, QString::number(*rate));
        grdInput->setCellText(row, 6, QString::number(*rate));
    }
}

std::optional<double> frmRequest::lookUpPrice(const codesearch::OtherRevenueRecord& item) const
{
    return ChargePricing::roomClassRate(item, context_.function().GetRoomClass(txtIdNum->text()));
}

bool frmRequest::Save_request()
{
    return saveCharge(draft(patientType_, patIdNum_));
}

// An in-patient whose account names no company is a personal account.
void frmRequest::printCharge()
{
    printSlip(ChargeSlip(), company_.trimmed().isEmpty() ? QStringLiteral("Personal") : company_,
              QStringLiteral("Clinical_Area"));
}

void frmRequest::cmdClose_Click()
{
    log(QStringLiteral("Click Exit; "));
    if (changedFlag_ &&
        context_.prompt().ask(QStringLiteral("Changes will be ignored! Do you wish to exit?"),
                              QStringLiteral("Warning"), QMessageBox::Warning,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!nurseCommunication_)
        emit returnToPatientList();
    closeChildWindow(this);
}

void frmRequest::closeEvent(QCloseEvent* event)
{
    log(QStringLiteral("Exit Request Entry Form; "));
    event->accept();
}
