#include "frmRequest.h"

#include "ChargePricing.h"
#include "ChargeSlipPrint.h"
#include "DefaultMarkUps.h"
#include "EntryGrid.h"
#include "HolidayChecks.h"
#include "KeyPress.h"
#include "RequestSave.h"
#include "SessionState.h"
#include "clsAdmission.h"
#include "clsFunction.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"
#include "ui/ChildWindow.h"
#include "ui/EnterMovesFocus.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVBoxLayout>

using db::Sql;

namespace {

const QString dateForm = QStringLiteral("MM/dd/yyyy");

QLineEdit* readOnlyBox(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

} // namespace

frmRequest::frmRequest(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmRequest"));
    setWindowTitle(QStringLiteral("Request Entry"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    ChargeGrid::Rules rules = ChargeGrid::Rules::inPatient();
    rules.procedurePrice = [this](const codesearch::OtherRevenueRecord& item) {
        return lookUpPrice(item);
    };
    lines_ = std::make_unique<ChargeGrid>(context_,
                                          ChargeGrid::Controls{grdInput, txtGross, txtIdNum,
                                                               txtMarkUp, chkHoliday, fraMarkup,
                                                               cmdApply, cmdSave, cmdSavePrint},
                                          std::move(rules));
    EnterMovesFocus::install(this);
}

frmRequest::~frmRequest() = default;

void frmRequest::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(buildPatientFrame());
    top->addWidget(buildHospitalFrame());
    layout->addLayout(top);
    layout->addWidget(buildExamsFrame(), 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildChargingCodeFrame());
    lblExecPackage = new QLabel(QStringLiteral("Executive Package"));
    lblExecPackage->setObjectName(QStringLiteral("lblExecPackage"));
    lblExecPackage->setStyleSheet(QStringLiteral("color: darkred; font-weight: bold"));
    lblExecPackage->hide();
    bottom->addWidget(lblExecPackage);
    bottom->addStretch();
    cmdSavePrint = new QPushButton(QStringLiteral("Save / &Print"));
    cmdSave = new QPushButton(QStringLiteral("&Save"));
    cmdClose = new QPushButton(QStringLiteral("&Exit"));
    for (QPushButton* button : {cmdSavePrint, cmdSave, cmdClose})
        bottom->addWidget(button);
    cmdSavePrint->setObjectName(QStringLiteral("cmdSavePrint"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdSavePrint->setEnabled(false);
    cmdSave->setEnabled(false);
    layout->addLayout(bottom);

    connect(cmdSave, &QPushButton::clicked, this, &frmRequest::cmdSave_Click);
    connect(cmdSavePrint, &QPushButton::clicked, this, &frmRequest::cmdSavePrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRequest::cmdClose_Click);
    connect(cmdDoctor, &QPushButton::clicked, this, &frmRequest::cmdDoctor_Click);
    connect(txtDoctorID, &QLineEdit::returnPressed, this, &frmRequest::txtDoctorID_Enter);
    connect(chkHoliday, &QCheckBox::toggled, this, &frmRequest::chkHoliday_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmRequest::cmdApply_Click);
    EnterMovesFocus::keepsEnter(txtDoctorID);
}

QLineEdit* frmRequest::addBox(QGroupBox* frame, const char* name, const QString& label,
                              int maxLength, int row, int column)
{
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    auto* caption = new QLabel(label);
    caption->setBuddy(box);
    grid->addWidget(caption, row, column * 2);
    grid->addWidget(box, row, column * 2 + 1);
    return readOnlyBox(box);
}

QGroupBox* frmRequest::buildPatientFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Patient's Information"));
    new QGridLayout(frame);
    txtLname = addBox(frame, "txtLname", QStringLiteral("Family Name "), 15, 0, 0);
    txtFname = addBox(frame, "txtFname", QStringLiteral("Given Name  "), 15, 1, 0);
    txtMname = addBox(frame, "txtMname", QStringLiteral("Middle Name "), 15, 2, 0);
    txtBdate = addBox(frame, "txtBdate", QStringLiteral("Birth Date"), 0, 3, 0);
    txtAge = addBox(frame, "txtAge", QStringLiteral("Age"), 0, 0, 1);
    txtSex = addBox(frame, "txtSex", QStringLiteral("Sex"), 0, 1, 1);
    txtHeight = addBox(frame, "txtHeight", QStringLiteral("Height"), 0, 2, 1);
    txtWeight = addBox(frame, "txtWeight", QStringLiteral("Weight"), 0, 3, 1);
    return frame;
}

QGroupBox* frmRequest::buildHospitalFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Hospital Information"));
    auto* grid = new QGridLayout(frame);
    txtHospNum = addBox(frame, "txtHospNum", QStringLiteral("Hospital No."), 15, 0, 0);
    txtIdNum = addBox(frame, "txtIdNum", QStringLiteral("Admission No."), 20, 1, 0);
    txtAdmDate = addBox(frame, "txtAdmDate", QStringLiteral("Admission Date"), 15, 2, 0);
    txtRoom = addBox(frame, "txtRoom", QStringLiteral("Room No."), 0, 3, 0);
    txtOrNo = addBox(frame, "txtOrNo", QStringLiteral("OR No."), 0, 0, 1);
    txtAmount = addBox(frame, "txtAmount", QStringLiteral("Amount"), 0, 1, 1);
    lblOrNo = qobject_cast<QLabel*>(grid->itemAtPosition(0, 2)->widget());
    lblAmount = qobject_cast<QLabel*>(grid->itemAtPosition(1, 2)->widget());
    for (QWidget* cashControl : {static_cast<QWidget*>(txtOrNo), static_cast<QWidget*>(txtAmount),
                                 static_cast<QWidget*>(lblOrNo), static_cast<QWidget*>(lblAmount)})
        cashControl->setEnabled(false);

    txtDoctorID = new QLineEdit;
    txtDoctorID->setObjectName(QStringLiteral("txtDoctorID"));
    txtDoctor = readOnlyBox(new QLineEdit);
    txtDoctor->setObjectName(QStringLiteral("txtDoctor"));
    cmdDoctor = new QPushButton(QStringLiteral("..."));
    cmdDoctor->setObjectName(QStringLiteral("cmdDoctor"));
    cmdDoctor->setFixedWidth(30);
    auto* doctorLabel = new QLabel(QStringLiteral("Req. Doctor"));
    doctorLabel->setBuddy(txtDoctorID);
    grid->addWidget(doctorLabel, 2, 2);
    grid->addWidget(txtDoctorID, 2, 3);
    grid->addWidget(cmdDoctor, 2, 4);
    grid->addWidget(txtDoctor, 3, 2, 1, 3);
    for (QLineEdit* box : {txtDoctorID, txtDoctor})
        context_.session().keyPress->capitalise(box);
    return frame;
}

QGroupBox* frmRequest::buildExamsFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Exams Requested"));
    auto* layout = new QGridLayout(frame);
    chkHoliday = new QCheckBox(QStringLiteral(" Holiday"));
    chkHoliday->setObjectName(QStringLiteral("chkHoliday"));
    chkPortable = new QCheckBox(QStringLiteral("Portable"));
    chkPortable->setObjectName(QStringLiteral("chkPortable"));
    chkPortable->hide();
    grdInput = new EntryGrid;
    grdInput->setObjectName(QStringLiteral("grdInput"));
    grdInput->setMinimumHeight(220);

    fraMarkup = new QGroupBox(QStringLiteral("% Markup"));
    fraMarkup->setObjectName(QStringLiteral("fraMarkup"));
    auto* markUp = new QHBoxLayout(fraMarkup);
    txtMarkUp = new QLineEdit;
    txtMarkUp->setObjectName(QStringLiteral("txtMarkUp"));
    txtMarkUp->setMaximumWidth(60);
    cmdApply = new QPushButton(QStringLiteral("Apply"));
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    markUp->addWidget(txtMarkUp);
    markUp->addWidget(cmdApply);
    fraMarkup->hide();

    txtGross = readOnlyBox(new QLineEdit(QStringLiteral("0.00")));
    txtGross->setObjectName(QStringLiteral("txtGross"));
    txtGross->setAlignment(Qt::AlignRight);
    auto* grossLabel = new QLabel(QStringLiteral("Gross Amount"));

    layout->addWidget(chkHoliday, 0, 0);
    layout->addWidget(chkPortable, 0, 1);
    layout->addWidget(grdInput, 1, 0, 1, 4);
    layout->addWidget(fraMarkup, 2, 0);
    layout->addWidget(grossLabel, 2, 2, Qt::AlignRight);
    layout->addWidget(txtGross, 2, 3);
    layout->setRowStretch(1, 1);
    return frame;
}

QGroupBox* frmRequest::buildChargingCodeFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Charging Code (Dept. ID)"));
    auto* layout = new QGridLayout(frame);
    const QStringList codes{
        QStringLiteral("LR - Laser Procedure"), QStringLiteral("LM - Laser Medicine"),
        QStringLiteral("LC - Laser Supplies"), QStringLiteral("MD - Professional Fee")};
    for (int i = 0; i < codes.size(); ++i)
        layout->addWidget(new QLabel(codes[i]), i / 2, i % 2);
    return frame;
}

void frmRequest::log(const QString& activity)
{
    context_.function().Update_LogFile(context_.session().EmployeeCode, activity);
}

void frmRequest::load()
{
    log(QStringLiteral("Open Request Entry Form; "));
    txtMarkUp->setText(DefaultMarkUps::shared().value(DefaultMarkUps::InPatient));
    const HolidayChecks checks(*context_.session().connection);
    for (bool holds :
         {checks.Check_AfterHours(), checks.Check_Sunday(), checks.Check_FixedHoliday()})
        if (holds)
            lines_->startWithMarkUp();
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
    account_ = admission.Account().AccountNumber();
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
    db::Connection& connection = *context_.session().connection;
    db::RowSet exams = connection.open(QStringLiteral("Clinical_area..sp_Laser_CommSearchExam ") +
                                           Sql::quote(patIdNum_),
                                       db::Cursor::Client);
    if (exams.count() > 0)
        lines_->makeRoomFor(exams.count());
    const HolidayChecks checks(connection);
    for (int row = 1; !exams.eof(); exams.moveNext(), ++row) {
        grdInput->setCurrentRow(row);
        const QString itemId = exams.field(QStringLiteral("itemid")).toString();
        grdInput->setCellText(row, 1, QStringLiteral("LR"));
        grdInput->setCellText(row, 2, itemId);
        grdInput->setCellText(row, 3, exams.field(QStringLiteral("exam")).toString());
        grdInput->setCellText(row, 4, QStringLiteral("STATION"));
        grdInput->setCellText(row, 5, exams.field(QStringLiteral("Quantity")).toString());
        writeLoadedPrice(row, itemId);
        grdInput->setCellText(row, 8, exams.field(QStringLiteral("RevenueId")).toString());
        const QString nurseRequest = exams.field(QStringLiteral("RequestNum")).toString();
        NurseRequestNums.insert(row, nurseRequest);
        if (checks.Check_StatRequest(nurseRequest))
            lines_->startWithMarkUp();
    }
    txtGross->setText(Sql::twoDecimals(grdInput->columnTotal(7, 1, grdInput->rowCount() - 1)));
    grdInput->setCurrentRow(1);
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

void frmRequest::txtDoctorID_Enter()
{
    if (txtDoctorID->text() != u"0") {
        cmdDoctor_Click();
        grdInput->setFocus();
        return;
    }
    cmdDoctor->setEnabled(false);
    txtDoctor->setReadOnly(false);
    txtDoctor->setFocusPolicy(Qt::StrongFocus);
    txtDoctor->clear();
    txtDoctor->setFocus();
}

void frmRequest::cmdDoctor_Click()
{
    clscodesearch& search = *context_.session().codeSearch;
    QString code = txtDoctorID->text();
    if (!search.SearchListing(code, clscodesearch::DoctorListing))
        return;
    const codesearch::DoctorRecord& doctor = search.DoctorRecord();
    txtDoctor->setText(doctor.LastName() + QLatin1Char(',') + doctor.FirstName() +
                       QLatin1Char(' ') + doctor.MiddleName());
    txtDoctorID->setText(doctor.ResultCode());
    RequestDoctorCode = doctor.ResultCode();
}

void frmRequest::chkHoliday_Click()
{
    lines_->holidayChanged();
}

void frmRequest::cmdApply_Click()
{
    lines_->Apply_Markup();
}

RequestDraft frmRequest::draft() const
{
    RequestDraft draft;
    draft.patientType = patientType_;
    draft.hospNum = txtHospNum->text();
    draft.idNum = txtIdNum->text();
    draft.patIdNum = patIdNum_;
    draft.room = txtRoom->text();
    draft.doctorId = txtDoctorID->text();
    draft.doctor = txtDoctor->text();
    draft.cashBasis = cashBasis_;
    draft.cashOrNum = cashOrNum_;
    draft.nurseCommunication = nurseCommunication_;
    draft.nurseRequestNums = NurseRequestNums;
    draft.lines = lines_->lines();
    return draft;
}

bool frmRequest::Save_request()
{
    if (saving_)
        return false;
    const QScopedValueRollback busy(saving_, true);
    if (txtDoctor->text().isEmpty() || txtDoctorID->text().isEmpty()) {
        context_.prompt().tell(QStringLiteral("Pls. supply requesting doctor."),
                               QStringLiteral("Message"), QMessageBox::Information);
        txtDoctorID->setFocus();
        return false;
    }
    const std::optional<QString> saved =
        RequestSave(context_).saveAndTell(draft(), {cmdSave, cmdSavePrint});
    if (!saved)
        return false;
    chargeSlip_ = *saved;
    RequestDoctorCode = txtDoctorID->text().trimmed();
    changedFlag_ = false;
    return true;
}

void frmRequest::cmdSave_Click()
{
    log(QStringLiteral("Click Save; "));
    if (Save_request())
        closeChildWindow(this);
}

void frmRequest::cmdSavePrint_Click()
{
    log(QStringLiteral("Click Save and Print; "));
    if (!Save_request())
        return;
    printSlip();
    closeChildWindow(this);
}

void frmRequest::printSlip()
{
    const QString company = company_.trimmed().isEmpty() ? QStringLiteral("Personal") : company_;
    ChargeSlipPrint(context_).Print_ChargeSlip(chargeSlip_,
                                               {txtLname->text().trimmed() + QStringLiteral(", ") +
                                                    txtFname->text().trimmed() + QLatin1Char(' ') +
                                                    txtMname->text().trimmed(),
                                                company, txtIdNum->text().trimmed()});
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

// The clerk starts on the first line's Dept.ID.
void frmRequest::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        grdInput->setFocus();
}

void frmRequest::closeEvent(QCloseEvent* event)
{
    log(QStringLiteral("Exit Request Entry Form; "));
    event->accept();
}
