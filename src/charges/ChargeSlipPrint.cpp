#include "ChargeSlipPrint.h"

#include "ReportRunner.h"
#include "SessionState.h"
#include "clsCurrentUser.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "ui/AppContext.h"
#include "ui/ProgramFolder.h"

#include <QMessageBox>

using db::Sql;

// The print table is shared by every workstation: it is emptied, refilled and read for one slip
// inside one transaction, so two slips printed at once never mix their lines. The viewer shows
// the slip as read, after the transaction has ended.
void ChargeSlipPrint::Print_ChargeSlip(const QString& refNum, const Patient& patient)
{
    try {
        print(refNum, patient);
    } catch (const db::Error& error) {
        context_.prompt().tell(QStringLiteral("The charge slip could not be printed.\n\n") +
                                   error.message(),
                               QStringLiteral("Message"), QMessageBox::Warning);
    }
}

void ChargeSlipPrint::print(const QString& refNum, const Patient& patient)
{
    db::Connection& connection = *context_.session().connection;
    db::RowSet lines = connection.open(
        database_ + QStringLiteral("..sp_Laser_GetChargeSlipByRefNum ") + Sql::quote(refNum),
        db::Cursor::Client);
    if (lines.eof())
        return;
    const QString transDate = lines.field(QStringLiteral("trans. date")).toString();
    const QString slipNumber = lines.field(QStringLiteral("charge slip no.")).toString().trimmed();

    ReportRunner& reports = context_.reports();
    {
        db::Transaction transaction(connection);
        connection.execute(QStringLiteral("Delete from Clinical_area..tbLaserChargeSlip"));
        for (; !lines.eof(); lines.moveNext())
            connection.execute(
                database_ + QStringLiteral("..sp_Laser_SaveChargeSlip ") +
                Sql::quoteList(
                    {lines.field(QStringLiteral("Code")).toString(),
                     lines.field(QStringLiteral("Examination")).toString() + QLatin1Char(' '),
                     lines.field(QStringLiteral("Quantity")).toString(),
                     lines.field(QStringLiteral("Amount")).toString()}));
        if (!reports.PrepareReport(ProgramFolder::file(QStringLiteral("/ChargeSlip.RPT")),
                                   {slipNumber, patient.name, patient.company, patient.idNum,
                                    context_.session().user->employeename(), transDate}) ||
            !reports.fillNow())
            return;
        transaction.commit();
    }
    reports.ShowReport(false, QStringLiteral("Charge slip printing"), false);
}
