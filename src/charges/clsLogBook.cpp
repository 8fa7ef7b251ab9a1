#include "clsLogBook.h"

#include "SessionState.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/AppContext.h"

#include <QMessageBox>

void clsLogBook::WarningAlreadyCharge(const QString& idNum, const QString& revenueId,
                                      const QString& examCode, const QString& examName)
{
    const db::RowSet charges = context_.session().connection->open(
        QStringLiteral("Reports..sp_Check_CurrentCharges ") +
            db::Sql::quoteList({idNum, revenueId, examCode}, QStringLiteral(", ")),
        db::Cursor::Client);
    if (charges.eof() || charges.field(QStringLiteral("Amount")).toDouble() <= 0)
        return;
    context_.prompt().tell(QStringLiteral("Patient was already charged with (") + examCode +
                               QStringLiteral(") ") + examName + QStringLiteral(" at ") +
                               charges.field(QStringLiteral("DateCharge")).toString(),
                           QStringLiteral("WARNING!"), QMessageBox::Information);
}
