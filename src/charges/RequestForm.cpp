#include "RequestForm.h"

#include "ChargeSlipPrint.h"
#include "EntryGrid.h"
#include "HolidayChecks.h"
#include "KeyPress.h"
#include "SessionState.h"
#include "clsFunction.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/ChildWindow.h"
#include "ui/EnterMovesFocus.h"

#include <QCheckBox>
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

QLineEdit* readOnlyBox(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

} // namespace

RequestForm::RequestForm(AppContext& context, const QString& name, const QString& caption,
                         int nameLength, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls(nameLength);
}

RequestForm::~RequestForm() = default;

void RequestForm::setUpLines(ChargeGrid::Rules rules)
{
    lines_ = std::make_unique<ChargeGrid>(context_,
                                          ChargeGrid::Controls{grdInput, txtGross, txtIdNum,
                                                               txtMarkUp, chkHoliday, fraMarkup,
                                                               cmdApply, cmdSave, cmdSavePrint},
                                          std::move(rules));
    EnterMovesFocus::install(this);
}

void RequestForm::buildControls(int nameLength)
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(buildPatientFrame(nameLength));
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

    connect(cmdSave, &QPushButton::clicked, this, &RequestForm::cmdSave_Click);
    connect(cmdSavePrint, &QPushButton::clicked, this, &RequestForm::cmdSavePrint_Click);
    connect(cmdDoctor, &QPushButton::clicked, this, &RequestForm::cmdDoctor_Click);
    connect(txtDoctorID, &QLineEdit::returnPressed, this, &RequestForm::txtDoctorID_Enter);
    connect(chkHoliday, &QCheckBox::toggled, this, &RequestForm::chkHoliday_Click);
    connect(cmdApply, &QPushButton::clicked, this, &RequestForm::cmdApply_Click);
    EnterMovesFocus::keepsEnter(txtDoctorID);
}

QLineEdit* RequestForm::addBox(QGroupBox* frame, const char* name, const QString& label,
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

QGroupBox* RequestForm::buildPatientFrame(int nameLength)
{
    auto* frame = new QGroupBox(QStringLiteral("Patient's Information"));
    new QGridLayout(frame);
    txtLname = addBox(frame, "txtLname", QStringLiteral("Family Name "), nameLength, 0, 0);
    txtFname = addBox(frame, "txtFname", QStringLiteral("Given Name  "), nameLength, 1, 0);
    txtMname = addBox(frame, "txtMname", QStringLiteral("Middle Name "), nameLength, 2, 0);
    txtBdate = addBox(frame, "txtBdate", QStringLiteral("Birth Date"), 0, 3, 0);
    txtAge = addBox(frame, "txtAge", QStringLiteral("Age"), 0, 0, 1);
    txtSex = addBox(frame, "txtSex", QStringLiteral("Sex"), 0, 1, 1);
    txtHeight = addBox(frame, "txtHeight", QStringLiteral("Height"), 0, 2, 1);
    txtWeight = addBox(frame, "txtWeight", QStringLiteral("Weight"), 0, 3, 1);
    return frame;
}

QGroupBox* RequestForm::buildHospitalFrame()
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
    context_.session().keyPress->capitalise(txtDoctor);
    return frame;
}

QGroupBox* RequestForm::buildExamsFrame()
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

QGroupBox* RequestForm::buildChargingCodeFrame()
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

void RequestForm::log(const QString& activity)
{
    context_.function().Update_LogFile(context_.session().EmployeeCode, activity);
}

void RequestForm::startMarkUp(DefaultMarkUps::Kind kind)
{
    txtMarkUp->setText(DefaultMarkUps::shared().value(kind));
    const HolidayChecks checks(*context_.session().connection);
    for (bool holds :
         {checks.Check_AfterHours(), checks.Check_Sunday(), checks.Check_FixedHoliday()})
        if (holds)
            lines_->startWithMarkUp();
}

int RequestForm::loadNurseRequests(
    const QString& procedure, const QString& number,
    const std::function<void(int row, const db::RowSet& exam)>& priceLine)
{
    db::Connection& connection = *context_.session().connection;
    db::RowSet exams =
        connection.open(procedure + QLatin1Char(' ') + Sql::quote(number), db::Cursor::Client);
    const int count = exams.count();
    if (count > 0)
        lines_->makeRoomFor(count);
    const HolidayChecks checks(connection);
    for (int row = 1; !exams.eof(); exams.moveNext(), ++row) {
        grdInput->setCurrentRow(row);
        grdInput->setCellText(row, 1, QStringLiteral("LR"));
        grdInput->setCellText(row, 2, exams.field(QStringLiteral("itemid")).toString());
        grdInput->setCellText(row, 3, exams.field(QStringLiteral("exam")).toString());
        grdInput->setCellText(row, 4, QStringLiteral("STATION"));
        grdInput->setCellText(row, 5, exams.field(QStringLiteral("Quantity")).toString());
        priceLine(row, exams);
        const QString nurseRequest = exams.field(QStringLiteral("RequestNum")).toString();
        NurseRequestNums.insert(row, nurseRequest);
        if (checks.Check_StatRequest(nurseRequest))
            lines_->startWithMarkUp();
    }
    txtGross->setText(Sql::twoDecimals(grdInput->columnTotal(7, 1, grdInput->rowCount() - 1)));
    grdInput->setCurrentRow(1);
    return count;
}

void RequestForm::loadCashTransaction(const QString& orNum)
{
    for (QWidget* cashControl : {static_cast<QWidget*>(txtOrNo), static_cast<QWidget*>(txtAmount),
                                 static_cast<QWidget*>(lblOrNo), static_cast<QWidget*>(lblAmount)})
        cashControl->setEnabled(true);
    txtOrNo->setText(orNum);
    db::RowSet exams = context_.session().connection->open(
        QStringLiteral("Clinical_area..sp_Laser_GetCashExam ") + Sql::quote(orNum),
        db::Cursor::Client);
    if (exams.count() > 0) {
        lines_->makeRoomFor(exams.count());
        for (int column : {1, 2, 3, 4, 5, 7})
            grdInput->closeColumn(column);
    }
    double total = 0;
    for (int row = 1; !exams.eof(); exams.moveNext(), ++row) {
        grdInput->setCurrentRow(row);
        grdInput->setCellText(row, 1, exams.field(QStringLiteral("RevenueId")).toString());
        grdInput->setCellText(row, 2, exams.field(QStringLiteral("itemid")).toString());
        grdInput->setCellText(row, 3, exams.field(QStringLiteral("exam")).toString());
        grdInput->setCellText(row, 4, QStringLiteral("STATION"));
        grdInput->setCellText(row, 5, exams.field(QStringLiteral("Quantity")).toString());
        grdInput->setCellText(row, 7, exams.field(QStringLiteral("Amount")).toString());
        grdInput->setCellText(row, 8, QStringLiteral("LR"));
        total += exams.field(QStringLiteral("Amount")).toDouble();
    }
    txtGross->setText(Sql::groupedTwoDecimalsNoLeadingZero(total));
    txtAmount->setText(txtGross->text());
    cmdSave->setEnabled(true);
    cmdSavePrint->setEnabled(true);
}

RequestDraft RequestForm::draft(const QString& patientType, const QString& patIdNum) const
{
    RequestDraft draft;
    draft.patientType = patientType;
    draft.hospNum = txtHospNum->text();
    draft.idNum = txtIdNum->text();
    draft.patIdNum = patIdNum;
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

bool RequestForm::saveCharge(const RequestDraft& draft)
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
        RequestSave(context_).saveAndTell(draft, {cmdSave, cmdSavePrint});
    if (!saved)
        return false;
    chargeSlip_ = *saved;
    RequestDoctorCode = txtDoctorID->text().trimmed();
    changedFlag_ = false;
    return true;
}

void RequestForm::printSlip(const QString& refNum, const QString& company, const QString& database)
{
    ChargeSlipPrint(context_, database)
        .Print_ChargeSlip(refNum, {txtLname->text().trimmed() + QStringLiteral(", ") +
                                       txtFname->text().trimmed() + QLatin1Char(' ') +
                                       txtMname->text().trimmed(),
                                   company, txtIdNum->text().trimmed()});
}

void RequestForm::cmdSave_Click()
{
    log(QStringLiteral("Click Save; "));
    if (saveRequest())
        closeChildWindow(this);
}

void RequestForm::cmdSavePrint_Click()
{
    log(QStringLiteral("Click Save and Print; "));
    if (!saveRequest())
        return;
    printCharge();
    closeChildWindow(this);
}

void RequestForm::txtDoctorID_Enter()
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

void RequestForm::cmdDoctor_Click()
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

void RequestForm::chkHoliday_Click()
{
    lines_->holidayChanged();
}

void RequestForm::cmdApply_Click()
{
    lines_->Apply_Markup();
}

// The clerk starts on the first line's Dept.ID.
void RequestForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        grdInput->setFocus();
}
