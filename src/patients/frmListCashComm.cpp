#include "frmListCashComm.h"

#include "KeyPress.h"
#include "Navigator.h"
#include "PatientGrid.h"
#include "SessionState.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "frmListPatient.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"
#include "ui/ChildWindow.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using db::Sql;

namespace {

constexpr int receiptColumn = 4;
constexpr int amountColumn = 5;

} // namespace

frmListCashComm::frmListCashComm(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmListCashComm"));
    setWindowTitle(QStringLiteral("List of Cash Patients"));
    setAttribute(Qt::WA_DeleteOnClose);
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    context_.session().keyPress->capitalise(txtName_);
    txtName_->installEventFilter(this);
    auto* cmdSearch = new QPushButton(QStringLiteral("..."), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    grdCashPatient_ = new PatientGrid(this);
    grdCashPatient_->setObjectName(QStringLiteral("grdCashPatient"));
    cmdChoose_ = new QPushButton(QStringLiteral("&Choose"), this);
    cmdChoose_->setObjectName(QStringLiteral("cmdChoose"));
    cmdChoose_->setEnabled(false);
    auto* cmdCancel = new QPushButton(QStringLiteral("C&ancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Name of Patient"), this), 0, 0);
    layout->addWidget(txtName_, 0, 1);
    layout->addWidget(cmdSearch, 0, 2);
    layout->addWidget(grdCashPatient_, 1, 0, 1, 4);
    layout->addWidget(
        new QLabel(QStringLiteral("Double click patient or Click button to choose."), this), 2, 0,
        1, 2);
    layout->addWidget(cmdChoose_, 2, 2);
    layout->addWidget(cmdCancel, 2, 3);
    layout->setColumnStretch(1, 1);
    setFixedSize(QSize(1000, 440));

    connect(cmdSearch, &QPushButton::clicked, this, &frmListCashComm::Search);
    connect(grdCashPatient_, &QTableWidget::currentCellChanged, this,
            [this](int row) { cmdChoose_->setEnabled(row >= 0); });
    connect(grdCashPatient_, &PatientGrid::picked, this, &frmListCashComm::Choose);
    connect(cmdChoose_, &QPushButton::clicked, this, &frmListCashComm::Choose);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { closeChildWindow(this); });
}

// Amounts show as money; the receipt number beside them stays as issued, digits and all.
void frmListCashComm::Search()
{
    try {
        BusyPointer busy;
        db::RowSet found = context_.session().connection->open(
            "Clinical_Area..sp_Laser_SearchCashLink " + Sql::quote(txtName_->text()));
        if (found.count() < 1) {
            grdCashPatient_->clearRows();
            cmdChoose_->setEnabled(false);
            context_.prompt().tell(QStringLiteral("No data to process."),
                                   QStringLiteral("Message"));
            return;
        }
        grdCashPatient_->fill(found);
        for (int row = 0; row < grdCashPatient_->rowCount(); ++row) {
            QTableWidgetItem* amount = grdCashPatient_->item(row, amountColumn);
            const double value = amount->text().toDouble();
            amount->setData(Qt::UserRole, value);
            amount->setText(Sql::groupedTwoDecimalsNoLeadingZero(value));
            amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        grdCashPatient_->setColumnWidthsTwips({1500, 4500, 4000, 2000, 1500, 1200, 1000});
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
    }
}

void frmListCashComm::Choose()
{
    const int row = grdCashPatient_->currentRow();
    if (row < 0)
        return;
    Navigator& navigator = context_.navigator();
    auto* list =
        qobject_cast<frmListPatient*>(navigator.findChildWindow(QStringLiteral("frmListPatient")));
    if (!list)
        list = new frmListPatient(context_);
    list->setCashOrNum(grdCashPatient_->item(row, receiptColumn)->text());
    list->setCashPrice(grdCashPatient_->item(row, amountColumn)->data(Qt::UserRole).toDouble());
    list->lockPatientType(frmListPatient::WalkIn);
    list->setSearchBy(frmListPatient::LastName);
    list->showAddCashPatient(true);
    list->setSearchText(grdCashPatient_->currentText(1));
    navigator.showChildWindow(list);
    closeChildWindow(this);
}

bool frmListCashComm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtName_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Search();
            return true;
        }
        if (key == Qt::Key_Down) {
            grdCashPatient_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
