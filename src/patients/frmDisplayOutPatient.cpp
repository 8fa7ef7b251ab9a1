#include "frmDisplayOutPatient.h"

#include "KeyPress.h"
#include "PatientGrid.h"
#include "SessionState.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using db::Sql;

namespace {

// "3500,1000,," gives 3500 and 1000: a number counts only when a comma follows it.
QList<int> numbersBeforeCommas(const QString& list)
{
    QList<int> numbers;
    QStringList parts = list.split(QLatin1Char(','));
    parts.removeLast();
    for (const QString& part : parts)
        numbers.append(part.trimmed().isEmpty() ? -1 : part.trimmed().toInt());
    return numbers;
}

} // namespace

frmDisplayOutPatient::frmDisplayOutPatient(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("frmDisplayOutPatient"));
    setWindowTitle(QStringLiteral("Displayer Window"));
    lblTitle1_ = new QLabel(this);
    lblTitle1_->setObjectName(QStringLiteral("lblTitle1"));
    lblTitle2_ = new QLabel(this);
    lblTitle2_->setObjectName(QStringLiteral("lblTitle2"));
    auto* lblHospital = new QLabel(context_.session().Company, this);
    lblHospital->setObjectName(QStringLiteral("lblHospital"));
    txtSearch_ = new QLineEdit(this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    context_.session().keyPress->capitalise(txtSearch_);
    txtSearch_->installEventFilter(this);
    auto* cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    chkAutoSearch_ = new QCheckBox(QStringLiteral("AutoSearch"), this);
    chkAutoSearch_->setObjectName(QStringLiteral("chkAutoSearch"));
    chkAutoSearch_->setChecked(true);
    auto* frame = new QGroupBox(QStringLiteral("Patients Table"), this);
    grdPatients_ = new PatientGrid(frame);
    grdPatients_->setObjectName(QStringLiteral("grdPatients"));
    grdPatients_->installEventFilter(this);
    (new QVBoxLayout(frame))->addWidget(grdPatients_);
    lblHint_ = new QLabel(this);
    lblHint_->setObjectName(QStringLiteral("lblHint"));
    lblCount_ = new QLabel(QStringLiteral("0"), this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblTitle1_, 0, 0, 1, 3);
    layout->addWidget(lblTitle2_, 1, 0, 1, 3);
    layout->addWidget(lblHospital, 2, 0, 1, 3);
    layout->addWidget(txtSearch_, 3, 0);
    layout->addWidget(chkAutoSearch_, 3, 1);
    layout->addWidget(cmdCancel, 3, 2);
    layout->addWidget(frame, 4, 0, 1, 3);
    layout->addWidget(lblHint_, 5, 0);
    layout->addWidget(new QLabel(QStringLiteral("Total Patients Listed:"), this), 5, 1);
    layout->addWidget(lblCount_, 5, 2);
    layout->setColumnStretch(0, 1);
    resize(760, 460);

    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(chkAutoSearch_, &QCheckBox::toggled, this, [this] {
        txtSearch_->end(false);
        txtSearch_->setFocus();
    });
    connect(txtSearch_, &QLineEdit::textChanged, this, [this] {
        if (chkAutoSearch_->isChecked() && !writing_)
            Search();
    });
    connect(grdPatients_, &QTableWidget::itemSelectionChanged, this,
            &frmDisplayOutPatient::writeBackCurrentRow);
    connect(grdPatients_, &PatientGrid::picked, this, &frmDisplayOutPatient::pick);
}

void frmDisplayOutPatient::DisplayWindowSetup(const QString& caption, const QString& hint,
                                              const QString& headings, const QString& columnWidths,
                                              const QString& rowHeights, int columns, int rows,
                                              int fixedColumns, int fixedRows)
{
    Q_UNUSED(fixedColumns);
    Q_UNUSED(fixedRows);
    setWindowTitle(caption);
    lblTitle1_->setText(QStringLiteral("   ") + caption);
    lblTitle2_->setText(QStringLiteral("   ") + caption);
    grdPatients_->setColumnCount(columns);
    grdPatients_->setRowCount(std::max(rows - 1, 0));
    grdPatients_->setHeadings(headings);
    headingsSet_ = true;
    lblHint_->setText(hint);
    const QList<int> widths = numbersBeforeCommas(columnWidths);
    for (int column = 0; column < widths.size(); ++column)
        if (widths[column] >= 0)
            grdPatients_->setColumnWidthTwips(column, widths[column]);
    const QList<int> heights = numbersBeforeCommas(rowHeights);
    for (int row = 0; row < heights.size(); ++row) {
        if (heights[row] < 0)
            continue;
        const int pixels = grdPatients_->pixelsFromTwips(heights[row]);
        if (row == 0)
            grdPatients_->horizontalHeader()->setFixedHeight(pixels);
        else if (row - 1 < grdPatients_->rowCount())
            grdPatients_->setRowHeight(row - 1, pixels);
    }
}

void frmDisplayOutPatient::setSearchText(const QString& text)
{
    txtSearch_->setText(text);
}

void frmDisplayOutPatient::Search()
{
    if (mode_ != 1)
        return;
    try {
        BusyPointer busy;
        db::RowSet found = context_.session().connection->open(
            "Cardio..sp_Search_SubRegisteredOPD " + Sql::quote(txtSearch_->text()),
            db::Cursor::Client, db::Access::ReadOnly);
        grdPatients_->fill(found, 0, headingsSet_);
    } catch (const std::exception& error) {
        grdPatients_->clearRows();
        tellDatabaseError(context_, error);
    }
    lblCount_->setText(QString::number(grdPatients_->rowCount()));
}

// The current row's name goes back into the search box without searching again.
void frmDisplayOutPatient::writeBackCurrentRow()
{
    if (grdPatients_->currentRow() < 0 || !grdPatients_->hasFocus())
        return;
    writing_ = true;
    txtSearch_->setText(grdPatients_->currentText(0));
    writing_ = false;
}

void frmDisplayOutPatient::pick()
{
    if (grdPatients_->rowCount() == 0)
        return;
    try {
        db::RowSet visit = context_.session().connection->open(
            "Cardio..sp_Search_FullRegisteredOPD " + Sql::quote(grdPatients_->currentText(1)));
        if (visit.count() > 0) {
            pickedIdNum_ = visit.field("IdNum").toString();
            pickedHospNum_ = visit.field("HospNum").toString();
            pickedDcrDate_ = visit.field("DcrDate").toString();
            pickedAdmDate_ = visit.field("AdmDate").toString();
        }
    } catch (const std::exception& error) {
        tellDatabaseError(context_, error);
        return;
    }
    accept();
}

bool frmDisplayOutPatient::searchKey(int key)
{
    const bool wholeSelected =
        !txtSearch_->text().isEmpty() && txtSearch_->selectedText() == txtSearch_->text();
    const bool oneCharacter = txtSearch_->text().size() == 1;
    if ((key == Qt::Key_Delete && wholeSelected) ||
        ((key == Qt::Key_Backspace || key == Qt::Key_Delete) && oneCharacter)) {
        txtSearch_->setText(QString());
        if (!chkAutoSearch_->isChecked())
            Search();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!chkAutoSearch_->isChecked())
            Search();
        else if (grdPatients_->rowCount() > 0)
            pick();
        return true;
    }
    if (key == Qt::Key_Down && grdPatients_->rowCount() > 0) {
        grdPatients_->setFocus();
        grdPatients_->setCurrentCell(grdPatients_->rowCount() >= 2 ? 1 : 0, 0);
        writeBackCurrentRow();
        return true;
    }
    return false;
}

bool frmDisplayOutPatient::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == txtSearch_ && searchKey(key))
            return true;
        if (watched == grdPatients_ && key == Qt::Key_Backspace) {
            txtSearch_->setFocus();
            txtSearch_->selectAll();
            return true;
        }
    }
    if (watched == grdPatients_ && event->type() == QEvent::FocusIn)
        writeBackCurrentRow();
    return QDialog::eventFilter(watched, event);
}
