#include "frmOutRequest.h"

#include "ChargePricing.h"
#include "EntryGrid.h"
#include "SessionState.h"
#include "clsPatientInfo.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"
#include "ui/ChildWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using db::Sql;

namespace {

const QString dateForm = QStringLiteral("MM/dd/yyyy");

QString dateText(const db::Value& value)
{
    return Sql::parseDateTime(value.toString()).date().toString(dateForm);
}

} // namespace

frmOutRequest::frmOutRequest(AppContext& context, QWidget* parent)
    : RequestForm(context, QStringLiteral("frmOutRequest"),
                  QStringLiteral("OutPatient Request Entry"), 30, parent)
{
    ChargeGrid::Rules rules = ChargeGrid::Rules::outPatient();
    rules.procedurePrice = [this](const codesearch::OtherRevenueRecord& item) {
        return std::optional<double>(procedurePrice(item));
    };
    // A receipt's exams were charged when they were paid for.
    rules.warnsOfStandingCharge = [this] { return !txtOrNo->text().startsWith(u"OR"); };
    setUpLines(std::move(rules));
    connect(grdInput, &EntryGrid::cellChanged, this, &frmOutRequest::grossAfterPriceEdit);
    connect(cmdClose, &QPushButton::clicked, this, &frmOutRequest::cmdClose_Click);
}

void frmOutRequest::load()
{
    log(QStringLiteral("Open Out Patient Request Entry Form; "));
    startMarkUp(DefaultMarkUps::OutPatient);
    if (cashBasis_)
        fillCashPatient();
    else
        fillVisit();
    lines_->Initialize_TableInput();
    if (nurseCommunication_)
        loadNurseCommunication();
    if (cashBasis_) {
        loadCashTransaction(cashOrNum_);
        txtDoctor->setFocus();
    }
}

void frmOutRequest::fillCashPatient()
{
    const db::RowSet patient = context_.session().connection->open(
        QStringLiteral("Cardio..sp_searchcashpatient ") + Sql::quote(idNumber_),
        db::Cursor::Client);
    txtRoom->setText(QStringLiteral("OPD"));
    if (patient.eof())
        return;
    txtIdNum->setText(idNumber_);
    txtHospNum->setText(patient.field(QStringLiteral("HospNum")).toString());
    txtAdmDate->setText(context_.clock().now().date().toString(dateForm));
    txtLname->setText(patient.field(QStringLiteral("LastName")).toString());
    txtFname->setText(patient.field(QStringLiteral("FirstName")).toString());
    txtMname->setText(patient.field(QStringLiteral("MiddleName")).toString());
    txtAge->setText(patient.field(QStringLiteral("Age")).toString());
    txtSex->setText(patient.field(QStringLiteral("Sex")).toString());
    if (!patient.field(QStringLiteral("BirthDate")).toString().isEmpty())
        txtBdate->setText(dateText(patient.field(QStringLiteral("BirthDate"))));
}

void frmOutRequest::fillVisit()
{
    db::Connection& connection = *context_.session().connection;
    const db::RowSet visit = connection.open(
        QStringLiteral("Cardio..sp_searchoutpatient ") + Sql::quote(idNumber_), db::Cursor::Client);
    txtRoom->setText(QStringLiteral("OPD"));
    if (visit.eof())
        return;
    txtIdNum->setText(idNumber_);
    const QString hospNum = visit.field(QStringLiteral("HospNum")).toString();
    txtHospNum->setText(hospNum);
    if (!visit.field(QStringLiteral("AdmDate")).toString().isEmpty())
        txtAdmDate->setText(dateText(visit.field(QStringLiteral("AdmDate"))));
    RequestDoctorCode = visit.field(QStringLiteral("doctorid1")).toString();
    const QString account = visit.field(QStringLiteral("AccountNum")).toString();
    clsPatientInfo& master = *context_.session().patientMaster;
    if (master.LoadPatient(hospNum)) {
        txtLname->setText(master.LastName());
        txtFname->setText(master.FirstName());
        txtMname->setText(master.MiddleName());
        txtAge->setText(master.Age());
        txtSex->setText(master.Sex());
        txtBdate->setText(master.BirthDate().toString(dateForm));
    }
    company_ = modHeartStart::CompanyByAccount(connection, account);
}

// A clinic nurse's request comes with its price; its lines are read-only.
void frmOutRequest::loadNurseCommunication()
{
    const int loaded = loadNurseRequests(QStringLiteral("Clinical_area..sp_Laser_commsearchexam"),
                                         idNumber_, [this](int row, const db::RowSet& exam) {
                                             const QString amount =
                                                 exam.field(QStringLiteral("Amount")).toString();
                                             grdInput->setCellText(row, 7, amount);
                                             grdInput->setCellText(row, 6, amount);
                                             grdInput->setCellText(row, 8, QStringLiteral("LR"));
                                         });
    if (loaded > 0)
        for (int column : {2, 3, 4, 5, 7, 8})
            grdInput->closeColumn(column);
    grdInput->setCurrentCol(1);
    cmdSave->setEnabled(true);
    cmdSavePrint->setEnabled(true);
    exitOrChanged_ = true;
}

double frmOutRequest::procedurePrice(const codesearch::OtherRevenueRecord& item) const
{
    const db::RowSet visit = context_.session().connection->open(
        QStringLiteral("Select PatientType from Patient_data..tbOutpatient where idnum = ") +
            Sql::quote(idNumber_),
        db::Cursor::Client);
    const QString visitType =
        visit.eof() ? QString() : visit.field(QStringLiteral("PatientType")).toString();
    return ChargePricing::outPatientRate(item, visitType, chkPortable->isChecked());
}

void frmOutRequest::grossAfterPriceEdit()
{
    if (grdInput->currentCol() == 6 && !saving())
        lines_->Update_Gross();
}

bool frmOutRequest::Save_Data()
{
    if (!saveCharge(draft(QStringLiteral("O"), idNumber_)))
        return false;
    exitOrChanged_ = false;
    return true;
}

bool frmOutRequest::saveRequest()
{
    saved_ = Save_Data();
    return saved_;
}

// A paid receipt takes no charge slip number: its lines are filed under the receipt number,
// which is the slip printed for it.
void frmOutRequest::printCharge()
{
    printSlip(cashBasis_ ? cashOrNum_ : ChargeSlip(), company_, QStringLiteral("Clinical_area"));
}

void frmOutRequest::showEvent(QShowEvent* event)
{
    RequestForm::showEvent(event);
    if (cashBasis_ && cmdSavePrint->isVisible())
        cmdSavePrint->setFocus();
}

void frmOutRequest::cmdClose_Click()
{
    log(QStringLiteral("Click Exit; "));
    exitOrChanged_ = true;
    closeChildWindow(this);
}

void frmOutRequest::closeEvent(QCloseEvent* event)
{
    if (saved_) {
        event->accept();
        return;
    }
    if (exitOrChanged_) {
        const bool keepOpen =
            context_.prompt().ask(QStringLiteral("Save changes?"), QStringLiteral("Message"),
                                  QMessageBox::Question,
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        log(QStringLiteral("Exit Out Patient Request Entry Form; "));
        if (keepOpen) {
            event->ignore();
            return;
        }
    } else {
        log(QStringLiteral("Exit Out Patient Request Entry Form; "));
    }
    if (!nurseCommunication_)
        emit returnToPatientList();
    event->accept();
}
