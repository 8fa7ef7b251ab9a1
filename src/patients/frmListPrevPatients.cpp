#include "frmListPrevPatients.h"

#include "KeyPress.h"
#include "PatientGrid.h"
#include "SessionState.h"
#include "clsFunction.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using db::Sql;

frmListPrevPatients::frmListPrevPatients(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmListPrevPatients"));
    txtSearch_ = new QLineEdit(this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    context_.session().keyPress->capitalise(txtSearch_);
    txtSearch_->installEventFilter(this);
    auto* cmdSearch = new QToolButton(this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setText(QStringLiteral("Search"));
    cmdSearch->setToolTip(QStringLiteral("Search Patient"));
    grdPatient_ = new PatientGrid(this);
    grdPatient_->setObjectName(QStringLiteral("grdPatient"));
    auto* cmdSelect = new QPushButton(QStringLiteral("&Select"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setAutoDefault(false);
    auto* cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Search Text"), this), 0, 0);
    layout->addWidget(txtSearch_, 0, 1);
    layout->addWidget(cmdSearch, 0, 2);
    layout->addWidget(grdPatient_, 1, 0, 1, 4);
    layout->addWidget(cmdSelect, 2, 2);
    layout->addWidget(cmdCancel, 2, 3);
    layout->setColumnStretch(1, 1);
    resize(820, 420);

    connect(cmdSearch, &QToolButton::clicked, this, &frmListPrevPatients::List);
    connect(cmdSelect, &QPushButton::clicked, this, &frmListPrevPatients::Select);
    connect(grdPatient_, &PatientGrid::picked, this, &frmListPrevPatients::Select);
    connect(cmdCancel, &QPushButton::clicked, this, &frmListPrevPatients::reject);
}

QString frmListPrevPatients::pick(AppContext& context, const QString& patientType, int option,
                                  const QString& search)
{
    frmListPrevPatients list(context, QApplication::activeWindow());
    list.setPatient_Type(patientType);
    list.setPOption(option);
    list.setSearchString(search);
    list.Form_Load();
    context.dialogs().run(list);
    return list.Idnumber();
}

void frmListPrevPatients::Form_Load()
{
    grdPatient_->setColumnCount(6);
    grdPatient_->setHeadings(
        QStringLiteral(" |HospNum    |Idnum        |FullName                   "
                       "                               |AdmDate             "
                       "                      "));
    idNumber_.clear();
    setWindowTitle(patientType_ == QLatin1String("I")
                       ? QStringLiteral("Inpatient List")
                       : QStringLiteral("OutPatient/CashPatient List"));
    txtSearch_->setText(searchString_);
    List();
}

void frmListPrevPatients::List()
{
    try {
        BusyPointer busy;
        db::RowSet found = context_.session().connection->open(
            "Clinical_area..sp_Laser_SearchPreviousPatient " + Sql::quote(patientType_) + ", " +
            Sql::quote(QString::number(option_)) + ", " + Sql::quote(txtSearch_->text()));
        if (found.count() > 0) {
            grdPatient_->fill(found, 1, true);
            grdPatient_->setCurrentCell(0, 1);
        }
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
    }
}

void frmListPrevPatients::Select()
{
    if (grdPatient_->rowCount() == 0 || grdPatient_->currentRow() < 0)
        return;
    idNumber_ = grdPatient_->currentText(2).trimmed();
    accept();
}

// Cancel and Esc alike: the shared record no longer names a patient.
void frmListPrevPatients::reject()
{
    clsFunction& record = context_.function();
    record.setAccountNum(QString());
    record.setHospNum(QString());
    record.setIdNum(QString());
    record.setRoomID(QString());
    record.setFullName(QString());
    QDialog::reject();
}

bool frmListPrevPatients::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSearch_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            List();
            return true;
        }
        if (key == Qt::Key_Down && grdPatient_->rowCount() > 0) {
            grdPatient_->setFocus();
            grdPatient_->selectRow(std::max(grdPatient_->currentRow(), 0));
            grdPatient_->scrollTo(grdPatient_->currentIndex(), QAbstractItemView::PositionAtTop);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
