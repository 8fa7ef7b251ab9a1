#include "RequestSave.h"

#include "ChargePricing.h"
#include "SessionState.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/BusyPointer.h"

#include <QMessageBox>
#include <QWidget>

using db::Sql;

namespace {

QString lineNumbers(double value)
{
    return Sql::plainNumber(value);
}

double numberOf(const QString& text)
{
    return ChargePricing::number(text).value_or(0);
}

QString procedureCall(const QString& procedure, const QStringList& values)
{
    return procedure + QLatin1Char(' ') + Sql::quoteList(values);
}

} // namespace

// How the in-patient and out-patient forms word the same save; the server reads both alike.
struct RequestSave::Wording {
    QString counterDatabase;
    QString procedureRequest;
    QString drugRequest;
    QString addNurseLogBook;
    QString checkCommunication;
    QString checkLogBook;
    QString addBill;
    QString updateCash;
    QString stockRevenue;
    bool cashSendsDeptId = false;
    bool cashWritesNurseLogBook = true;
    bool cashKeepsLineRevenue = true;

    static const Wording& of(const RequestDraft& draft);
};

const RequestSave::Wording& RequestSave::Wording::of(const RequestDraft& draft)
{
    static const Wording inPatient{QStringLiteral("Clinical_Area"),
                                   QStringLiteral("Clinical_Area..sp_Laser_AddRequest"),
                                   QStringLiteral("Clinical_Area..sp_Laser_AddRequest"),
                                   QStringLiteral("Cardio..sp_AddNurseLogBook"),
                                   QStringLiteral("Cardio..sp_CheckNurseCommunicationFile"),
                                   QStringLiteral("Cardio..sp_CheckNurseLogBook"),
                                   QStringLiteral("Cardio..sp_AddBill"),
                                   QStringLiteral("Cardio..sp_UpdateCash"),
                                   QStringLiteral("LR"),
                                   false,
                                   true,
                                   true};
    static const Wording outPatient{QStringLiteral("Clinical_area"),
                                    QStringLiteral("Clinical_area..sp_Laser_AddRequest"),
                                    QStringLiteral("Clinical_Area..sp_Laser_AddRequest"),
                                    QStringLiteral("Cardio..sp_addnurselogbook"),
                                    QStringLiteral("Cardio..sp_checknursecommunicationfile"),
                                    QStringLiteral("Cardio..sp_checknurselogbook"),
                                    QStringLiteral("Cardio..sp_addbill"),
                                    QStringLiteral("Cardio..sp_updatecash"),
                                    QStringLiteral("OL"),
                                    true,
                                    false,
                                    false};
    return draft.patientType == u"O" ? outPatient : inPatient;
}

struct RequestSave::Fixed {
    explicit Fixed(const Wording& wordingOfForm)
        : wording(wordingOfForm)
    {}

    const Wording& wording;
    QDateTime serverDate;
    QString refNum;
    QString doctorId;
    QString doctorName;
    QString employee;
};

RequestSave::RequestSave(AppContext& context)
    : context_(context)
    , posting_(context)
{}

QString RequestSave::invalidNumber(const ChargeLines& lines)
{
    for (const ChargeLine& line : lines) {
        if (line.code.trimmed().isEmpty())
            break;
        if (!ChargePricing::number(line.quantity))
            return QStringLiteral("The quantity \"%1\" on line %2 is not a number.")
                .arg(line.quantity, QString::number(line.row));
        if (!ChargePricing::number(line.amount))
            return QStringLiteral("The amount \"%1\" on line %2 is not a number.")
                .arg(line.amount, QString::number(line.row));
    }
    return {};
}

QString RequestSave::save(const RequestDraft& draft)
{
    db::Connection& connection = *context_.session().connection;
    db::Transaction transaction(connection);
    formType_.clear();

    Fixed fixed(Wording::of(draft));
    fixed.doctorId = draft.doctorId.trimmed();
    fixed.doctorName = fixed.doctorId == u"0" ? draft.doctor : QString();
    fixed.employee = context_.session().EmployeeCode;
    const db::RowSet clock =
        connection.open(QStringLiteral("select getdate() as [server date]"), db::Cursor::Client);
    fixed.serverDate = Sql::parseDateTime(clock.field(QStringLiteral("server date")).toString());
    const QString counters = fixed.wording.counterDatabase;
    if (!draft.cashBasis)
        fixed.refNum = QStringLiteral("C") +
                       takeNumber(counters + QStringLiteral("..sp_Laser_GetRefNum"),
                                  QStringLiteral("ChargeSlip"),
                                  counters + QStringLiteral("..sp_Laser_UpdateRefNum")) +
                       QStringLiteral("E");

    for (const ChargeLine& line : draft.lines) {
        if (line.code.isEmpty())
            break;
        saveLine(draft, fixed, line);
    }
    transaction.commit();
    return fixed.refNum;
}

std::optional<QString> RequestSave::saveAndTell(const RequestDraft& draft,
                                                const QList<QWidget*>& saveButtons)
{
    const QString invalid = invalidNumber(draft.lines);
    if (!invalid.isEmpty()) {
        context_.prompt().tell(invalid, QStringLiteral("Message"), QMessageBox::Warning);
        return std::nullopt;
    }
    for (QWidget* button : saveButtons)
        button->setEnabled(false);
    std::optional<QString> refNum;
    try {
        const BusyPointer busy;
        refNum = save(draft);
    } catch (const db::Error&) {
        context_.prompt().tell(QStringLiteral("Data Not Successfully Saved."),
                               QStringLiteral("Warning"), QMessageBox::Warning);
        for (QWidget* button : saveButtons)
            button->setEnabled(true);
        return std::nullopt;
    }
    context_.prompt().tell(QStringLiteral("Data Successfully Saved!"), QStringLiteral("Message"));
    return refNum;
}

QString RequestSave::takeNumber(const QString& read, const QString& column, const QString& advance)
{
    db::Connection& connection = *context_.session().connection;
    const db::RowSet row = connection.open(read, db::Cursor::Client);
    const QString number = lineNumbers(row.field(column).toDouble());
    connection.execute(advance);
    return number;
}

void RequestSave::saveLine(const RequestDraft& draft, const Fixed& fixed, const ChargeLine& line)
{
    const Wording& wording = fixed.wording;
    const QString requestNum =
        takeNumber(wording.counterDatabase + QStringLiteral("..sp_Laser_GetRequestNum"),
                   QStringLiteral("RequestNum"),
                   wording.counterDatabase + QStringLiteral("..sp_Laser_UpdateRequestNum"));
    if (line.deptId == u"LM" || line.deptId == u"LC") {
        addRequest(wording.drugRequest, draft, fixed, line, requestNum, fixed.refNum, QString(),
                   true);
        const QString location =
            line.deptId == u"LM" ? QStringLiteral("161") : QStringLiteral("28");
        posting_.Save_StockPharmaCSRItem(
            line.deptId, draft.hospNum.trimmed(), draft.idNum.trimmed(), line.code, fixed.refNum,
            numberOf(line.quantity), numberOf(line.amount), fixed.employee, location,
            draft.room.trimmed(), requestNum, wording.stockRevenue);
        return;
    }
    if (line.deptId != u"LR" && line.deptId != u"MD")
        return;

    const QString nurseRequestNum = draft.nurseRequestNums.value(line.row);
    formType_ = formType(line.code.trimmed()).value_or(formType_);
    const QString& request = wording.procedureRequest;
    if (draft.cashBasis)
        addRequest(request, draft, fixed, line, requestNum, draft.cashOrNum, QString(),
                   wording.cashSendsDeptId);
    else if (draft.nurseCommunication)
        addRequest(request, draft, fixed, line, requestNum, fixed.refNum, nurseRequestNum, true);
    else
        addRequest(request, draft, fixed, line, requestNum, fixed.refNum, requestNum, true);

    const bool nurseStation = line.revenue == u"LR" || line.revenue == u"MD";
    if (draft.cashBasis) {
        if (nurseStation && wording.cashWritesNurseLogBook)
            addNurseLogBook(draft, fixed, line, requestNum);
    } else if (nurseStation && draft.nurseCommunication) {
        closeNurseRecords(draft, fixed, line, nurseRequestNum);
    } else if (nurseStation) {
        addNurseLogBook(draft, fixed, line, requestNum);
    }

    if (draft.cashBasis)
        context_.session().connection->execute(
            wording.updateCash + QLatin1Char(' ') +
            Sql::quoteList({draft.cashOrNum, line.code.trimmed(),
                            wording.cashKeepsLineRevenue ? line.revenue : QStringLiteral("LR"),
                            QString()}));
    else
        addBill(draft, fixed, line);
}

std::optional<QString> RequestSave::formType(const QString& code)
{
    clscodesearch& search = *context_.session().codeSearch;
    const bool listingAllowed = search.SearchMode();
    search.setSearchMode(false); // never a pick list in the middle of a save
    QString searchText = code;
    const bool found = search.SearchListing(searchText, clscodesearch::ItemListing);
    search.setSearchMode(listingAllowed);
    if (!found)
        return std::nullopt;
    const db::RowSet item = context_.session().connection->open(
        QStringLiteral("Select top 1 * from Build_File..tbcoOtherRevenue where OtherRevenueID = ") +
            Sql::quote(code) + QStringLiteral(" and OtherSectionID = 'LR'"),
        db::Cursor::Client);
    if (item.eof())
        return std::nullopt;
    return item.field(QStringLiteral("FormType")).toString();
}

void RequestSave::addRequest(const QString& procedure, const RequestDraft& draft,
                             const Fixed& fixed, const ChargeLine& line, const QString& requestNum,
                             const QString& variant8, const QString& variant10, bool withDeptId)
{
    QStringList values{draft.hospNum.trimmed(),
                       draft.idNum.trimmed(),
                       requestNum,
                       line.code.trimmed(),
                       lineNumbers(numberOf(line.amount)),
                       fixed.doctorId,
                       draft.patientType,
                       variant8,
                       fixed.employee,
                       variant10,
                       formType_,
                       lineNumbers(numberOf(line.quantity)),
                       line.revenue == u"LR" ? QStringLiteral("0") : QStringLiteral("1"),
                       QString(),
                       QStringLiteral("0"),
                       fixed.doctorName};
    if (withDeptId)
        values.append(line.deptId);
    context_.session().connection->execute(procedureCall(procedure, values));
}

void RequestSave::addNurseLogBook(const RequestDraft& draft, const Fixed& fixed,
                                  const ChargeLine& line, const QString& requestNum)
{
    context_.session().connection->execute(
        procedureCall(QStringLiteral("Cardio..sp_AddNurseLogBook"),
                      {draft.hospNum, draft.patIdNum, line.code.trimmed(),
                       line.description.trimmed(), lineNumbers(numberOf(line.amount)),
                       fixed.employee, fixed.employee, fixed.refNum, QStringLiteral("LR"),
                       draft.patientType, requestNum, lineNumbers(numberOf(line.quantity))}));
}

void RequestSave::closeNurseRecords(const RequestDraft& draft, const Fixed& fixed,
                                    const ChargeLine& line, const QString& nurseRequestNum)
{
    db::Connection& connection = *context_.session().connection;
    db::RowSet request =
        connection.open(procedureCall(QStringLiteral("Cardio..sp_CheckNurseCommunicationFile"),
                                      {QStringLiteral("0"), draft.patientType, QStringLiteral("LR"),
                                       line.code.trimmed(), draft.patIdNum, nurseRequestNum}),
                        db::Cursor::Client, db::Access::Updatable);
    if (!request.eof()) {
        request.setField(QStringLiteral("referencenum"), fixed.refNum);
        request.setField(QStringLiteral("RecordStatus"), QStringLiteral("X"));
        request.update();
    }
    db::RowSet logBook =
        connection.open(procedureCall(QStringLiteral("Cardio..sp_CheckNurseLogBook"),
                                      {QStringLiteral("0"), draft.patientType, draft.idNum,
                                       QStringLiteral("LR"), line.code.trimmed(), nurseRequestNum}),
                        db::Cursor::Client, db::Access::Updatable);
    if (!logBook.eof()) {
        logBook.setField(QStringLiteral("referencenum"), fixed.refNum);
        logBook.setField(QStringLiteral("RecordStatus"), QStringLiteral("X"));
        logBook.setField(QStringLiteral("processby"), fixed.employee);
        logBook.setField(QStringLiteral("processdate"), fixed.serverDate);
        logBook.update();
    }
}

void RequestSave::addBill(const RequestDraft& draft, const Fixed& fixed, const ChargeLine& line)
{
    const bool shapeA = line.revenue == u"LR" || line.revenue == u"MD";
    context_.session().connection->execute(procedureCall(
        fixed.wording.addBill,
        {draft.patientType, draft.idNum, Sql::dateTime(fixed.serverDate), fixed.refNum,
         line.code.trimmed(), lineNumbers(numberOf(line.amount)),
         shapeA ? line.revenue : QStringLiteral("MD"), fixed.employee,
         lineNumbers(numberOf(line.quantity)), shapeA ? QString() : QStringLiteral("LR"),
         line.revenue == u"LR" ? QStringLiteral("D") : QStringLiteral("P"), fixed.doctorId,
         fixed.doctorName}));
}
