#include "ChargeGrid.h"

#include "ChargePricing.h"
#include "EntryGrid.h"
#include "SessionState.h"
#include "clsDrug.h"
#include "clsListDrugs.h"
#include "clsLogBook.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "modHeartStart.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>

namespace {

enum Column {
    DeptId = 1,
    Code = 2,
    Description = 3,
    Type = 4,
    Quantity = 5,
    Price = 6,
    Amount = 7,
    Revenue = 8,
};

constexpr int enterKey = 13;
const QString crlf = QStringLiteral("\r\n");
const QString station = QStringLiteral("STATION");

} // namespace

ChargeGrid::Rules ChargeGrid::Rules::inPatient()
{
    Rules rules;
    rules.patientType = QStringLiteral("I");
    rules.columnWidths = {400, 1000, 1000, 3000, 1000, 800, 1000, 1500, 800};
    rules.closedColumns = {Description, DeptId, Type, Amount, Revenue, Price};
    rules.drugListTitle = QStringLiteral("Ocuvane Drug List");
    rules.supplyListTitle = QStringLiteral("Ocuvane CSR List");
    rules.warnsOfStandingCharge = [] { return true; };
    return rules;
}

ChargeGrid::Rules ChargeGrid::Rules::outPatient()
{
    Rules rules;
    rules.patientType = QStringLiteral("O");
    rules.columnWidths = {400, 1000, 1000, 3000, 1200, 800, 1500, 1000, 800};
    rules.closedColumns = {Description, Type, Amount, Revenue};
    rules.emptyQuantityIsOne = false;
    rules.quantityEnterStaysOnQuantity = true;
    rules.amountOpensOnRequest = false;
    rules.outPatientLookUps = true;
    rules.drugListTitle = QStringLiteral("Laser Drug List");
    rules.supplyListTitle = QStringLiteral("Laser CSR List");
    rules.warnsOfStandingCharge = [] { return true; };
    return rules;
}

ChargeGrid::ChargeGrid(AppContext& context, const Controls& controls, Rules rules)
    : context_(context)
    , controls_(controls)
    , rules_(std::move(rules))
{
    EntryGrid* grid = controls_.grdInput;
    connect(grid, &EntryGrid::cellEntered, this, &ChargeGrid::onCellEntered);
    connect(grid, &EntryGrid::lookupRequested, this, &ChargeGrid::lookUpCurrentLine);
    connect(grid, &EntryGrid::keyPressed, this, &ChargeGrid::onKeyPressed);
    connect(grid, &EntryGrid::amountRequested, this, &ChargeGrid::onAmountRequested);
    connect(grid, &EntryGrid::validateRequested, this, &ChargeGrid::Update_Gross);
}

void ChargeGrid::Initialize_TableInput()
{
    EntryGrid& grid = *controls_.grdInput;
    grid.setInitialSettings(112, controls_.cmdSave, 27, true);
    grid.setFixedCols(1);
    grid.setFixedRows(0);
    grid.setColumnCount(9);
    grid.setRowCount(1);
    grid.rebuild();
    grid.setFixedRows(1);
    grid.setRowCount(2);
    grid.rebuild();
    grid.setColumnWidthsTwips(rules_.columnWidths);
    const QList<std::pair<int, QString>> captions{
        {DeptId, QStringLiteral("Dept.ID")},          {Code, QStringLiteral("Code")},
        {Description, QStringLiteral("Description")}, {Type, QStringLiteral("Type")},
        {Quantity, QStringLiteral("Quantity")},       {Revenue, QStringLiteral("Revenue")},
        {Amount, QStringLiteral("Amount")},           {Price, QStringLiteral("Amt/Item")}};
    for (const auto& [column, caption] : captions)
        grid.setCellText(0, column, caption);

    QString departments;
    for (db::RowSet codes = context_.session().connection->open(
             QStringLiteral(
                 "Select RevenueID from Build_File..tbcorevenuecode where LRActive = 'Y'"),
             db::Cursor::Client);
         !codes.eof(); codes.moveNext())
        departments += codes.field(QStringLiteral("RevenueID")).toString() + crlf;
    grid.setColumnEditor(DeptId, EntryGrid::ListEditor, departments);
    grid.setColumnEditor(Code, EntryGrid::LookupEditor, QString());
    grid.setColumnEditor(Type, EntryGrid::ListEditor,
                         QStringLiteral("STAT/BEDSIDE") + crlf + station);
    for (int column : {Quantity, Amount, Price})
        grid.setNumericColumn(column, EntryGrid::DecimalNumbers);
    for (int column : rules_.closedColumns)
        grid.closeColumn(column);
    if (!rules_.closedColumns.contains(Price))
        grid.openColumn(Price);
}

void ChargeGrid::lookUpCurrentLine()
{
    EntryGrid& grid = *controls_.grdInput;
    if (grid.currentCol() != Code)
        return;
    const QString deptId = cell(grid.currentRow(), DeptId);
    if (deptId == u"MD")
        pickDoctor();
    else if (deptId == u"LR")
        Search_Exam(grid.currentText());
    else if (deptId == u"LM")
        Search_Drug(grid.currentText(), QStringLiteral("161"));
    else if (deptId == u"LC")
        Search_Drug(grid.currentText(), QStringLiteral("28"));
    enableSaving();
}

bool ChargeGrid::pickDoctor()
{
    EntryGrid& grid = *controls_.grdInput;
    clscodesearch& search = *context_.session().codeSearch;
    QString nothingTyped;
    if (!search.SearchListing(nothingTyped, clscodesearch::DoctorListing)) {
        // A closed list is the clerk's choice; only a listing without the doctor is an error.
        if (!search.Cancelled())
            context_.prompt().tell(QStringLiteral("Doctor code not exist!"),
                                   QStringLiteral("Message"));
        return false;
    }
    const codesearch::DoctorRecord& doctor = search.DoctorRecord();
    const int row = grid.currentRow();
    grid.setCellText(row, DeptId, QStringLiteral("MD"));
    grid.setCellText(row, Code, doctor.ResultCode());
    grid.setCellText(row, Description,
                     doctor.LastName() + QLatin1Char(',') + doctor.FirstName() + QLatin1Char(' ') +
                         doctor.MiddleName());
    grid.setCellText(row, Type, station);
    grid.setCellText(row, Quantity, QStringLiteral("1"));
    grid.setCellText(row, Revenue, QStringLiteral("MD"));
    grid.setCurrentCol(Type);
    return true;
}

void ChargeGrid::Search_Exam(QString code)
{
    if (rules_.outPatientLookUps && code.compare(u"MD", Qt::CaseInsensitive) == 0) {
        if (!pickDoctorOnProcedureLine())
            controls_.grdInput->setCurrentCol(DeptId);
        return;
    }
    EntryGrid& grid = *controls_.grdInput;
    clscodesearch& search = *context_.session().codeSearch;
    search.setSearchMode(true);
    if (!search.SearchListing(code, clscodesearch::ItemListing)) {
        if (!search.Cancelled())
            context_.prompt().tell(QStringLiteral("Item Code does not exist."),
                                   QStringLiteral("Message"));
        if (rules_.outPatientLookUps)
            grid.setCurrentCol(DeptId);
        return;
    }
    const codesearch::OtherRevenueRecord& item = search.OtherRevenueRecord();
    const int row = grid.currentRow();
    grid.setCellText(row, Code, item.ResultCode());
    grid.setCellText(row, Description, item.Otherrevenue());
    grid.setCellText(row, Type, station);
    grid.setCellText(row, rules_.outPatientLookUps ? Quantity : Amount, QStringLiteral("1"));
    if (rules_.warnsOfStandingCharge())
        clsLogBook(context_).WarningAlreadyCharge(controls_.txtIdNum->text(), QStringLiteral("LR"),
                                                  item.ResultCode(), item.Otherrevenue());
    if (const std::optional<double> price = rules_.procedurePrice(item)) {
        grid.setCellText(row, Amount, ChargePricing::amountText(*price));
        grid.setCellText(row, Price, ChargePricing::amountText(*price));
    }
    grid.setCellText(row, Quantity, QStringLiteral("1"));
    grid.setCellText(row, Revenue, QStringLiteral("LR"));
    grid.setCurrentCol(rules_.outPatientLookUps ? Type : Description);
}

// "MD" typed on a procedure line of the out-patient form: the line becomes a professional fee
// charged through the department. False when no doctor was picked.
bool ChargeGrid::pickDoctorOnProcedureLine()
{
    if (!pickDoctor())
        return false;
    EntryGrid& grid = *controls_.grdInput;
    grid.setCellText(grid.currentRow(), DeptId, QStringLiteral("LR"));
    grid.setCurrentCol(Quantity);
    return true;
}

void ChargeGrid::Search_Drug(QString strCriteria, QString strLocation)
{
    EntryGrid& grid = *controls_.grdInput;
    clsListDrugs& list = *context_.session().drugList;
    list.setListTitle(strLocation == u"32" ? QStringLiteral("Ocuvane CSR List")
                                           : QStringLiteral("Ocuvane Drug List"));
    list.setDrugsORCSR(false);
    QString code = ChargePricing::number(strCriteria)
                       ? strCriteria.trimmed()
                       : list.ShowList(strCriteria, true, strLocation);
    clsDrugItem& drug = context_.session().drug->Drug();
    if (code.isEmpty() || !drug.SearchDrug(code, strLocation)) {
        context_.prompt().tell(QStringLiteral("Item not found on file."), QString(),
                               QMessageBox::Information);
        grid.setCurrentCol(DeptId);
        return;
    }
    const int row = grid.currentRow();
    const QString price =
        QString::number(ChargePricing::drugPrice(drug.Invent(), rules_.patientType));
    grid.setCellText(row, Code, code);
    grid.setCellText(row, Description, drug.DrugName());
    grid.setCellText(row, Type, station);
    grid.setCellText(row, Quantity, QStringLiteral("1"));
    grid.setCellText(row, Amount, price);
    grid.setCellText(row, Price, price);
}

void ChargeGrid::Update_Gross()
{
    const EntryGrid& grid = *controls_.grdInput;
    controls_.txtGross->setText(
        db::Sql::twoDecimals(grid.columnTotal(Amount, 1, grid.rowCount() - 1)));
}

void ChargeGrid::Apply_Markup()
{
    EntryGrid& grid = *controls_.grdInput;
    const double markUp = ChargePricing::markUpPercent(controls_.txtMarkUp->text());
    if (grid.currentCol() == DeptId && cell(grid.currentRow(), DeptId).isEmpty())
        return;
    const bool holiday = controls_.chkHoliday->isChecked();
    for (int row = 1; row < grid.rowCount(); ++row) {
        grid.setCurrentRow(row);
        grid.setCurrentCol(Code);
        if (cell(row, Code).isEmpty())
            break;
        recomputeLine(row, markUp, holiday);
    }
    Update_Gross();
}

// With the mark-up on, every line is recomputed from its own price and quantity; the lines are
// never looked up again, so quantities the clerk typed stay.
void ChargeGrid::recomputeLine(int row, double markUp, bool holiday)
{
    EntryGrid& grid = *controls_.grdInput;
    const std::optional<double> typedPrice = ChargePricing::number(cell(row, Price));
    const std::optional<double> typedQuantity = ChargePricing::number(cell(row, Quantity));
    const double price = typedPrice.value_or(0);
    double quantity = typedQuantity.value_or(0);
    if (holiday && rules_.emptyQuantityIsOne && cell(row, Quantity).trimmed().isEmpty())
        quantity = 1;
    const ChargePricing::LineAmounts line =
        ChargePricing::lineAmounts(price, quantity, holiday ? markUp : 0);
    grid.setCellText(row, Amount, line.amount);
    grid.setCellText(row, Price, line.price);
}

void ChargeGrid::holidayChanged()
{
    const bool holiday = controls_.chkHoliday->isChecked();
    controls_.fraMarkup->setVisible(holiday);
    if (!holiday)
        controls_.cmdApply->setEnabled(true);
    Apply_Markup();
}

void ChargeGrid::startWithMarkUp()
{
    if (controls_.chkHoliday->isChecked())
        holidayChanged();
    else
        controls_.chkHoliday->setChecked(true);
}

ChargeLines ChargeGrid::lines() const
{
    const EntryGrid& grid = *controls_.grdInput;
    ChargeLines lines;
    for (int row = 1; row < grid.rowCount() && !cell(row, Code).isEmpty(); ++row)
        lines.append({row, cell(row, DeptId), cell(row, Code), cell(row, Description),
                      cell(row, Type), cell(row, Quantity), cell(row, Price), cell(row, Amount),
                      cell(row, Revenue)});
    return lines;
}

void ChargeGrid::makeRoomFor(int lineCount)
{
    EntryGrid& grid = *controls_.grdInput;
    grid.setFixedCols(1);
    grid.setFixedRows(1);
    grid.setColumnCount(9);
    grid.setRowCount(lineCount + 2);
    grid.rebuild();
}

void ChargeGrid::onCellEntered()
{
    EntryGrid& grid = *controls_.grdInput;
    if (grid.currentCol() != Price)
        return;
    const QString code = cell(grid.currentRow(), Code);
    if (modHeartStart::IsFixedRate(*context_.session().connection, code))
        grid.closeColumn(Price);
    else
        grid.openColumn(Price);
    grid.setCurrentCol(Price);
}

void ChargeGrid::onKeyPressed(int& keyCode)
{
    if (keyCode != enterKey)
        return;
    EntryGrid& grid = *controls_.grdInput;
    const int column = grid.currentCol();
    if (column == Code) {
        lookUpCurrentLine();
    } else if (column == Quantity || column == Price) {
        const int row = grid.currentRow();
        Apply_Markup();
        if (column == Quantity && rules_.quantityEnterStaysOnQuantity) {
            grid.setCurrentRow(row);
            grid.setCurrentCol(Quantity);
        }
    }
    Update_Gross();
}

void ChargeGrid::onAmountRequested()
{
    EntryGrid& grid = *controls_.grdInput;
    if (rules_.amountOpensOnRequest && grid.currentCol() == Amount)
        grid.openColumn(Amount);
}

void ChargeGrid::enableSaving()
{
    controls_.cmdSave->setEnabled(true);
    controls_.cmdSavePrint->setEnabled(true);
}

QString ChargeGrid::cell(int row, int column) const
{
    return controls_.grdInput->cellText(row, column);
}
