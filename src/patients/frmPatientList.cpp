#include "frmPatientList.h"

#include "KeyPress.h"
#include "Navigator.h"
#include "PatientGrid.h"
#include "SessionState.h"
#include "clsAssessInfo.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using db::Sql;

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    made->setToolTip(tip);
    made->setAutoDefault(false);
    return made;
}

bool isNumber(const QString& text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

frmPatientList::frmPatientList(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmPatientList"));
    setWindowTitle(QStringLiteral("Patient List ( IN-PATIENT )"));
    auto* fraSearch =
        new QGroupBox(QStringLiteral("&1. Type first few letters of first name."), this);
    txtSearch_ = new QLineEdit(fraSearch);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setMaxLength(20);
    context_.session().keyPress->capitalise(txtSearch_);
    txtSearch_->installEventFilter(this);
    cmdFind_ = new QToolButton(fraSearch);
    cmdFind_->setObjectName(QStringLiteral("cmdFind"));
    cmdFind_->setText(QStringLiteral("Find"));
    cmdFind_->setToolTip(QStringLiteral("Find Name"));
    auto* searchRow = new QHBoxLayout(fraSearch);
    searchRow->addWidget(txtSearch_, 1);
    searchRow->addWidget(cmdFind_);
    auto* fraList = new QGroupBox(QStringLiteral("&2. Select patient then click OK button."), this);
    grdPatient_ = new PatientGrid(fraList);
    grdPatient_->setObjectName(QStringLiteral("grdPatient"));
    grdPatient_->installEventFilter(this);
    (new QVBoxLayout(fraList))->addWidget(grdPatient_);
    chkAutoSearch_ = new QCheckBox(QStringLiteral("&Auto search"), this);
    chkAutoSearch_->setObjectName(QStringLiteral("chkAutoSearch"));
    cmdAddWalkin_ = button(this, "cmdAddWalkin", QStringLiteral("Add Walkin"), QString());
    QPushButton* cmdOK = button(this, "cmdOK", QStringLiteral("&OK"), QStringLiteral("Ok"));
    QPushButton* cmdExit =
        button(this, "cmdExit", QStringLiteral("E&xit"), QStringLiteral("Close Window"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkAutoSearch_);
    buttons->addStretch(1);
    for (QPushButton* widget : {cmdAddWalkin_, cmdOK, cmdExit})
        buttons->addWidget(widget);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraSearch);
    layout->addWidget(fraList, 1);
    layout->addLayout(buttons);
    resize(860, 480);

    connect(chkAutoSearch_, &QCheckBox::toggled, cmdFind_, &QWidget::setDisabled);
    connect(cmdFind_, &QToolButton::clicked, this, &frmPatientList::List);
    connect(txtSearch_, &QLineEdit::textChanged, this, [this] {
        if (chkAutoSearch_->isChecked())
            List();
    });
    connect(grdPatient_, &PatientGrid::picked, this, &frmPatientList::OK);
    connect(grdPatient_, &QTableWidget::currentCellChanged, this,
            [this](int, int, int previousRow, int previousColumn) {
                if (QTableWidgetItem* left = grdPatient_->item(previousRow, previousColumn)) {
                    left->setBackground(QBrush());
                    left->setForeground(QBrush());
                }
                HighlightCurrentCell(*grdPatient_, true);
            });
    connect(cmdOK, &QPushButton::clicked, this, &frmPatientList::OK);
    connect(cmdExit, &QPushButton::clicked, this, &frmPatientList::reject);
    connect(cmdAddWalkin_, &QPushButton::clicked, this, &frmPatientList::AddWalkin);
}

void frmPatientList::Form_Load()
{
    chkAutoSearch_->setChecked(true);
    cmdAddWalkin_->setEnabled(listOption_ == 1);
    isCancel_ = true;
    if (searchString_.isEmpty())
        List();
    else
        txtSearch_->setText(searchString_);
}

void frmPatientList::List()
{
    try {
        BusyPointer busy;
        clsAssessInfo info(*context_.session().connection);
        std::optional<db::RowSet> found = info.PatientList(listOption_, 1, txtSearch_->text());
        if (!found) {
            grdPatient_->clearRows();
            return;
        }
        grdPatient_->fill(*found);
        grdPatient_->setHeadings(
            QStringLiteral("<Admission No. |<Hospital No. |<Last Name|<First Name |<Middle Name"));
        setColumnWidths();
        grdPatient_->setCurrentCell(0, 0);
        HighlightCurrentCell(*grdPatient_, true);
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
    }
}

void frmPatientList::setColumnWidths()
{
    const int sixth = grdPatient_->viewport()->width() / 6;
    const int twips100 = grdPatient_->pixelsFromTwips(100);
    const int widths[] = {sixth,
                          sixth,
                          sixth + twips100,
                          sixth + twips100,
                          sixth + twips100,
                          sixth,
                          sixth + grdPatient_->pixelsFromTwips(1000)};
    for (int column = 0; column < 7 && column < grdPatient_->columnCount(); ++column)
        grdPatient_->setColumnWidth(column, widths[column]);
}

void frmPatientList::OK()
{
    if (grdPatient_->rowCount() == 0 || grdPatient_->currentRow() < 0)
        return;
    const QString admission = grdPatient_->currentText(0);
    const bool cash = admission == QLatin1String("CASH");
    try {
        if (!cash && isNumber(admission) && !underCashBasis(admission)) {
            context_.prompt().tell(
                QStringLiteral("Patient is not Under Cash Basis. Use Post Charges Option."),
                QStringLiteral("Message Alert"), QMessageBox::Information);
            return;
        }
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
        return;
    }
    isCancel_ = false;
    hospNumber_ = cash ? grdPatient_->currentText(1) : admission;
    accept();
}

// An admission without its further data row is taken as not under cash basis.
bool frmPatientList::underCashBasis(const QString& admission)
{
    db::RowSet more = context_.session().connection->open(
        "Select top 1 * from patient_data..tbPatient2 where Idnum = " + Sql::quote(admission));
    return more.count() > 0 && more.field("OkeyLR").toInt() != 0;
}

void frmPatientList::AddWalkin()
{
    isCancel_ = true;
    QDialog::reject();
    context_.navigator().openWalkInRegistration();
}

void frmPatientList::reject()
{
    isCancel_ = true;
    QDialog::reject();
}

bool frmPatientList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSearch_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtSearch_, &QLineEdit::selectAll);
    if (watched == grdPatient_ && event->type() == QEvent::FocusIn)
        HighlightCurrentCell(*grdPatient_, true);
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == txtSearch_) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            List();
            return true;
        }
        if (key == Qt::Key_Down) {
            grdPatient_->setFocus();
            return true;
        }
    }
    if (watched == grdPatient_ && grdPatient_->currentRow() <= 0 &&
        (key == Qt::Key_Up || key == Qt::Key_PageUp)) {
        txtSearch_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
