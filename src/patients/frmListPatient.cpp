#include "frmListPatient.h"

#include "KeyPress.h"
#include "Navigator.h"
#include "PatientGrid.h"
#include "SessionState.h"
#include "clsAdmission.h"
#include "clsFunction.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"
#include "ui/ChildWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using db::Sql;

namespace {

const QString messageTitle = QStringLiteral("Message");
const QString initialHeadings = QStringLiteral(
    "Hosp. No.   |Adm. No.  |Patient Name                                    |Billed "
    "Date       |Laser Status                ");
const QString patientTypeCodes[] = {QStringLiteral("I"), QStringLiteral("O"), QStringLiteral("W")};

QString call(const QString& procedure, const QStringList& arguments)
{
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(Sql::quote(argument));
    return "Clinical_area.." + procedure + ' ' + quoted.join(QLatin1Char(','));
}

} // namespace

frmListPatient::frmListPatient(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmListPatient"));
    setWindowTitle(QStringLiteral("List of Patients"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    setFixedSize(sizeHint().expandedTo(QSize(860, 480)));
    logActivity(QStringLiteral("Open List of Patient Form; "));
}

void frmListPatient::buildControls()
{
    cboPatientType_ = new QComboBox(this);
    cboPatientType_->setObjectName(QStringLiteral("cboPatientType"));
    cboPatientType_->addItems(
        {QStringLiteral("In-Patient"), QStringLiteral("Out-Patient"), QStringLiteral("Walk-In")});
    cboSearchBy_ = new QComboBox(this);
    cboSearchBy_->setObjectName(QStringLiteral("cboSearchBy"));
    cboSearchBy_->addItems({QStringLiteral("Last Name"), QStringLiteral("Admission No."),
                            QStringLiteral("Hospital No.")});
    txtTextSearch_ = new QLineEdit(this);
    txtTextSearch_->setObjectName(QStringLiteral("txtTextSearch"));
    context_.session().keyPress->capitalise(txtTextSearch_);
    txtTextSearch_->installEventFilter(this);
    tlbbtnSearch_ = new QToolButton(this);
    tlbbtnSearch_->setObjectName(QStringLiteral("tlbbtnSearch"));
    tlbbtnSearch_->setText(QStringLiteral("Search"));
    tlbbtnSearch_->setToolTip(QStringLiteral("Search Patient"));
    chkPrevious_ = new QCheckBox(QStringLiteral("Previous Registration"), this);
    chkPrevious_->setObjectName(QStringLiteral("chkPrevious"));
    chkPrevious_->hide();
    mfgrdPatient_ = new PatientGrid(this);
    mfgrdPatient_->setObjectName(QStringLiteral("mfgrdPatient"));
    mfgrdPatient_->setHeadings(initialHeadings);
    auto* hint = new QLabel(
        QStringLiteral("Double click the patient's name or click Process button."), this);
    cmdAddCashPatient_ = new QPushButton(QStringLiteral("&Add Cash Patient"), this);
    cmdAddCashPatient_->setObjectName(QStringLiteral("cmdAddCashPatient"));
    cmdAddCashPatient_->hide();
    cmdProcess_ = new QPushButton(QStringLiteral("&Process"), this);
    cmdProcess_->setObjectName(QStringLiteral("cmdProcess"));
    cmdProcess_->setEnabled(false);
    auto* cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Patient Type"), this), 0, 0);
    layout->addWidget(cboPatientType_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Search By"), this), 0, 2);
    layout->addWidget(cboSearchBy_, 0, 3);
    layout->addWidget(txtTextSearch_, 0, 4);
    layout->addWidget(tlbbtnSearch_, 0, 5);
    layout->addWidget(chkPrevious_, 0, 6);
    layout->addWidget(mfgrdPatient_, 1, 0, 1, 7);
    layout->addWidget(hint, 2, 0, 1, 3);
    layout->addWidget(cmdAddCashPatient_, 2, 4);
    layout->addWidget(cmdProcess_, 2, 5);
    layout->addWidget(cmdClose, 2, 6);
    layout->setColumnStretch(4, 1);

    connect(cboSearchBy_, &QComboBox::activated, txtTextSearch_, qOverload<>(&QWidget::setFocus));
    connect(cboPatientType_, &QComboBox::activated, txtTextSearch_,
            qOverload<>(&QWidget::setFocus));
    connect(tlbbtnSearch_, &QToolButton::clicked, this, &frmListPatient::Search);
    connect(mfgrdPatient_, &PatientGrid::picked, this, &frmListPatient::Process);
    connect(cmdProcess_, &QPushButton::clicked, this, &frmListPatient::Process);
    connect(cmdAddCashPatient_, &QPushButton::clicked, this, &frmListPatient::AddCashPatient);
    connect(cmdClose, &QPushButton::clicked, this, &frmListPatient::Close);
}

void frmListPatient::lockPatientType(PatientTypeIndex type)
{
    cboPatientType_->setCurrentIndex(type);
    cboPatientType_->setEnabled(false);
}

void frmListPatient::setSearchBy(SearchByIndex searchBy)
{
    cboSearchBy_->setCurrentIndex(searchBy);
}

void frmListPatient::setSearchText(const QString& text)
{
    txtTextSearch_->setText(text);
}

void frmListPatient::showAddCashPatient(bool shown)
{
    cmdAddCashPatient_->setVisible(shown);
}

void frmListPatient::showPreviousRegistration(bool shown)
{
    chkPrevious_->setVisible(shown);
}

void frmListPatient::Form_Activate()
{
    Search();
}

// The procedure and arguments follow the type, the search-by choice and, for last names, a
// comma that splits "LAST,FIRST".
QString frmListPatient::searchStatement() const
{
    const int type = cboPatientType_->currentIndex();
    const QString code = patientTypeCodes[type];
    const QString text = txtTextSearch_->text();
    if (text.isEmpty())
        return call(QStringLiteral("sp_Laser_Get_Patient"), {code});
    switch (cboSearchBy_->currentIndex()) {
    case AdmissionNo:
        return call(QStringLiteral("sp_Laser_Get_Patientbyidnum"), {code, text});
    case HospitalNo:
        return call(QStringLiteral("sp_Laser_Get_Patientbyhospnum"), {code, text});
    default:
        break;
    }
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0)
        return call(type == InPatient ? QStringLiteral("sp_Laser_Get_patientbyfirstname")
                                      : QStringLiteral("sp_Laser_Get_Patientbyfirstname"),
                    {code, text.left(comma), text.mid(comma + 1)});
    const QString byLastName = call(QStringLiteral("sp_Laser_Get_Patientbylastname"), {code, text});
    if (type == InPatient)
        return byLastName + ",''";
    if (type == OutPatient)
        return byLastName + ", " +
               Sql::quote(chkPrevious_->isChecked() ? QStringLiteral("N") : QStringLiteral("Y"));
    return byLastName;
}

void frmListPatient::Search()
{
    try {
        if (fillGrid())
            return;
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
        return;
    }
    context_.prompt().tell(QStringLiteral("No Existing Patient Found."), messageTitle);
    txtTextSearch_->selectAll();
    txtTextSearch_->setFocus();
}

bool frmListPatient::fillGrid()
{
    BusyPointer busy;
    db::RowSet found = context_.session().connection->open(searchStatement());
    const bool any = found.count() > 0;
    cmdProcess_->setEnabled(any);
    if (!any) {
        mfgrdPatient_->clearRows();
        return false;
    }
    mfgrdPatient_->fill(found);
    setColumnWidths();
    mfgrdPatient_->setCurrentCell(0, 0);
    return true;
}

void frmListPatient::setColumnWidths()
{
    switch (cboPatientType_->currentIndex()) {
    case InPatient:
        mfgrdPatient_->setColumnWidthsTwips({1200, 1200, 3000, 2000, 0, 1300, 2000});
        break;
    case OutPatient:
        mfgrdPatient_->setColumnWidthsTwips({1200, 1200, 3500, 2500, 2500, 0, 0});
        break;
    default:
        for (int column = 0; column < mfgrdPatient_->columnCount(); ++column)
            mfgrdPatient_->setColumnHidden(column, false);
        break;
    }
}

void frmListPatient::Process()
{
    logActivity(QStringLiteral("Click Process; "));
    if (mfgrdPatient_->currentRow() < 0)
        return;
    try {
        bool opened = false;
        switch (cboPatientType_->currentIndex()) {
        case InPatient:
            opened = processInPatient();
            break;
        case OutPatient:
            opened = processOutPatient();
            break;
        default:
            opened = processWalkIn();
            break;
        }
        if (opened)
            closeChildWindow(this);
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
    }
}

bool frmListPatient::processInPatient()
{
    if (!mfgrdPatient_->currentText(3).isEmpty()) {
        context_.prompt().tell(QStringLiteral("Patient`s account has already been closed.\nIf you "
                                              "have charges to make, pls. notify the billing for "
                                              "further instructions."),
                               messageTitle);
        return false;
    }
    if (mfgrdPatient_->currentText(5).trimmed() == QLatin1String("Not Okey")) {
        context_.prompt().tell(QStringLiteral("Patient`s account has been placed under cash basis."
                                              "\nPls. refer to Credit and Collection Dept. for "
                                              "further instructions."),
                               messageTitle);
        return false;
    }
    const QString admission = mfgrdPatient_->currentText(1).trimmed();
    if (!context_.session().admission->OpenAdmission(admission)) {
        tellNotFound();
        return false;
    }
    if (modHeartStart::IsCleared(*context_.session().connection, admission)) {
        context_.prompt().tell(QStringLiteral("Patient`s already cleared."), messageTitle,
                               QMessageBox::Information);
        return false;
    }
    return context_.navigator().openRequestEntry({admission, false, QStringLiteral("I"), false});
}

bool frmListPatient::processOutPatient()
{
    db::RowSet visit = context_.session().connection->open(
        "Cardio..sp_SearchOutPatient " + Sql::quote(mfgrdPatient_->currentText(1).trimmed()));
    if (visit.count() < 1) {
        tellNotFound();
        return false;
    }
    if (visit.field("InvoiceNumber").isNull()) {
        if (visit.field("PatientType").toString() == QLatin1String("W") &&
            visit.field("AccountNum").toString() == visit.field("HospNum").toString()) {
            context_.prompt().tell(QStringLiteral("Patient`s with Personal Account is Not Allowed."
                                                  "\nPlease Use Cash Assessment Entry Option for "
                                                  "this Patient."),
                                   messageTitle, QMessageBox::Information);
            return false;
        }
        return context_.navigator().openOutRequestEntry(
            {visit.field("IdNum").toString(), false, QString(), 0, false});
    }
    // An invoiced visit takes no more charges here; late charges go through receivable entry.
    const QString text = visit.field("latecharges").toInt() == 0
                             ? QStringLiteral("Patient's Account is Already Closed. Contact AR "
                                              "Departmen")
                             : QStringLiteral("Patient's Account is Already Invoiced. Use "
                                              "Receivable Entry for Late Charges.");
    context_.prompt().tell(text, QStringLiteral("Message Alert"), QMessageBox::Information);
    return false;
}

bool frmListPatient::processWalkIn()
{
    db::RowSet patient = context_.session().connection->open(
        "Cardio..sp_SearchCashPatient " + Sql::quote(mfgrdPatient_->currentText(0).trimmed()));
    if (patient.count() < 1) {
        tellNotFound();
        return false;
    }
    return context_.navigator().openOutRequestEntry(
        {patient.field("HospNum").toString(), true, cashOrNum_, cashPrice_, false});
}

void frmListPatient::tellNotFound()
{
    context_.prompt().tell(QStringLiteral("No Existing Patient Found."), messageTitle);
}

void frmListPatient::AddCashPatient()
{
    logActivity(QStringLiteral("Click Add Cash Patient; "));
    context_.navigator().openWalkInRegistration();
}

void frmListPatient::Close()
{
    logActivity(QStringLiteral("Click Close; "));
    closeChildWindow(this);
}

bool frmListPatient::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTextSearch_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Search();
            return true;
        }
        if (key == Qt::Key_Down && mfgrdPatient_->isVisible()) {
            mfgrdPatient_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmListPatient::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    txtTextSearch_->setFocus();
}

void frmListPatient::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        closing_ = true;
        logActivity(QStringLiteral("Exit List of Patient Form; "));
    }
    QWidget::closeEvent(event);
}

void frmListPatient::logActivity(const QString& activity)
{
    try {
        context_.function().Update_LogFile(context_.session().EmployeeCode, activity);
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
    }
}
