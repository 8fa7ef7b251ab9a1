#include "StockPosting.h"

#include "SessionState.h"
#include "clsDrug.h"
#include "db/Connection.h"
#include "db/Error.h"
#include "db/Sql.h"
#include "ui/AppContext.h"

using db::Sql;

void StockPosting::Save_StockPharmaCSRItem(const QString& strDepCode, const QString& strHospNum,
                                           const QString& strIdNum, const QString& strItemID,
                                           const QString& strRefnum, double dblQuantity,
                                           double dblAmount, const QString& strRequestedByID,
                                           const QString& strLocationID, const QString& strRoomID,
                                           const QString& strRequestnum,
                                           const QString& strHRevenueID)
{
    if (strDepCode == u"LM")
        storeCode_ = QStringLiteral("PH");
    else if (strDepCode == u"LC")
        storeCode_ = QStringLiteral("CS");
    // Minute precision, as the stock card has always been written.
    const QDateTime now = context_.clock().now();
    const QDateTime postedAt(now.date(), QTime(now.time().hour(), now.time().minute()));
    context_.session().drug->Drug().AppendStockCard(
        strHospNum, strIdNum, strItemID, postedAt, strRefnum, dblQuantity, 0, dblAmount,
        context_.session().EmployeeCode, QStringLiteral("PRN"), strRequestedByID, strLocationID,
        QString(), strRoomID, 0, storeCode_, storeCode_, strHRevenueID, QString(), QDateTime(),
        strRequestnum);
}

void StockPosting::SaveRequestItems(const QString& strRequestnum, const QString& strHospNum,
                                    const QString& strIdNum, const QString& strTransdate,
                                    const QString& strItemID, double dblQuantity, double dblAmount,
                                    const QString& strRefnum, const QString& strNurseRequest,
                                    const QString& strDoctorsID, const QString& strRoomID,
                                    const QString& strLocationID, const QString& strRevenueID)
{
    const QString statement =
        QStringLiteral("Cardio.dbo.spHrt_SaveRequestItems  ") +
        Sql::quoteList({strRequestnum, strRevenueID, strTransdate, strHospNum, strIdNum,
                        strLocationID, strItemID, Sql::plainNumber(dblQuantity),
                        Sql::plainNumber(dblAmount), strRoomID, strRefnum, strNurseRequest,
                        strDoctorsID},
                       QStringLiteral(", "));
    try {
        context_.session().connection->open(statement, db::Cursor::Client);
    } catch (const db::Error& error) {
        context_.prompt().tell(QStringLiteral("ERROR : ") + error.message(),
                               QStringLiteral("Message"), QMessageBox::Information);
    }
}
